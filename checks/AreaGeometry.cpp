#include "checks/AreaGeometry.h"

#include "model/CircleLinkArea.h"
#include "model/PolygonLinkArea.h"
#include "model/RectangleLinkArea.h"

#include <algorithm>

namespace kvx {

namespace {

// Coordinates are 32-bit, so differences take 33 bits and their products 66.
__extension__ using TWide = __int128;

bool AllOnOneLine(const std::vector<TPolygonPoint>& points) {
    const TPolygonPoint& a = points.front();
    // The first vertex that differs from a fixes the line; every other vertex must lie on it.
    const auto b = std::find_if(points.begin(), points.end(),
                                [&](const TPolygonPoint& p) { return p.X != a.X || p.Y != a.Y; });
    if (b == points.end()) {
        return true;
    }
    const TWide dx = TWide{b->X} - a.X;
    const TWide dy = TWide{b->Y} - a.Y;
    return std::all_of(points.begin(), points.end(), [&](const TPolygonPoint& p) {
        return dx * (TWide{p.Y} - a.Y) == dy * (TWide{p.X} - a.X);
    });
}

std::size_t DistinctCount(std::vector<TPolygonPoint> points) {
    const auto key = [](const TPolygonPoint& p) { return std::pair(p.X, p.Y); };
    std::sort(points.begin(), points.end(),
              [&](const TPolygonPoint& l, const TPolygonPoint& r) { return key(l) < key(r); });
    return static_cast<std::size_t>(
        std::unique(
            points.begin(), points.end(),
            [&](const TPolygonPoint& l, const TPolygonPoint& r) { return key(l) == key(r); }) -
        points.begin());
}

} // namespace

TPixelBox TPixelBox::Intersection(const TPixelBox& other) const {
    return {std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
            std::min(Bottom, other.Bottom)};
}

TAreaShape::TAreaShape(const TLinkArea& area) : FArea(area) {
    if (const auto* rect = dynamic_cast<const TRectangleLinkArea*>(&area)) {
        FKind = akRectangle;
        FBounds = {std::min(rect->X1, rect->X2), std::min(rect->Y1, rect->Y2),
                   std::max(rect->X1, rect->X2), std::max(rect->Y1, rect->Y2)};
        FDegenerate = rect->X1 == rect->X2 || rect->Y1 == rect->Y2;
    } else if (const auto* circle = dynamic_cast<const TCircleLinkArea*>(&area)) {
        FKind = akCircle;
        const std::int64_t r = circle->Radius;
        FBounds = {circle->CenterX - r, circle->CenterY - r, circle->CenterX + r,
                   circle->CenterY + r};
        FDegenerate = circle->Radius < 1;
    } else if (const auto* polygon = dynamic_cast<const TPolygonLinkArea*>(&area)) {
        FKind = akPolygon;
        const std::vector<TPolygonPoint>& points = polygon->Points();
        if (!points.empty()) {
            const auto [minX, maxX] = std::minmax_element(
                points.begin(), points.end(), [](auto& l, auto& r) { return l.X < r.X; });
            const auto [minY, maxY] = std::minmax_element(
                points.begin(), points.end(), [](auto& l, auto& r) { return l.Y < r.Y; });
            FBounds = {minX->X, minY->Y, maxX->X, maxY->Y};
        }
        FDegenerate = points.size() < 3 || DistinctCount(points) < 3 || AllOnOneLine(points);
    }
}

std::int64_t TAreaShape::ExtentWidth(const TPixelBox& clip) const {
    const TPixelBox clipped = FBounds.Intersection(clip);
    return clipped.IsEmpty() ? 0 : clipped.Right - clipped.Left;
}

std::int64_t TAreaShape::ExtentHeight(const TPixelBox& clip) const {
    const TPixelBox clipped = FBounds.Intersection(clip);
    return clipped.IsEmpty() ? 0 : clipped.Bottom - clipped.Top;
}

bool TAreaShape::Contains(std::int64_t x, std::int64_t y) const {
    switch (FKind) {
    case akRectangle:
        return static_cast<const TRectangleLinkArea&>(FArea).Contains(x, y);
    case akCircle:
        return static_cast<const TCircleLinkArea&>(FArea).Contains(static_cast<int>(x),
                                                                   static_cast<int>(y));
    case akPolygon:
        return static_cast<const TPolygonLinkArea&>(FArea).Contains(static_cast<int>(x),
                                                                    static_cast<int>(y));
    default:
        return false;
    }
}

bool TAreaShape::HasPixelIn(const TPixelBox& box) const {
    const TPixelBox clipped = FBounds.Intersection(box);
    if (FDegenerate || clipped.IsEmpty()) {
        return false;
    }
    switch (FKind) {
    case akRectangle:
        return true;
    case akCircle: {
        // The pixel of clipped nearest to the centre is inside if any is.
        const std::int64_t cx = (FBounds.Left + FBounds.Right) / 2;
        const std::int64_t cy = (FBounds.Top + FBounds.Bottom) / 2;
        return Contains(std::clamp(cx, clipped.Left, clipped.Right),
                        std::clamp(cy, clipped.Top, clipped.Bottom));
    }
    default:
        std::vector<std::pair<std::int64_t, std::int64_t>> spans;
        for (std::int64_t y = clipped.Top; y <= clipped.Bottom; ++y) {
            PolygonRowSpans(y, spans);
            for (const auto& [left, right] : spans) {
                if (left <= clipped.Right && clipped.Left <= right) {
                    return true;
                }
            }
        }
        return false;
    }
}

void TAreaShape::PolygonRowSpans(std::int64_t y,
                                 std::vector<std::pair<std::int64_t, std::int64_t>>& spans) const {
    static_cast<const TPolygonLinkArea&>(FArea).RowSpans(static_cast<int>(y), spans);
}

} // namespace kvx
