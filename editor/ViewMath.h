#pragma once
// The arithmetic of the image view: how much of the image one direction shows at a zoom,
// how far a scroll bar may go, and where a view point lies on the image.

#include <QPoint>
#include <QSize>
#include <cstdint>
#include <vector>

namespace kvx {

// Rounds to the nearest integer, halves to the even neighbour (50.5 gives 50, 51.5 gives 52).
int RoundHalfEven(double value);
// Truncates towards zero (-0.75 gives 0).
int TruncTowardZero(double value);

// One direction of the view for an image length at a zoom in a viewport length.
struct TViewAxis {
    bool Scrolls = false; // the image does not fit: the scroll bar is needed
    int Visible = 0;      // image pixels shown
    int ViewLength = 0;   // window pixels the view takes
};

// The horizontal direction fits when viewport >= imageLength * zoom, compared as real numbers.
TViewAxis HorizontalViewAxis(int imageLength, int viewport, float zoom);
// The vertical direction fits when viewport >= Trunc(imageLength * zoom), compared as integers.
TViewAxis VerticalViewAxis(int imageLength, int viewport, float zoom);

// The bar's position brought back so that position + page never passes the image's end.
int ClampScrollPosition(int position, int imageLength, int page);

// Image coordinates of a view point: Trunc(X / zoom) + origin, real division, not clamped.
QPoint ViewToImagePoint(QPoint viewPoint, float zoom, QPoint origin);

// The largest zoom at which an image of imageSize fits the viewport in both directions (as
// HorizontalViewAxis and VerticalViewAxis decide); 1 for an empty image or viewport.
float FitZoom(QSize imageSize, QSize viewport);

// The zoom level of levels (ascending) next above (direction > 0) or below zoom; zoom itself
// when there is none.
float NextZoomLevel(const std::vector<int>& levels, float zoom, int direction);

} // namespace kvx
