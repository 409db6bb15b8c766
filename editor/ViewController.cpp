#include "editor/ViewController.h"

#include "editor/DisplayView.h"
#include "editor/FocusControl.h"
#include "editor/ImageComposition.h"
#include "editor/MainMenu.h"
#include "editor/ViewMath.h"
#include "images/ImageBitmap.h"

#include <QActionGroup>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace kvx {

namespace {

// The large step (half the visible size) differs from the page size, which Qt also uses as
// its large step; the bar keeps it in this property.
constexpr const char* LargeStepProperty = "kvxLargeStep";

void ConfigureScrollingBar(QScrollBar& bar, int imageLength, int visible) {
    // Page first, then the range that fits the page, so that Qt never holds a page larger
    // than the range or a position outside it; Qt clamps the position into the new range.
    const QSignalBlocker blocker(bar);
    bar.setPageStep(visible);
    bar.setRange(0, imageLength - visible);
    bar.setSingleStep(1);
    bar.setProperty(LargeStepProperty, visible / 2);
    bar.setEnabled(true);
}

void InstallLargeStep(QScrollBar& bar) {
    // Qt has already moved the slider by its page step when it reports the action; the
    // value still holds the position before it, which is where the large step starts.
    QObject::connect(&bar, &QAbstractSlider::actionTriggered, &bar, [&bar](int action) {
        int direction = 0;
        if (action == QAbstractSlider::SliderPageStepAdd) {
            direction = 1;
        } else if (action == QAbstractSlider::SliderPageStepSub) {
            direction = -1;
        } else {
            return;
        }
        const std::int64_t largeStep = bar.property(LargeStepProperty).toInt();
        const std::int64_t target = bar.value() + direction * largeStep;
        bar.setSliderPosition(
            static_cast<int>(std::clamp<std::int64_t>(target, bar.minimum(), bar.maximum())));
    });
}

} // namespace

TViewController::TViewController(const TEditorContext& context, const TViewWidgets& widgets,
                                 QObject* parent)
    : QObject(parent), FContext(context), FWidgets(widgets) {
    InstallLargeStep(*FWidgets.Horizontal);
    InstallLargeStep(*FWidgets.Vertical);
    connect(FWidgets.Horizontal, &QScrollBar::valueChanged, this,
            [this] { scbHorizontalChange(); });
    connect(FWidgets.Vertical, &QScrollBar::valueChanged, this, [this] { scbVerticalChange(); });
    connect(FWidgets.Display, &TDisplayView::Painting, this, [this] { pbxDisplayPaint(); });
    FWidgets.Display->installEventFilter(this);
    for (QActionGroup* group : {FWidgets.Menu->grpZoomItems, FWidgets.Menu->grpZoomPopup}) {
        for (QAction* item : group->actions()) {
            connect(item, &QAction::triggered, this, [this, item] { mniZoom100Click(item); });
        }
    }
    connect(FWidgets.Menu->tbtZoom, &QToolButton::clicked, this, [this] { tbtZoomClick(); });
    connect(FWidgets.Menu->mniZoomFit, &QAction::triggered, this, [this] { mniZoomFitClick(); });
}

