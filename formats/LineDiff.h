#pragma once
// Which lines two versions of a text have in common, so that what a user left alone can be
// told from what was changed.

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace kvx {

// A line of the old version that stands unchanged in the new one.
struct TLineMatch {
    std::size_t Old = 0;
    std::size_t New = 0;
};

// A longest run of common lines, in order (Myers' difference algorithm). Beyond maxChanges
// inserted or removed lines between the common start and end it gives up on the middle,
// which then counts as changed as a whole: the result is still correct, only coarser.
std::vector<TLineMatch> CommonLines(std::span<const std::string_view> oldLines,
                                    std::span<const std::string_view> newLines,
                                    std::size_t maxChanges = 1000);

} // namespace kvx
