#pragma once
// The two bitmaps of a map's image, and the image files as the readers of stored maps need
// them. The formats layer reads maps without linking the decoders; the images layer provides
// the image source it is handed.

#include <QImage>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

struct TImageBitmaps {
    // The loaded image, never drawn on; a null QImage means no image.
    QImage SourceBitmap;
    // Same size as SourceBitmap; every render composes the image and the areas on it.
    QImage WorkBitmap;

    bool HasImage() const { return !SourceBitmap.isNull(); }
};

class TImageSource {
public:
    virtual ~TImageSource() = default;

    // The image file of the first stored path that leads to one, tried in the given order;
    // std::nullopt when none does.
    virtual std::optional<std::string>
    FindFirstImageFile(const std::vector<std::string>& storedPaths) const = 0;
    // Loads imageFile into bitmaps; false leaves them as they were. Never throws.
    virtual bool LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps) const = 0;
};

} // namespace kvx
