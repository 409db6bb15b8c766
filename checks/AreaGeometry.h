#pragma once
// The pixels of an area as the editor's hit test finds them, as far as the checks need them:
// bounds, whether any pixel lies in a box, and whether the area has any body at all.

#include "model/LinkArea.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace kvx {

// A box of pixels, bounds included; empty when Right < Left or Bottom < Top.
struct TPixelBox {
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::int64_t Right = -1;
    std::int64_t Bottom = -1;

    bool IsEmpty() const { return Right < Left || Bottom < Top; }
    bool Holds(std::int64_t x, std::int64_t y) const {
        return Left <= x && x <= Right && Top <= y && y <= Bottom;
    }
    bool Covers(const TPixelBox& other) const {
        return Left <= other.Left && other.Right <= Right && Top <= other.Top &&
               other.Bottom <= Bottom;
    }
    TPixelBox Intersection(const TPixelBox& other) const;
};

// One area with what the checks ask of it.
class TAreaShape {
public:
    explicit TAreaShape(const TLinkArea& area);

    std::uint8_t Kind() const { return FKind; }
    // Every body pixel lies in this box (for polygons: the box of the vertices).
    const TPixelBox& Bounds() const { return FBounds; }
    // The extent in coordinates as a browser measures it (x2 - x1, twice the radius, the
    // vertices' span), within clip.
    std::int64_t ExtentWidth(const TPixelBox& clip) const;
    std::int64_t ExtentHeight(const TPixelBox& clip) const;
    // No point can ever be hit: a rectangle without width or height, a circle with a radius
    // below 1, a polygon with fewer than three distinct vertices or all on one line.
    bool IsDegenerate() const { return FDegenerate; }
    bool Contains(std::int64_t x, std::int64_t y) const;
    // Whether some body pixel lies in box.
    bool HasPixelIn(const TPixelBox& box) const;
    // For a polygon: its runs on row y (see TPolygonLinkArea::RowSpans) into spans.
    void PolygonRowSpans(std::int64_t y,
                         std::vector<std::pair<std::int64_t, std::int64_t>>& spans) const;

private:
    const TLinkArea& FArea;
    std::uint8_t FKind = akNone;
    TPixelBox FBounds;
    bool FDegenerate = true;
};

} // namespace kvx
