#pragma once
// The bitmap of a map's image, and the image files as the readers of stored maps need
// them. The formats layer reads maps without linking the decoders; the images layer provides
// the image source it is handed.

#include <QImage>
#include <string>
#include <vector>

namespace kvx {

struct TImageBitmaps {
    // The loaded image (Format_RGB32), never drawn on: the view draws the areas on its own
    // copy of the part it shows. A null QImage means no image.
    QImage SourceBitmap;

    bool HasImage() const { return !SourceBitmap.isNull(); }
};

class TImageSource {
public:
    virtual ~TImageSource() = default;

    // The image files the stored paths lead to, tried in the given order, each path as found
    // on disk: one file is the image; several (byte order) match only without regard to
    // letter case, and the user chooses; none, and the user is asked for the file. A path
    // that names a file exactly always wins alone, over every other path's matches.
    virtual std::vector<std::string>
    FindImageFiles(const std::vector<std::string>& storedPaths) const = 0;
    // Loads imageFile into bitmaps; false leaves them as they were. Never throws.
    virtual bool LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps) const = 0;
};

} // namespace kvx
