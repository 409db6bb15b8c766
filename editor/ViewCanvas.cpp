#include "editor/ViewCanvas.h"

#include "model/Pointer.h"

#include <algorithm>
#include <cmath>

namespace kvx {

namespace {

// The view pixel where the edge before image pixel c falls.
std::int64_t ViewEdge(std::int64_t c, std::int64_t origin, double scale) {
    return static_cast<std::int64_t>(std::floor(static_cast<double>(c - origin) * scale));
}

TQtCanvas::TPictureBox ImageInView(QSize imageSize, QPoint origin, double scale) {
    return {ViewEdge(0, origin.x(), scale), ViewEdge(0, origin.y(), scale),
            ViewEdge(imageSize.width(), origin.x(), scale),
            ViewEdge(imageSize.height(), origin.y(), scale)};
}

} // namespace

TViewCanvas::TViewCanvas(QImage& view, QSize imageSize, QPoint origin, double scale)
    : FOrigin(origin), FScale(scale), FTarget(view, ImageInView(imageSize, origin, scale)) {}

std::int64_t TViewCanvas::ViewX(std::int64_t x) const {
    return ViewCoordinate(x, FOrigin.x(), FScale);
}

std::int64_t TViewCanvas::ViewY(std::int64_t y) const {
    return ViewCoordinate(y, FOrigin.y(), FScale);
}

TViewCanvas::TViewBox TViewCanvas::ViewBox(int x1, int y1, int x2, int y2) const {
    // Normalised first, as the canvas draws an inside-out box; an empty one stays empty.
    const auto side = [](std::int64_t a, std::int64_t b, auto view) {
        const std::int64_t low = std::min(a, b);
        const std::int64_t high = std::max(a, b);
        const std::int64_t first = view(low);
        return std::pair{first, low == high ? first : view(high - 1) + 1};
    };
    const auto [left, right] = side(x1, x2, [this](std::int64_t x) { return ViewX(x); });
    const auto [top, bottom] = side(y1, y2, [this](std::int64_t y) { return ViewY(y); });
    return {left, top, right, bottom};
}

void TViewCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const TViewBox box = ViewBox(x1, y1, x2, y2);
    FTarget.Rectangle64(box.X1, box.Y1, box.X2, box.Y2);
}

void TViewCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const TViewBox box = ViewBox(x1, y1, x2, y2);
    FTarget.Ellipse64(box.X1, box.Y1, box.X2, box.Y2);
}

void TViewCanvas::MoveTo(int x, int y) {
    FTarget.MoveTo64(ViewX(x), ViewY(y));
}

void TViewCanvas::LineTo(int x, int y) {
    FTarget.LineTo64(ViewX(x), ViewY(y));
}

void TViewCanvas::Handle(std::int64_t hx, std::int64_t hy) {
    const std::int64_t x = ViewX(hx);
    const std::int64_t y = ViewY(hy);
    FTarget.Rectangle64(x - HandleReach, y - HandleReach, x + HandleReach, y + HandleReach);
}

QRect ViewReach(QPoint origin, double scale, std::int64_t left, std::int64_t top,
                std::int64_t right, std::int64_t bottom, int penWidth) {
    // Handles reach HandleReach beyond their centre, a wide pen half its width beyond the line;
    // one more pixel covers the rounding of box ends to pixel centres.
    const std::int64_t margin = HandleReach + std::max(1, penWidth) + 1;
    const auto inRange = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, -(1 << 30), 1 << 30));
    };
    return QRect(QPoint(inRange(ViewEdge(left, origin.x(), scale) - margin),
                        inRange(ViewEdge(top, origin.y(), scale) - margin)),
                 QPoint(inRange(ViewEdge(right + 1, origin.x(), scale) + margin),
                        inRange(ViewEdge(bottom + 1, origin.y(), scale) + margin)));
}

} // namespace kvx
