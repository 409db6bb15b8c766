#pragma once
// How a page names its image in the img element's src.

#include <string>

namespace kvx {

// The image's path relative to the folder of the page at pagePath (just the file name when
// they share a folder), with the file's own letter case. Without a page (pagePath empty), or
// for an image path that is not an absolute path of this system, the file name. Not escaped.
// The paths are compared as written, not with links resolved: a web server sees them so.
std::string ImageReferenceForPage(const std::string& imageFile, const std::string& pagePath);

} // namespace kvx
