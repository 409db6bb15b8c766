#include "cli/CheckImageSource.h"

#include "model/PathParts.h"

namespace kvx {

TCheckImageSource::TCheckImageSource(std::optional<std::string> substitute)
    : FSubstitute(std::move(substitute)) {}

std::vector<std::string>
TCheckImageSource::FindImageFiles(const std::vector<std::string>& storedPaths) const {
    FStoredPath = storedPaths.empty() ? std::string() : ToNativeSeparators(storedPaths.front());
    std::vector<std::string> found = FFiles.FindImageFiles(storedPaths);
    FCaseVariants = found.size() > 1 ? found : std::vector<std::string>();
    // --image answers a missing image and a choice among case variants alike.
    if (found.size() != 1 && FSubstitute) {
        found = FFiles.FindImageFiles({*FSubstitute});
    }
    FFound = found.size() == 1;
    // A missing or ambiguous image is a finding, not the end of the reading.
    return FFound ? found : std::vector<std::string>{FStoredPath};
}

bool TCheckImageSource::LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps) const {
    if (FFound && !FFiles.LoadImage(imageFile, bitmaps)) {
        FFound = false;
    }
    return true;
}

TCheckImage TCheckImageSource::CheckImage(const TImageBitmaps& bitmaps) const {
    TCheckImage image;
    image.StoredPath = FStoredPath;
    image.AmbiguousCandidates = FCaseVariants;
    if (FFound && bitmaps.HasImage()) {
        image.Size = TImageSize{bitmaps.SourceBitmap.width(), bitmaps.SourceBitmap.height()};
    }
    return image;
}

} // namespace kvx