bool TViewController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FWidgets.Display && event->type() == QEvent::Wheel) {
        pbxDisplayMouseWheel(static_cast<const QWheelEvent&>(*event));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TViewController::pbxDisplayMouseWheel(const QWheelEvent& wheel) {
    if (wheel.modifiers() & Qt::ControlModifier) {
        const int delta = wheel.angleDelta().y();
        if (!FContext.Document.CurrentMap || delta == 0) {
            return;
        }
        std::vector<int> levels;
        for (QAction* item : FWidgets.Menu->grpZoomItems->actions()) {
            levels.push_back(ActionTag(item));
        }
        std::sort(levels.begin(), levels.end());
        const float zoom = FContext.State.ZoomFactor;
        const float next = NextZoomLevel(levels, zoom, delta > 0 ? 1 : -1);
        if (next != zoom) {
            ApplyZoom(next, true, wheel.position());
        }
        return;
    }
    // One notch moves an eighth of the visible part, at least one image pixel.
    const QPoint angle = wheel.angleDelta();
    const bool sideways = angle.x() != 0 || (wheel.modifiers() & Qt::ShiftModifier);
    const int delta = angle.x() != 0 ? angle.x() : angle.y();
    QScrollBar* bar = sideways ? FWidgets.Horizontal : FWidgets.Vertical;
    const QSize visible = FContext.State.VisibleImageSize;
    const std::int64_t step = std::max(1, (sideways ? visible.width() : visible.height()) / 8);
    if (!bar->isEnabled() || delta == 0) {
        return;
    }
    const std::int64_t target = bar->value() - delta * step / 120;
    bar->setValue(
        static_cast<int>(std::clamp<std::int64_t>(target, bar->minimum(), bar->maximum())));
}

void TViewController::AdjustView() {
    TMapDocument& document = FContext.Document;
    if (!document.CurrentMap || !document.HasImage()) {
        return;
    }
    TEditorState& state = FContext.State;
    FViewStale = true;
    const int width = document.SourceBitmap.width();
    const int height = document.SourceBitmap.height();
    const TViewAxis horizontal =
        HorizontalViewAxis(width, state.ViewportSize.width(), state.ZoomFactor);
    const TViewAxis vertical =
        VerticalViewAxis(height, state.ViewportSize.height(), state.ZoomFactor);
    // Both directions are sized before either bar moves, so a render started by a bar's
    // change handler already sees the final view.
    FWidgets.Display->resize(horizontal.ViewLength, vertical.ViewLength);
    state.VisibleImageSize = QSize(horizontal.Visible, vertical.Visible);

    const struct {
        bool Horizontal;
        TViewAxis Axis;
        int ImageLength;
    } directions[] = {{true, horizontal, width}, {false, vertical, height}};
    for (const auto& direction : directions) {
        QScrollBar* bar = ScrollBar(direction.Horizontal);
        if (!direction.Axis.Scrolls) {
            bar->setValue(0); // runs the change handler when the position moves
            bar->setEnabled(false);
            continue;
        }
        ConfigureScrollingBar(*bar, direction.ImageLength, direction.Axis.Visible);
        ScrollBarChanged(direction.Horizontal);
    }
    FWidgets.Display->update();
}

void TViewController::ResetView() {
    FWidgets.Display->resize(0, 0);
    FWidgets.Display->BackBuffer() = QImage();
    // Every new map starts at the image's top-left corner.
    for (QScrollBar* bar : {FWidgets.Horizontal, FWidgets.Vertical}) {
        const QSignalBlocker blocker(bar);
        bar->setValue(0);
        bar->setEnabled(false);
    }
}

void TViewController::RenderView() {
    if (!FContext.Document.CurrentMap || !FContext.Document.HasImage()) {
        return;
    }
    ComposeView();
    FWidgets.Display->update();
}

TViewPlacement TViewController::Placement() const {
    const TEditorState& state = FContext.State;
    return {state.ViewOrigin, state.VisibleImageSize, static_cast<double>(state.ZoomFactor)};
}

void TViewController::ComposeView() {
    const TMapDocument& document = FContext.Document;
    QImage& view = FWidgets.Display->BackBuffer();
    const QSize viewSize = FWidgets.Display->size();
    FComposedMap = nullptr;
    if (view.size() != viewSize || view.format() != QImage::Format_RGB32) {
        QImage fresh = NewRgb32Bitmap(viewSize.width(), viewSize.height());
        if (fresh.isNull() && !viewSize.isEmpty()) {
            return; // no memory for it: the view keeps what it showed
        }
        view = std::move(fresh);
    }
    FViewStale = false;
    if (viewSize.isEmpty()) {
        return;
    }
    const TImageMap& map = *document.CurrentMap;
    FComposedPlacement = Placement();
    kvx::ComposeView(document.SourceBitmap, view, map, FComposedPlacement);
    FComposedMap = &map;
    FComposedSelection = map.HasSelection() ? map.SelectedId() : 0;
}

void TViewController::RenderSelection() {
    const TMapDocument& document = FContext.Document;
    if (!document.CurrentMap || !document.HasImage()) {
        return;
    }
    const TImageMap& map = *document.CurrentMap;
    const TViewPlacement placement = Placement();
    QImage& view = FWidgets.Display->BackBuffer();
    const bool sameView = !FViewStale && FComposedMap == &map &&
                          view.size() == FWidgets.Display->size() &&
                          placement == FComposedPlacement;
    if (!sameView) {
        RenderView();
        return;
    }
    const std::int32_t selected = map.HasSelection() ? map.SelectedId() : 0;
    const QRect part = (AreaViewReach(map, FComposedSelection, placement) |
                        AreaViewReach(map, selected, placement)) &
                       view.rect();
    FComposedSelection = selected;
    if (part.isEmpty()) {
        return;
    }
    ComposeViewPart(document.SourceBitmap, view, map, placement, part);
    FWidgets.Display->update(part);
}

QPoint TViewController::ViewToImage(QPoint viewPoint) const {
    const TEditorState& state = FContext.State;
    return ViewToImagePoint(viewPoint, state.ZoomFactor, state.ViewOrigin);
}

TPointer TViewController::PointerAt(QPoint viewPoint) const {
    const TEditorState& state = FContext.State;
    const QPoint image = ViewToImage(viewPoint);
    return {image.x(),           image.y(),     static_cast<double>(state.ZoomFactor),
            viewPoint.x(),       viewPoint.y(), state.ViewOrigin.x(),
            state.ViewOrigin.y()};
}

void TViewController::pbxDisplayPaint() {
    // The view repaints itself from its back buffer; only a buffer that no longer fits the
    // view is composed again here.
    if (!FContext.Document.CurrentMap || !FContext.Document.HasImage()) {
        return;
    }
    if (FViewStale || FWidgets.Display->BackBuffer().size() != FWidgets.Display->size()) {
        ComposeView();
    }
}

QScrollBar* TViewController::ScrollBar(bool horizontal) const {
    return horizontal ? FWidgets.Horizontal : FWidgets.Vertical;
}

void TViewController::ScrollBarChanged(bool horizontal) {
    QScrollBar* bar = ScrollBar(horizontal);
    const QSize image = FContext.Document.SourceBitmap.size();
    const int imageLength = horizontal ? image.width() : image.height();
    // A bar whose direction now fits may still hold the page of an earlier image.
    const int position =
        std::max(0, ClampScrollPosition(bar->value(), imageLength, bar->pageStep()));
    if (position != bar->value()) {
        const QSignalBlocker blocker(bar);
        bar->setValue(position);
    }
    QPoint& origin = FContext.State.ViewOrigin;
    (horizontal ? origin.rx() : origin.ry()) = bar->value();
    RenderView();
    FWidgets.FocusSink->setFocus(Qt::OtherFocusReason);
}

void TViewController::scbHorizontalChange() {
    ScrollBarChanged(true);
}

void TViewController::scbVerticalChange() {
    ScrollBarChanged(false);
}

QPointF TViewController::ViewToImageF(QPointF viewPoint) const {
    const TEditorState& state = FContext.State;
    return viewPoint / static_cast<double>(state.ZoomFactor) + QPointF(state.ViewOrigin);
}

void TViewController::ApplyZoom(float zoom, bool checkItem, std::optional<QPointF> viewPoint) {
    TEditorState& state = FContext.State;
    const QSize oldVisible = state.VisibleImageSize;
    const QPointF anchor = viewPoint ? ViewToImageF(*viewPoint)
                                     : QPointF(state.ViewOrigin) +
                                           QPointF(oldVisible.width(), oldVisible.height()) / 2.0;
    const int percent = RoundHalfEven(static_cast<double>(zoom) * 100.0);
    FWidgets.Menu->CheckZoom(checkItem ? percent : 0);
    SetStatusText(FWidgets.Status, 2, QStringLiteral("Zoom: %1%").arg(percent));
    state.ZoomFactor = zoom;
    AdjustView();
    const QSize visible = state.VisibleImageSize;
    const QPointF offset = viewPoint ? *viewPoint / static_cast<double>(zoom)
                                     : QPointF(visible.width(), visible.height()) / 2.0;
    ScrollImageTo(anchor - offset);
}

void TViewController::ScrollImageTo(QPointF origin) {
    if (!FContext.Document.CurrentMap) {
        return;
    }
    QPoint& viewOrigin = FContext.State.ViewOrigin;
    for (const bool horizontal : {true, false}) {
        QScrollBar* bar = ScrollBar(horizontal);
        int position = 0;
        if (bar->isEnabled()) {
            const QSignalBlocker blocker(bar);
            const double wanted = horizontal ? origin.x() : origin.y();
            bar->setValue(std::clamp(RoundHalfEven(wanted), bar->minimum(), bar->maximum()));
            position = bar->value();
        }
        (horizontal ? viewOrigin.rx() : viewOrigin.ry()) = position;
    }
    RenderView();
}

void TViewController::mniZoom100Click(QAction* sender) {
    const int percent = ActionTag(sender);
    if (percent > 0) {
        ApplyZoom(static_cast<float>(percent) / 100.0f, true);
    }
}

void TViewController::tbtZoomClick() {
    ApplyZoom(1.0f, true);
}

void TViewController::mniZoomFitClick() {
    const TMapDocument& document = FContext.Document;
    if (!document.CurrentMap || !document.HasImage()) {
        return;
    }
    ApplyZoom(FitZoom(document.SourceBitmap.size(), FContext.State.ViewportSize), false);
}

} // namespace kvx
