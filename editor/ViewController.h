#pragma once
// The image view's behaviour: sizing the view and its scroll bars for the zoom (AdjustView),
// composing what it shows (RenderView), scrolling and the zoom commands.

#include "editor/EditorContext.h"
#include "editor/ImageComposition.h"
#include "model/Pointer.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <optional>

class QAction;
class QScrollBar;
class QWheelEvent;

namespace kvx {

class TDisplayView;
struct TMainMenuActions;

// The widgets the view controller drives.
struct TViewWidgets {
    TDisplayView* Display = nullptr;
    QScrollBar* Horizontal = nullptr;
    QScrollBar* Vertical = nullptr;
    // Takes the focus after scrolling, so that a pending edit is committed.
    QWidget* FocusSink = nullptr;
    // The zoom items and the zoom button.
    const TMainMenuActions* Menu = nullptr;
    TStatusPanels Status{};
};

class TViewController : public QObject {
    Q_OBJECT
public:
    TViewController(const TEditorContext& context, const TViewWidgets& widgets, QObject* parent);

    void AdjustView();
    // The no-map view: size 0 x 0, no picture, both bars disabled at their start.
    void ResetView();
    // Composes the image and every area and shows them; only while a map is open.
    void RenderView();
    // Shows a selection that moved from one area to another (or to none): only the view
    // pixels the two areas reach are composed again, when the view showed the map as it is
    // apart from the selection; otherwise the whole view, as RenderView.
    void RenderSelection();
    QPoint ViewToImage(QPoint viewPoint) const;
    // The pointer at viewPoint as the hit tests see it: its image pixel and its view pixel.
    TPointer PointerAt(QPoint viewPoint) const;

    // Event handlers.
    void pbxDisplayPaint();
    void scbHorizontalChange();
    void scbVerticalChange();
    // Any of the twelve zoom items of the main menu and of pumZoom.
    void mniZoom100Click(QAction* sender);
    void tbtZoomClick();
    // "An Fenster anpassen": the largest zoom showing the whole image, no zoom item checked.
    void mniZoomFitClick();
    // The wheel scrolls the image: sideways with Shift or a sideways wheel. With Ctrl it steps
    // through the zoom items' levels, keeping the image point under the pointer in place.
    void pbxDisplayMouseWheel(const QWheelEvent& wheel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollBar* ScrollBar(bool horizontal) const;
    // Brings the bar's position within the image and shows the image from there.
    void ScrollBarChanged(bool horizontal);
    // Sets the zoom, checks its item (none for a zoom without one) and shows the percentage
    // in the status bar; the image point at imagePoint then lies at viewPoint of the view,
    // as far as the scroll bars reach. Without a view point the view's centre stays.
    void ApplyZoom(float zoom, bool checkItem, std::optional<QPointF> viewPoint = {});
    // Moves the bars so that the view starts at origin (image coordinates), within reach.
    void ScrollImageTo(QPointF origin);
    QPointF ViewToImageF(QPointF viewPoint) const;
    void ComposeView();
    TViewPlacement Placement() const;

    TEditorContext FContext;
    TViewWidgets FWidgets;
    // The back buffer no longer matches the view (its size or the zoom changed).
    bool FViewStale = true;
    // What the back buffer was last composed from as a whole: the map, the placement and
    // the selected area (0 for none).
    const TImageMap* FComposedMap = nullptr;
    TViewPlacement FComposedPlacement;
    std::int32_t FComposedSelection = 0;
};

} // namespace kvx
