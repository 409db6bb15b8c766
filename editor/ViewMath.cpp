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

namespace kvx {

float FitZoom(QSize imageSize, QSize viewport) {
    if (imageSize.isEmpty() || viewport.isEmpty()) {
        return 1.0f;
    }
    const auto fits = [&](float zoom) {
        return static_cast<double>(imageSize.width()) * zoom <= viewport.width() &&
               static_cast<double>(imageSize.height()) * zoom <= viewport.height();
    };
    float zoom =
        static_cast<float>(std::fmin(static_cast<double>(viewport.width()) / imageSize.width(),
                                     static_cast<double>(viewport.height()) / imageSize.height()));
    // The float may round up past the exact ratio; step down until the image really fits.
    while (zoom > 0.0f && !fits(zoom)) {
        zoom = std::nextafter(zoom, 0.0f);
    }
    return zoom;
}

float NextZoomLevel(const std::vector<int>& levels, float zoom, int direction) {
    // Levels are compared in percent with a little slack, so 100 % is not "above" 1.0f.
    const double percent = static_cast<double>(zoom) * 100.0;
    constexpr double slack = 1e-3;
    if (direction > 0) {
        for (int level : levels) {
            if (level > percent + slack) {
                return static_cast<float>(level) / 100.0f;
            }
        }
    } else if (direction < 0) {
        for (auto it = levels.rbegin(); it != levels.rend(); ++it) {
            if (*it < percent - slack) {
                return static_cast<float>(*it) / 100.0f;
            }
        }
    }
    return zoom;
}

} // namespace kvx
