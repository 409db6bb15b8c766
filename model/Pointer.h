#pragma once
// Where the mouse pointer is, as the hit tests need it: the image pixel under it for the
// areas' bodies, and its place in the view for the handles, which keep their size on the
// screen at every zoom.

#include <cstdint>

namespace kvx {

// Half the side of a handle square in view pixels, and how far from a handle's centre, in
// view pixels in either direction, the pointer still catches it.
constexpr int HandleReach = 4;

// The view pixel that shows image coordinate c when the image is drawn at scale (view pixels
// per image pixel), counted from the view pixel that shows image coordinate origin: the one
// under the centre of image pixel c. At scale 1 it is c - origin.
std::int64_t ViewCoordinate(std::int64_t c, std::int64_t origin, double scale);

struct TPointer {
    // The image pixel under the pointer.
    int X = 0;
    int Y = 0;
    // View pixels per image pixel.
    double Scale = 1.0;
    // The view pixel under the pointer, counted as ViewCoordinate counts.
    std::int64_t ViewX = 0;
    std::int64_t ViewY = 0;
    // The image point whose view coordinates are counted from 0.
    std::int64_t OriginX = 0;
    std::int64_t OriginY = 0;

    // A pointer on image pixel (x, y) of a view at scale 1.
    static TPointer AtPixel(int x, int y) { return {x, y, 1.0, x, y, 0, 0}; }

    // Within HandleReach view pixels, in both directions, of the handle at image point
    // (hx, hy).
    bool Reaches(std::int64_t hx, std::int64_t hy) const;
    // The pointer in image coordinates with the fraction of the pixel it points into, the
    // pixel centres on whole numbers.
    double FineX() const;
    double FineY() const;
};

} // namespace kvx
