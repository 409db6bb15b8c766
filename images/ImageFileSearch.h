#pragma once
// Finding the image file a stored path names. Paths in HTML pages and project files may come
// from Windows ("\" separators, drives, other letter case than the file on disk).

#include <optional>
#include <string>
#include <string_view>

namespace kvx {

// The existing file storedPath names: "\" read as "/", a relative path taken relative to the
// current folder, each component matched without regard to letter case. The result is an
// absolute path with the file's real spelling; std::nullopt when no file (folders do not
// count) is there.
std::optional<std::string> FindImageFile(std::string_view storedPath);

} // namespace kvx
