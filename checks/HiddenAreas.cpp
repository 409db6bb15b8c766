#include "checks/HiddenAreas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <unordered_map>

namespace kvx {

namespace {

struct TSpan {
    std::int64_t Left;
    std::int64_t Right; // included
};

// The pixels of one row held by earlier areas, as disjoint spans keyed by their left end.
class TRowCover {
public:
    bool Covers(const TSpan& span) const {
        auto next = FSpans.upper_bound(span.Left);
        if (next == FSpans.begin()) {
            return false;
        }
        --next;
        return next->second >= span.Right;
    }

    void Add(TSpan span) {
        // Merge with every span that overlaps or touches the new one.
        auto it = FSpans.upper_bound(span.Left);
        if (it != FSpans.begin() && std::prev(it)->second + 1 >= span.Left) {
            --it;
        }
        while (it != FSpans.end() && it->first <= span.Right + 1) {
            span.Left = std::min(span.Left, it->first);
            span.Right = std::max(span.Right, it->second);
            it = FSpans.erase(it);
        }
        FSpans.emplace(span.Left, span.Right);
    }

private:
    std::map<std::int64_t, std::int64_t> FSpans;
};

// Largest d >= 0 with d * d <= value.
std::int64_t IntegerSqrt(std::uint64_t value) {
    auto d = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(value)));
    __extension__ using TWide = unsigned __int128;
    while (TWide{d} * d > value) {
        --d;
    }
    while (TWide{d + 1} * (d + 1) <= value) {
        ++d;
    }
    return static_cast<std::int64_t>(d);
}

struct TRowSpan {
    std::int64_t Y;
    TSpan Span;
};

// Appends the spans of shape on row y within clipped (a box inside the image), left to right.
void AddRowSpans(const TAreaShape& shape, std::int64_t y, const TPixelBox& clipped,
                 std::vector<std::pair<std::int64_t, std::int64_t>>& scratch,
                 std::vector<TRowSpan>& spans) {
    switch (shape.Kind()) {
    case akRectangle:
        spans.push_back({y, {clipped.Left, clipped.Right}});
        return;
    case akCircle: {
        // Inside exactly when dx² + dy² < (r + 1)², as the circle's own hit test decides.
        const std::int64_t cx = (shape.Bounds().Left + shape.Bounds().Right) / 2;
        const std::int64_t cy = (shape.Bounds().Top + shape.Bounds().Bottom) / 2;
        const std::uint64_t limit = static_cast<std::uint64_t>(cx - shape.Bounds().Left) + 1;
        const std::uint64_t dy = static_cast<std::uint64_t>(std::llabs(y - cy));
        if (dy >= limit) {
            return;
        }
        const std::int64_t d = IntegerSqrt(limit * limit - dy * dy - 1);
        const TSpan span{std::max(cx - d, clipped.Left), std::min(cx + d, clipped.Right)};
        if (span.Left <= span.Right) {
            spans.push_back({y, span});
        }
        return;
    }
    default:
        shape.PolygonRowSpans(y, scratch);
        for (const auto& [left, right] : scratch) {
            const TSpan span{std::max(left, clipped.Left), std::min(right, clipped.Right)};
            if (span.Left <= span.Right) {
                spans.push_back({y, span});
            }
        }
        return;
    }
}

} // namespace

std::vector<TAreaReach> ClassifyAreas(const std::vector<TAreaShape>& shapes,
                                      const TPixelBox& image) {
    std::vector<TAreaReach> reach(shapes.size(), TAreaReach::OutsideImage);
    std::unordered_map<std::int64_t, TRowCover> rows;
    std::vector<std::pair<std::int64_t, std::int64_t>> scratch;
    std::vector<TRowSpan> spans;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const TAreaShape& shape = shapes[i];
        const TPixelBox clipped = shape.Bounds().Intersection(image);
        if (shape.IsDegenerate() || clipped.IsEmpty()) {
            continue;
        }
        spans.clear();
        for (std::int64_t y = clipped.Top; y <= clipped.Bottom; ++y) {
            AddRowSpans(shape, y, clipped, scratch, spans);
        }
        if (spans.empty()) {
            continue;
        }
        const bool covered = std::all_of(spans.begin(), spans.end(), [&](const TRowSpan& s) {
            const auto row = rows.find(s.Y);
            return row != rows.end() && row->second.Covers(s.Span);
        });
        reach[i] = covered ? TAreaReach::Hidden : TAreaReach::Clickable;
        if (!covered) {
            for (const TRowSpan& s : spans) {
                rows[s.Y].Add(s.Span);
            }
        }
    }
    return reach;
}

} // namespace kvx
