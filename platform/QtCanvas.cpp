#include "platform/QtCanvas.h"

#include "platform/EllipseClipping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace kvx {

namespace {

// One pixel on and two off, as Qt::DotLine at width 1 (which wider dotted pens use): a line
// that clearly reads as dotted, and distinct from the solid outline of the selected area.
// The rectangle outline continues this pattern around its corners.
constexpr int DotPeriod = 3;

// Points per drawPoints call: below 96, where Qt's raster engine starts to share the blending
// of a span list out to its thread pool, which for single pixels costs far more than it saves.
constexpr std::size_t PointBatch = 80;

// Lines are cut back to this distance around the image before QPainter sees them, far
// enough that the clipped ends change the slope of the visible part by no visible amount.
constexpr double FarMargin = 1 << 22;

// Large ellipses are drawn as chords at most this far from the true curve.
constexpr double EllipseTolerance = 0.125;

// [left, right) x [top, bottom) within the image; empty when nothing of it is inside.
QRect ImagePart(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                int width, int height) {
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, width);
    bottom = std::min<std::int64_t>(bottom, height);
    if (left >= right || top >= bottom) {
        return {};
    }
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

// Liang-Barsky: shortens the segment to the part within box; false when none is left.
bool ClipSegment(QPointF& p0, QPointF& p1, const QRectF& box) {
    const double dx = p1.x() - p0.x();
    const double dy = p1.y() - p0.y();
    double enter = 0;
    double leave = 1;
    const double directions[4] = {-dx, dx, -dy, dy};
    const double distances[4] = {p0.x() - box.left(), box.right() - p0.x(), p0.y() - box.top(),
                                 box.bottom() - p0.y()};
    for (int i = 0; i < 4; ++i) {
        if (directions[i] == 0) {
            if (distances[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = distances[i] / directions[i];
        if (directions[i] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) {
        return false;
    }
    const QPointF start = p0;
    p0 = start + QPointF(dx, dy) * enter;
    p1 = start + QPointF(dx, dy) * leave;
    return true;
}

} // namespace

TQtCanvas::TQtCanvas(QImage& image) : TQtCanvas(image, 0, image.height()) {}

TQtCanvas::TQtCanvas(QImage& band, int bandTop, int imageHeight)
    : TQtCanvas(band, TPictureBox{0, -std::int64_t{bandTop}, band.width(),
                                  std::int64_t{imageHeight} - bandTop}) {
    FBandTop = bandTop;
}

TQtCanvas::TQtCanvas(QImage& target, const TPictureBox& picture)
    : FPainter(&target), FWidth(target.width()), FHeight(target.height()), FPicture(picture),
      FOutline(target.width(), target.height()) {
    // A null image gives an inactive painter; every drawing call then does nothing.
    if (FPainter.isActive()) {
        FPainter.setRenderHint(QPainter::Antialiasing, false);
    }
}

void TQtCanvas::KeepTo(const QRect& part) {
    FKept = part;
    if (FPainter.isActive()) {
        FPainter.setClipRect(part);
    }
}

void TQtCanvas::SetPenStyle(TPenStyle style) {
    FPenDirty = FPenDirty || style != FPenStyle;
    FPenStyle = style;
}

void TQtCanvas::SetPenWidth(int width) {
    FPenDirty = FPenDirty || width != FPenWidth;
    FPenWidth = width;
}

void TQtCanvas::SetPenColor(TColor color) {
    FPenDirty = FPenDirty || color != FPenColor;
    FPenColor = color;
}

void TQtCanvas::SetPenMode(TPenMode mode) {
    if (mode != FPenMode && FPainter.isActive()) {
        // The mode covers pen and brush alike, as the raster operation of a device context.
        FPainter.setCompositionMode(mode == TPenMode::pmNot ? QPainter::RasterOp_NotDestination
                                                            : QPainter::CompositionMode_SourceOver);
    }
    FPenMode = mode;
}

void TQtCanvas::SetBrushStyle(TBrushStyle style) {
    FBrushDirty = FBrushDirty || style != FBrushStyle;
    FBrushStyle = style;
}

void TQtCanvas::SetBrushColor(TColor color) {
    FBrushDirty = FBrushDirty || color != FBrushColor;
    FBrushColor = color;
}

void TQtCanvas::ApplyPen() {
    if (!FPenDirty) {
        return;
    }
    FPenQColor = ColorFromCode(FPenColor);
    // Width 0 is the thinnest pen.
    const int width = std::max(FPenWidth, 1);
    FLinePen = QPen(FPenQColor, width, FPenStyle == TPenStyle::psDot ? Qt::DotLine : Qt::SolidLine,
                    Qt::FlatCap, Qt::MiterJoin);
    FPointPen = QPen(FPenQColor, 1);
    FOutline.SetPeriod(FPenStyle == TPenStyle::psDot ? DotPeriod : 1);
    FActivePen = nullptr;
    FPenDirty = false;
}

void TQtCanvas::ApplyBrush() {
    if (!FBrushDirty) {
        return;
    }
    FBrushQColor = ColorFromCode(FBrushColor);
    FPainter.setBrush(FBrushStyle == TBrushStyle::bsSolid ? QBrush(FBrushQColor)
                                                          : QBrush(Qt::NoBrush));
    FBrushDirty = false;
}

void TQtCanvas::UsePen(const QPen& pen) {
    if (&pen != FActivePen) {
        FPainter.setPen(pen);
        FActivePen = &pen;
    }
}

void TQtCanvas::DrawOutline() {
    const std::vector<QPoint>& points = FOutline.Points();
    if (points.empty()) {
        return;
    }
    UsePen(FPointPen);
    for (std::size_t done = 0; done < points.size(); done += PointBatch) {
        FPainter.drawPoints(points.data() + done,
                            static_cast<int>(std::min(PointBatch, points.size() - done)));
    }
    FOutline.Clear();
}

void TQtCanvas::DrawRun(TAxis axis, std::int64_t fixed, std::int64_t start, int step,
                        std::int64_t count, std::int64_t phase) {
    if (FPenStyle == TPenStyle::psDot) {
        FOutline.AddRun(axis == TAxis::Horizontal, fixed, start, step, count, phase);
        return;
    }
    if (count <= 0) {
        return;
    }
    const std::int64_t low = step > 0 ? start : start - (count - 1);
    const QRect run = axis == TAxis::Horizontal
                          ? ImagePart(low, fixed, low + count, fixed + 1, FWidth, FHeight)
                          : ImagePart(fixed, low, fixed + 1, low + count, FWidth, FHeight);
    if (!run.isEmpty()) {
        FPainter.fillRect(run, FPenQColor);
    }
}

std::optional<TQtCanvas::TBox> TQtCanvas::DrawableBox(std::int64_t x1, std::int64_t y1,
                                                      std::int64_t x2, std::int64_t y2) const {
    y1 -= FBandTop;
    y2 -= FBandTop;
    const TBox box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    // An empty box draws nothing; an inside-out one is drawn normalised.
    if (!FPainter.isActive() || box.Left == box.Right || box.Top == box.Bottom || box.Right <= 0 ||
        box.Bottom <= 0 || box.Left >= FWidth || box.Top >= FHeight) {
        return std::nullopt;
    }
    return box;
}

void TQtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Rectangle64(x1, y1, x2, y2);
}

void TQtCanvas::Rectangle64(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    const std::optional<TBox> box = DrawableBox(x1, y1, x2, y2);
    if (!box) {
        return;
    }
    ApplyPen();
    ApplyBrush();
    const auto [left, top, right, bottom] = *box;
    const std::int64_t width = right - left;
    const std::int64_t height = bottom - top;
    // The filling covers the inside only, so that with the not mode no pixel is inverted twice.
    if (FBrushStyle == TBrushStyle::bsSolid && width > 2 && height > 2) {
        const QRect inside = ImagePart(left + 1, top + 1, right - 1, bottom - 1, FWidth, FHeight);
        if (!inside.isEmpty()) {
            FPainter.fillRect(inside, FBrushQColor);
        }
    }
    if (FPenWidth > 1) {
        DrawWideRectangle(*box);
        return;
    }
    // Clockwise from the top-left corner, each pixel once.
    DrawRun(TAxis::Horizontal, top, left, 1, width, 0);
    DrawRun(TAxis::Vertical, right - 1, top + 1, 1, height - 1, width);
    if (height > 1) {
        DrawRun(TAxis::Horizontal, bottom - 1, right - 2, -1, width - 1, width + height - 1);
    }
    if (width > 1) {
        DrawRun(TAxis::Vertical, left, bottom - 2, -1, height - 2, 2 * width + height - 2);
    }
    DrawOutline();
}

void TQtCanvas::DrawWideRectangle(const TBox& box) {
    // Edges far outside stay outside when moved to just beyond the pen's reach.
    const std::int64_t margin = FPenWidth + 2;
    const auto clampX = [&](std::int64_t x) { return std::clamp(x, -margin, FWidth + margin); };
    const auto clampY = [&](std::int64_t y) { return std::clamp(y, -margin, FHeight + margin); };
    const auto l = static_cast<int>(clampX(box.Left));
    const auto t = static_cast<int>(clampY(box.Top));
    const auto r = static_cast<int>(clampX(box.Right));
    const auto b = static_cast<int>(clampY(box.Bottom));
    UsePen(FLinePen);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawRect(QRect(l, t, r - l - 1, b - t - 1));
    FBrushDirty = true;
}

void TQtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Ellipse64(x1, y1, x2, y2);
}

void TQtCanvas::Ellipse64(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    const std::optional<TBox> box = DrawableBox(x1, y1, x2, y2);
    if (!box) {
        return;
    }
    ApplyPen();
    ApplyBrush();
    const auto [left, top, right, bottom] = *box;
    const std::int64_t width = right - left;
    const std::int64_t height = bottom - top;
    if (width == 1 || height == 1) {
        // Flattened to a line of its box.
        if (width == 1) {
            DrawRun(TAxis::Vertical, left, top, 1, height, 0);
        } else {
            DrawRun(TAxis::Horizontal, top, left, 1, width, 0);
        }
        DrawOutline();
        return;
    }
    // An outline is walked (or flattened by QPainter) over its whole length, so only ellipses
    // that are small or lie within the image are drawn whole; of the others only the arcs
    // crossing the image are drawn. The box's right and bottom lines run through the last
    // pixels.
    const bool inside = left >= FPicture.Left && top >= FPicture.Top && right <= FPicture.Right &&
                        bottom <= FPicture.Bottom;
    if (!inside && (width > DirectEllipseLimit || height > DirectEllipseLimit)) {
        DrawLargeEllipse(QRectF(static_cast<double>(left), static_cast<double>(top),
                                static_cast<double>(width - 1), static_cast<double>(height - 1)));
        return;
    }
    if (FPenWidth <= 1 && FBrushStyle == TBrushStyle::bsClear) {
        FOutline.AddEllipse(left, top, right, bottom);
        DrawOutline();
        return;
    }
    // Filled or wide: circles keep to their box; for boxes far from square QPainter may reach
    // one pixel beyond the left and right sides.
    UsePen(FLinePen);
    FPainter.drawEllipse(QRect(static_cast<int>(left), static_cast<int>(top),
                               static_cast<int>(width - 1), static_cast<int>(height - 1)));
}

void TQtCanvas::DrawLargeEllipse(const QRectF& bounds) {
    // Cut to the whole picture, not to the part on this target, so that every part sees the
    // same arcs.
    const QRectF clip(static_cast<double>(FPicture.Left - 2), static_cast<double>(FPicture.Top - 2),
                      static_cast<double>(FPicture.Right - FPicture.Left + 4),
                      static_cast<double>(FPicture.Bottom - FPicture.Top + 4));
    const TEllipseClipping clipping(bounds, clip, EllipseTolerance);
    if (FBrushStyle == TBrushStyle::bsSolid) {
        const QPolygonF area = clipping.ClippedArea();
        if (!area.isEmpty()) {
            FPainter.setPen(Qt::NoPen);
            FActivePen = nullptr;
            FPainter.drawPolygon(area);
        }
    }
    // Every arc ends beyond the image, so the end point each chord leaves out is never seen.
    for (const QPolygonF& arc : clipping.VisibleArcs()) {
        if (FPenWidth > 1) {
            UsePen(FLinePen);
            FPainter.drawPolyline(arc);
            continue;
        }
        // The chords' ends on whole pixels, the dot pattern running on along the arc.
        std::int64_t phase = 0;
        for (qsizetype i = 1; i < arc.size(); ++i) {
            phase += FOutline.AddLine(std::llround(arc[i - 1].x()), std::llround(arc[i - 1].y()),
                                      std::llround(arc[i].x()), std::llround(arc[i].y()), phase);
        }
        DrawOutline();
    }
}

void TQtCanvas::MoveTo(int x, int y) {
    MoveTo64(x, y);
}

void TQtCanvas::MoveTo64(std::int64_t x, std::int64_t y) {
    FX = x;
    FY = y - FBandTop;
}

void TQtCanvas::LineTo(int x, int y) {
    LineTo64(x, y);
}

void TQtCanvas::LineTo64(std::int64_t x, std::int64_t y) {
    if (FPainter.isActive()) {
        if (FPenWidth > 1) {
            DrawSegment(FX, FY, x, y - FBandTop);
        } else {
            ApplyPen();
            FOutline.AddLine(FX, FY, x, y - FBandTop);
            DrawOutline();
        }
    }
    FX = x;
    FY = y - FBandTop;
}

void TQtCanvas::DrawSegment(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    if ((x0 == x1 && y0 == y1) || std::max(x0, x1) < 0 || std::max(y0, y1) < 0 ||
        std::min(x0, x1) >= FWidth || std::min(y0, y1) >= FHeight) {
        return;
    }
    QPointF start(static_cast<double>(x0), static_cast<double>(y0));
    QPointF end(static_cast<double>(x1), static_cast<double>(y1));
    const QRectF farBox(-FarMargin, -FarMargin, FWidth + 2 * FarMargin, FHeight + 2 * FarMargin);
    if (!ClipSegment(start, end, farBox)) {
        return;
    }
    ApplyPen();
    UsePen(FLinePen);
    // QPainter draws one pixel per column (per row for steep lines), includes the end with
    // the smaller such coordinate and leaves out the other, whatever the direction.
    const bool xMajor = std::llabs(x1 - x0) >= std::llabs(y1 - y0);
    const bool forward = xMajor ? x1 > x0 : y1 > y0;
    if (forward) {
        FPainter.drawLine(QLineF(start, end));
        return;
    }
    // Drawn backwards the start would be left out and the end drawn. The same line continued
    // beyond the start and cut to the columns from the one after the end up to the start's
    // gives exactly the pixels from the start to just before the end.
    const QRect keep = xMajor ? ImagePart(x1 + 1, 0, x0 + 1, FHeight, FWidth, FHeight)
                              : ImagePart(0, y1 + 1, FWidth, y0 + 1, FWidth, FHeight);
    if (keep.isEmpty()) {
        return;
    }
    FPainter.setClipRect(FKept ? keep & *FKept : keep);
    FPainter.drawLine(QLineF(end, start + (start - end)));
    if (FKept) {
        FPainter.setClipRect(*FKept);
    } else {
        FPainter.setClipping(false);
    }
}

} // namespace kvx
