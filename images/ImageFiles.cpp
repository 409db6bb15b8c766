#include "images/ImageFiles.h"

#include "images/ImageFileSearch.h"
#include "images/ImageLoading.h"

namespace kvx {

std::vector<std::string>
TImageFiles::FindImageFiles(const std::vector<std::string>& storedPaths) const {
    return kvx::FindImageFiles(storedPaths);
}

bool TImageFiles::LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps) const {
    return kvx::LoadImage(imageFile, bitmaps, *FWaiter);
}

} // namespace kvx
