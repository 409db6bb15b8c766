#pragma once
// The image files on disk, as the readers of stored maps are handed them.

#include "platform/ImageSource.h"

namespace kvx {

class TImageFiles final : public TImageSource {
public:
    std::vector<std::string>
    FindImageFiles(const std::vector<std::string>& storedPaths) const override;
    bool LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps) const override;
};

} // namespace kvx
