#include "editor/ViewMath.h"

#include "model/Int32Arithmetic.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace kvx {

namespace {

// Clamps a real value into the int range before converting, so no conversion is undefined.
int SaturateToInt(double value) {
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::fmax(lowest, std::fmin(highest, value)));
}

TViewAxis ScrollingAxis(int viewport, float zoom) {
    TViewAxis axis;
    axis.Scrolls = true;
    axis.Visible = TruncTowardZero(static_cast<double>(viewport) / static_cast<double>(zoom));
    axis.ViewLength = RoundHalfEven(static_cast<double>(axis.Visible) * static_cast<double>(zoom));
    return axis;
}

TViewAxis FittingAxis(int imageLength, float zoom) {
    TViewAxis axis;
    axis.Visible = imageLength;
    axis.ViewLength = RoundHalfEven(static_cast<double>(imageLength) * static_cast<double>(zoom));
    return axis;
}

} // namespace

int RoundHalfEven(double value) {
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(oldMode);
    return SaturateToInt(rounded);
}

int TruncTowardZero(double value) {
    return SaturateToInt(std::trunc(value));
}

TViewAxis HorizontalViewAxis(int imageLength, int viewport, float zoom) {
    const double needed = static_cast<double>(imageLength) * static_cast<double>(zoom);
    if (static_cast<double>(viewport) >= needed) {
        return FittingAxis(imageLength, zoom);
    }
    return ScrollingAxis(viewport, zoom);
}

TViewAxis VerticalViewAxis(int imageLength, int viewport, float zoom) {
    const double needed = static_cast<double>(imageLength) * static_cast<double>(zoom);
    if (viewport >= TruncTowardZero(needed)) {
        return FittingAxis(imageLength, zoom);
    }
    return ScrollingAxis(viewport, zoom);
}

int ClampScrollPosition(int position, int imageLength, int page) {
    // With the range 0 .. imageLength - 1 and a page of `page` pixels, the position may not
    // pass imageLength - page, so the view never reaches beyond the image.
    const std::int64_t limit = static_cast<std::int64_t>(imageLength) - page;
    if (position > limit) {
        return static_cast<int>(limit);
    }
    return position;
}

QPoint ViewToImagePoint(QPoint viewPoint, float zoom, QPoint origin) {
    const int x = TruncTowardZero(static_cast<double>(viewPoint.x()) / static_cast<double>(zoom));
    const int y = TruncTowardZero(static_cast<double>(viewPoint.y()) / static_cast<double>(zoom));
    return {Wrap32(static_cast<std::int64_t>(x) + origin.x()),
            Wrap32(static_cast<std::int64_t>(y) + origin.y())};
}

} // namespace kvx
