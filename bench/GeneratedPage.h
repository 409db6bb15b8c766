#pragma once
// Generated HTML pages of a given size with one image map of many areas, for the reader.

#include <cstddef>
#include <string>

namespace kvx::bench {

// About `bytes` of HTML: filler paragraphs and tables around one map of `areas` areas of all
// three shapes, whose img refers to `imageName`.
std::string GeneratePage(std::size_t bytes, int areas, const std::string& imageName);

} // namespace kvx::bench
