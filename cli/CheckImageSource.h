#pragma once
// The image files as "kvxtool check" sees them: a missing or unreadable image does not stop
// the reading, it becomes a finding. Everything else is found and loaded as by the editor.

#include "checks/MapCheck.h"
#include "images/ImageFiles.h"

#include <optional>
#include <string>

namespace kvx {

class TCheckImageSource final : public TImageSource {
public:
    // substitute answers for an image that cannot be found (--image), when given.
    explicit TCheckImageSource(std::optional<std::string> substitute);

    std::vector<std::string>
    FindImageFiles(const std::vector<std::string>& storedPaths) const override;
    bool LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps) const override;

    // What the checks are told about the image of the last map read.
    TCheckImage CheckImage(const TImageBitmaps& bitmaps) const;

private:
    TImageFiles FFiles;
    std::optional<std::string> FSubstitute;
    mutable std::string FStoredPath;
    mutable std::vector<std::string> FCaseVariants;
    mutable bool FFound = false;
};

} // namespace kvx
