#pragma once
// The description of a loaded map that "kvxtool info" prints: one JSON object whose keys
// keep a fixed order, so scripts can rely on the output.

#include <string>
#include <string_view>

namespace kvx {

class TImageMap;

// A JSON string literal: quotes, backslash and control characters escaped, UTF-8 kept.
std::string JsonString(std::string_view text);

// name, imageFile, projectFile, width, height, border, altText and the areas in list order.
std::string MapInfoJson(const TImageMap& map, int width, int height);

} // namespace kvx
