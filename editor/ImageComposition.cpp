#include "editor/ImageComposition.h"

#include "editor/ViewCanvas.h"

#include <QPainter>
#include <algorithm>
#include <limits>

namespace kvx {

namespace {

// Records where an area draws instead of drawing: the box of every point it names.
class TExtentCanvas : public TCanvas {
public:
    void SetPenStyle(TPenStyle) override {}
    void SetPenWidth(int width) override { FPenWidth = std::max(FPenWidth, width); }
    void SetPenColor(TColor) override {}
    void SetPenMode(TPenMode) override {}
    void SetBrushStyle(TBrushStyle) override {}
    void SetBrushColor(TColor) override {}
    void Rectangle(int x1, int y1, int x2, int y2) override {
        Add(x1, y1);
        Add(x2, y2);
    }
    void Ellipse(int x1, int y1, int x2, int y2) override {
        Add(x1, y1);
        Add(x2, y2);
    }
    void MoveTo(int x, int y) override { Add(x, y); }
    void LineTo(int x, int y) override { Add(x, y); }
    void Handle(std::int64_t hx, std::int64_t hy) override { Add(hx, hy); }

    QRect ViewReach(const TViewPlacement& placement) const {
        if (FLeft > FRight) {
            return {};
        }
        return kvx::ViewReach(placement.Origin, placement.Scale, FLeft, FTop, FRight, FBottom,
                              FPenWidth);
    }

private:
    void Add(std::int64_t x, std::int64_t y) {
        FLeft = std::min(FLeft, x);
        FRight = std::max(FRight, x);
        FTop = std::min(FTop, y);
        FBottom = std::max(FBottom, y);
    }

    std::int64_t FLeft = std::numeric_limits<std::int64_t>::max();
    std::int64_t FTop = std::numeric_limits<std::int64_t>::max();
    std::int64_t FRight = std::numeric_limits<std::int64_t>::min();
    std::int64_t FBottom = std::numeric_limits<std::int64_t>::min();
    int FPenWidth = 1;
};

QRect Reach(const TLinkArea& area, bool selected, const TViewPlacement& placement) {
    TExtentCanvas extent;
    area.Draw(extent, selected);
    return extent.ViewReach(placement);
}

// The clean image under the view's pixels, within clip when it is given: the one drawing
// call, so that a part gets the very pixels the whole view gets.
void DrawImagePart(const QImage& source, QImage& view, const TViewPlacement& placement,
                   const QRect* clip) {
    QPainter painter(&view);
    if (clip != nullptr) {
        painter.setClipRect(*clip);
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (placement.Scale == 1.0) {
        painter.drawImage(QPoint(0, 0), source, QRect(placement.Origin, view.size()));
    } else {
        painter.drawImage(QRect(QPoint(0, 0), view.size()), source,
                          QRect(placement.Origin, placement.Visible));
    }
}

} // namespace

void ComposeView(const QImage& source, QImage& view, const TImageMap& map,
                 const TViewPlacement& placement) {
    if (view.isNull()) {
        return;
    }
    DrawImagePart(source, view, placement, nullptr);
    TViewCanvas canvas(view, source.size(), placement.Origin, placement.Scale);
    map.Draw(canvas);
}

void ComposeViewPart(const QImage& source, QImage& view, const TImageMap& map,
                     const TViewPlacement& placement, const QRect& part) {
    const QRect kept = part & view.rect();
    if (view.isNull() || kept.isEmpty()) {
        return;
    }
    DrawImagePart(source, view, placement, &kept);
    TViewCanvas canvas(view, source.size(), placement.Origin, placement.Scale);
    canvas.KeepTo(kept);
    const bool anySelected = map.HasSelection();
    const std::int32_t selectedId = map.SelectedId();
    // In list order, as the whole view draws them: later areas cover earlier ones.
    for (const TLinkAreaEntry& entry : map.Entries()) {
        const bool selected = anySelected && entry.Id == selectedId;
        if (Reach(*entry.Area, selected, placement).intersects(kept)) {
            entry.Area->Draw(canvas, selected);
        }
    }
}

QRect AreaViewReach(const TImageMap& map, std::int32_t id, const TViewPlacement& placement) {
    const std::ptrdiff_t index = map.IndexOf(id);
    if (index < 0) {
        return {};
    }
    const TLinkArea& area = *map.Entries()[static_cast<std::size_t>(index)].Area;
    return Reach(area, true, placement) | Reach(area, false, placement);
}

} // namespace kvx
