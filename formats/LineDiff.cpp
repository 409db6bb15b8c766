#include "formats/LineDiff.h"

#include <algorithm>
#include <cstdint>

namespace kvx {

namespace {

using TIndex = std::int64_t;

// Myers' greedy search for the shortest edit script of a and b; appends the common lines
// (offset by first) and returns false when more than limit changes would be needed.
bool AppendMyersMatches(std::span<const std::string_view> a, std::span<const std::string_view> b,
                        std::size_t first, TIndex limit, std::vector<TLineMatch>& matches) {
    const TIndex n = TIndex(a.size());
    const TIndex m = TIndex(b.size());
    limit = std::min(limit, n + m);
    const TIndex offset = limit + 1;
    std::vector<TIndex> v(std::size_t(2 * limit + 3), 0);
    std::vector<std::vector<TIndex>> trace;
    const auto at = [&](std::vector<TIndex>& row, TIndex k) -> TIndex& {
        return row[std::size_t(k + offset)];
    };
    for (TIndex d = 0; d <= limit; ++d) {
        trace.push_back(v);
        for (TIndex k = -d; k <= d; k += 2) {
            TIndex x = (k == -d || (k != d && at(v, k - 1) < at(v, k + 1))) ? at(v, k + 1)
                                                                            : at(v, k - 1) + 1;
            TIndex y = x - k;
            while (x < n && y < m && a[std::size_t(x)] == b[std::size_t(y)]) {
                ++x;
                ++y;
            }
            at(v, k) = x;
            if (x < n || y < m) {
                continue;
            }
            // Found: walk back through the recorded steps, collecting the diagonals.
            std::vector<TLineMatch> found;
            TIndex bx = n;
            TIndex by = m;
            for (TIndex step = d; step >= 0; --step) {
                std::vector<TIndex>& row = trace[std::size_t(step)];
                const TIndex bk = bx - by;
                const TIndex previousK =
                    (bk == -step || (bk != step && at(row, bk - 1) < at(row, bk + 1))) ? bk + 1
                                                                                       : bk - 1;
                const TIndex previousX = at(row, previousK);
                const TIndex previousY = previousX - previousK;
                while (bx > previousX && by > previousY) {
                    --bx;
                    --by;
                    found.push_back({first + std::size_t(bx), first + std::size_t(by)});
                }
                bx = previousX;
                by = previousY;
            }
            matches.insert(matches.end(), found.rbegin(), found.rend());
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<TLineMatch> CommonLines(std::span<const std::string_view> oldLines,
                                    std::span<const std::string_view> newLines,
                                    std::size_t maxChanges) {
    std::vector<TLineMatch> matches;
    std::size_t start = 0;
    while (start < oldLines.size() && start < newLines.size() &&
           oldLines[start] == newLines[start]) {
        matches.push_back({start, start});
        ++start;
    }
    std::size_t oldEnd = oldLines.size();
    std::size_t newEnd = newLines.size();
    std::vector<TLineMatch> tail;
    while (oldEnd > start && newEnd > start && oldLines[oldEnd - 1] == newLines[newEnd - 1]) {
        --oldEnd;
        --newEnd;
        tail.push_back({oldEnd, newEnd});
    }
    if (oldEnd > start && newEnd > start) {
        AppendMyersMatches(oldLines.subspan(start, oldEnd - start),
                           newLines.subspan(start, newEnd - start), start, TIndex(maxChanges),
                           matches);
    }
    matches.insert(matches.end(), tail.rbegin(), tail.rend());
    return matches;
}

} // namespace kvx
