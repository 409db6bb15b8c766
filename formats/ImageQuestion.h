#pragma once
// The image question of the readers of stored maps: which file is the map's image when the
// stored path does not name exactly one.

#include <optional>
#include <string>
#include <vector>

namespace kvx {

class TMapReaderHost;

// found: the files the reader's candidates lead to (TImageSource::FindImageFiles). One file
// is the image. Several match only without regard to letter case: the user is told which they
// are and chooses in the open dialog, the first preset. None: the user is told the image was
// not found and chooses, fileName preset in folder. helpContext goes with the message.
// std::nullopt when the dialog is cancelled; the caller says what follows.
std::optional<std::string> ChooseImageFile(const std::vector<std::string>& found,
                                           const std::string& fileName, const std::string& folder,
                                           TMapReaderHost& host, int helpContext);

} // namespace kvx
