#pragma once
// The border width of a map as the map properties dialog and the readers leave it.

#include <string>
#include <string_view>

namespace kvx {

// Empty becomes "0"; otherwise the absolute value, where a text that is no integer counts as 0
// (blanks around the number are ignored). The absolute value of the smallest 32-bit integer
// does not exist in that range; it becomes the largest.
std::string BorderRule(std::string_view text);

} // namespace kvx
