#pragma once
// The four tools and the mouse on the view: drawing rectangles, circles and polygons, and
// selecting, resizing and moving areas with the edit tool.

#include "editor/EditorContext.h"
#include "model/LinkArea.h"

#include <QObject>
#include <QPoint>
#include <QString>

class QAction;

namespace kvx {

class TDisplayView;
class TPanelController;
class TViewController;
struct TMainMenuActions;

// The widgets and neighbours the tools use: the view with its focus sink, the tool items and
// buttons, the status bar, the view's coordinates and the panel's store.
struct TToolWidgets {
    TDisplayView* Display = nullptr;
    QWidget* FocusSink = nullptr;
    const TMainMenuActions* Menu = nullptr;
    TStatusPanels Status{};
    TViewController* View = nullptr;
    TPanelController* Panel = nullptr;
};

// The view's cursor for a cursor identifier of the areas.
Qt::CursorShape CursorShapeOf(TCursor cursor);
// The position text of status panel 0: " X:" x ", Y:" y.
QString PositionText(int x, int y);

class TToolController : public QObject {
    Q_OBJECT
public:
    TToolController(const TEditorContext& context, const TToolWidgets& widgets, QObject* parent);

    // A tool item of the "&Image Map" menu; its tag is the tool.
    void mniNewRectangleClick(QAction* sender);
    // A tool button of ToolBar1; its tag is the tool.
    void tbtNewRectangleClick(QAction* sender);
    // Mouse events of the view in view pixels.
    void pbxDisplayMouseDown(Qt::MouseButton button, int x, int y);
    void pbxDisplayMouseMove(int x, int y);
    void pbxDisplayMouseUp(Qt::MouseButton button, int x, int y);
    // With the edit tool a double-click on a polygon's edge puts a vertex there; otherwise it
    // is a press.
    void pbxDisplayDoubleClick(Qt::MouseButton button, int x, int y);

    // Ends a creation or drag that is still under way, as its finishing release would, so
    // that no area (an open polygon above all) is left half made when the tool changes by a
    // command or by the tree. With showPanel the panel then shows the finished area.
    void FinishPendingDrag(bool showPanel);
    // While a polygon is drawn: its last fixed vertex goes; with only the first vertex left
    // the polygon is dropped. No step is left either way.
    void RemoveLastVertex();
    // Drops the polygon being drawn.
    void DropPolygon();
    // A press with the left button is being dragged: an edit-tool drag or the drawing of a
    // rectangle or circle. A polygon under construction does not count; it is finished.
    bool MouseDragUnderWay() const;

protected:
    // Backspace and Escape while a polygon is drawn.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChooseTool(int tool);
    void ShowStatus(int panel, const QString& text);
    // The drawing is over without an area: back to no drag.
    void EndPolygon();
    // The release as the tools see it: finishing a drag or fixing a polygon vertex.
    void ReleaseButton(Qt::MouseButton button, int x, int y);
    // The polygon tool's left release: the vertex goes where the button came up, unless it
    // would repeat the vertex before it.
    void FixPolygonVertex(int x, int y);

    TEditorContext FContext;
    TToolWidgets FWidgets;
    bool FLeftButtonHeld = false;
    // A tool chosen during a mouse drag, chosen when the button comes up; tlNone when none.
    int FPendingTool = tlNone;
    // The polygon's last fixed vertex, in image pixels, while the polygon tool draws.
    QPoint FLastVertex;
    // Where the pointer was last over the view, in image pixels: the rubber band's end.
    QPoint FPointer;
};

} // namespace kvx
