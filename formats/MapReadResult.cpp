#include "formats/MapReadResult.h"

#include <stdexcept>

namespace kvx {

TMapReadResult StartMapOnImage(const std::string& name, const std::string& imageFile,
                               const std::string& projectFile, const TImageSource& images) {
    TMapReadResult result;
    result.Map = std::make_unique<TImageMap>();
    result.Map->Name = name;
    result.Map->ImageFile = imageFile;
    result.Map->ProjectFile = projectFile;
    if (!images.LoadImage(imageFile, result.Bitmaps)) {
        throw std::runtime_error("image not loaded: " + imageFile);
    }
    return result;
}

} // namespace kvx
