#pragma once
// The image files on disk, as the readers of stored maps are handed them.

#include "platform/ImageSource.h"
#include "platform/LoadWaiter.h"

namespace kvx {

class TImageFiles final : public TImageSource {
public:
    // Images decode through waiter (see LoadImage); at once on the calling thread by default.
    explicit TImageFiles(TLoadWaiter& waiter = ImmediateLoading()) : FWaiter(&waiter) {}

    std::vector<std::string>
    FindImageFiles(const std::vector<std::string>& storedPaths) const override;
    bool LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps) const override;

private:
    TLoadWaiter* FWaiter;
};

} // namespace kvx
