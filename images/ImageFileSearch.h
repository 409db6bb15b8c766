#pragma once
// Finding the image file stored paths name. Paths in HTML pages and project files may come
// from Windows ("\" separators, drives, other letter case than the file on disk).

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// storedPath as an absolute path here: "\" read as "/", a leading drive dropped, a relative
// path taken relative to the current folder.
std::string AbsoluteImagePath(std::string_view storedPath);

// The image files the stored paths (the reader's candidates, in its order) lead to. A path
// that names a file exactly wins over every match that differs in letter case: the first such
// path alone is the result. Otherwise the first path that leads to files at all when letter
// case is ignored gives every such file, in byte order: one is the image, several are for the
// user to choose from. Results are absolute and spelled as on disk; folders, pipes and
// devices do not count. Empty when no path leads to a file.
std::vector<std::string> FindImageFiles(const std::vector<std::string>& storedPaths);

} // namespace kvx
