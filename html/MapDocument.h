#pragma once
// The open map with the two bitmaps of its image: what every load fills and every reset frees.

#include "model/ImageMap.h"

#include <QImage>
#include <memory>

namespace kvx {

struct TMapDocument {
    std::unique_ptr<TImageMap> CurrentMap;
    // The loaded image, never drawn on; a null QImage means no image.
    QImage SourceBitmap;
    // Same size as SourceBitmap; every render composes the image and the areas on it.
    QImage WorkBitmap;

    bool HasImage() const { return !SourceBitmap.isNull(); }
    void Release() {
        CurrentMap.reset();
        SourceBitmap = QImage();
        WorkBitmap = QImage();
    }
};

} // namespace kvx
