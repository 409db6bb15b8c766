#pragma once
// The open map with the bitmap of its image: what every load fills and every reset frees.

#include "model/ImageMap.h"
#include "platform/ImageSource.h"

#include <memory>

namespace kvx {

struct TMapDocument : TImageBitmaps {
    std::unique_ptr<TImageMap> CurrentMap;

    void Release() {
        CurrentMap.reset();
        SourceBitmap = QImage();
    }
};

} // namespace kvx
