#include "cli/CheckImageSource.h"

#include "model/PathParts.h"

namespace kvx {

TCheckImageSource::TCheckImageSource(std::optional<std::string> substitute)
    : FSubstitute(std::move(substitute)) {}

std::optional<std::string>
TCheckImageSource::FindFirstImageFile(const std::vector<std::string>& storedPaths) const {
    FStoredPath = storedPaths.empty() ? std::string() : ToNativeSeparators(storedPaths.front());
    std::optional<std::string> found = FFiles.FindFirstImageFile(storedPaths);
    if (!found && FSubstitute) {
        found = FFiles.FindFirstImageFile({*FSubstitute});
    }
    FFound = found.has_value();
    // A missing image is a finding, not the end of the reading.
    return found ? found : std::optional<std::string>(FStoredPath);
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
    if (FFound && bitmaps.HasImage()) {
        image.Size = TImageSize{bitmaps.SourceBitmap.width(), bitmaps.SourceBitmap.height()};
    }
    return image;
}

} // namespace kvx
