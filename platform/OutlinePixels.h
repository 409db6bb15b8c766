#pragma once
// The pixels of one-pixel-wide outlines, worked out by the canvas and handed to QPainter as
// one point list. QPainter strokes a dotted line or ellipse with a blend call per pixel, and
// in the not mode it passes span lists of 96 or more to its thread pool, which for single
// pixels costs far more than it saves; with 1,000 dotted areas that was most of a render.
// The points come in scan order (rows downwards, left to right within a row) wherever an
// outline allows it, since the raster engine blends a whole run of such points in one call.

#include <QPoint>

#include <cstdint>
#include <vector>

namespace kvx {

class TOutlinePixels {
public:
    // Only pixels inside [0, width) x [0, height) are collected.
    TOutlinePixels(int width, int height);

    // Every period-th pixel along an outline is kept: 1 for solid outlines, 3 for dotted ones.
    void SetPeriod(int period);

    // The pixels start, start + step, ... (count of them, step 1 or -1) on row or column
    // fixed; the first of them at position phase of the pattern.
    void AddRun(bool horizontal, std::int64_t fixed, std::int64_t start, int step,
                std::int64_t count, std::int64_t phase);
    // From (x0, y0) to (x1, y1): one pixel per column (per row when steep), the start drawn and
    // the end left out, the start at position phase of the pattern. Drawn backwards a line
    // covers the same pixels between its ends. Returns the number of its pixels, inside the
    // image or not, so that a polyline can continue the pattern.
    std::int64_t AddLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                         std::int64_t phase = 0);
    // The ellipse through the outermost pixels of [left, right) x [top, bottom), both sides
    // at least 2 pixels long and their product below 2^30; each pixel once, the pattern
    // starting at the top.
    void AddEllipse(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

    const std::vector<QPoint>& Points() const { return FPoints; }
    void Clear();

private:
    void Keep(std::int64_t x, std::int64_t y);
    // Puts the points from FChainStart on, a piece of outline running monotonically in x and
    // in y, in scan order.
    void FlushChain();

    int FWidth;
    int FHeight;
    int FPeriod = 1;
    std::vector<QPoint> FPoints;
    std::size_t FChainStart = 0;
    // One quarter of the current ellipse, in doubled coordinates from its centre.
    struct TOffset {
        std::int64_t X;
        std::int64_t Y;
    };
    std::vector<TOffset> FQuarter;
};

} // namespace kvx
