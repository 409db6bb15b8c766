#include "images/ImageFiles.h"

#include "images/ImageFileSearch.h"
#include "images/ImageLoading.h"

namespace kvx {

std::optional<std::string>
TImageFiles::FindFirstImageFile(const std::vector<std::string>& storedPaths) const {
    for (const std::string& storedPath : storedPaths) {
        if (std::optional<std::string> found = FindImageFile(storedPath)) {
            return found;
        }
    }
    return std::nullopt;
}

bool TImageFiles::LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps) const {
    return kvx::LoadImage(imageFile, bitmaps);
}

} // namespace kvx
