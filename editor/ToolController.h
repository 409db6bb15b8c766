#pragma once
// The four tools and the mouse on the view: drawing rectangles, circles and polygons, and
// selecting, resizing and moving areas with the edit tool.

#include "editor/EditorState.h"
#include "model/LinkArea.h"

#include <QObject>
#include <QPoint>
#include <QString>

class QAction;

namespace kvx {

class TfrmMain;

// The view's cursor for a cursor identifier of the areas.
Qt::CursorShape CursorShapeOf(TCursor cursor);
// The position text of status panel 0: " X:" x ", Y:" y.
QString PositionText(int x, int y);

class TToolController : public QObject {
    Q_OBJECT
public:
    explicit TToolController(TfrmMain& main);

    // A tool item of the "&Image Map" menu; its tag is the tool.
    void mniNewRectangleClick(QAction* sender);
    // A tool button of ToolBar1; its tag is the tool.
    void tbtNewRectangleClick(QAction* sender);
    // Mouse events of the view in view pixels.
    void pbxDisplayMouseDown(Qt::MouseButton button, int x, int y);
    void pbxDisplayMouseMove(int x, int y);
    void pbxDisplayMouseUp(Qt::MouseButton button, int x, int y);

    // Ends a creation or drag that is still under way, as its finishing release would, so
    // that no area (an open polygon above all) is left half made when the tool changes by a
    // command or by the tree. With showPanel the panel then shows the finished area.
    void FinishPendingDrag(bool showPanel);

private:
    void ChooseTool(int tool);
    // A press with the left button is being dragged: an edit-tool drag or the drawing of a
    // rectangle or circle. A polygon under construction does not count; it is finished.
    bool MouseDragUnderWay() const;
    // The release as the tools see it: finishing a drag or fixing a polygon vertex.
    void ReleaseButton(Qt::MouseButton button, int x, int y);
    // The polygon tool's left release: the vertex goes where the button came up, unless it
    // would repeat the vertex before it.
    void FixPolygonVertex(int x, int y);

    TfrmMain& FMain;
    bool FLeftButtonHeld = false;
    // A tool chosen during a mouse drag, chosen when the button comes up; tlNone when none.
    int FPendingTool = tlNone;
    // The polygon's last fixed vertex, in image pixels, while the polygon tool draws.
    QPoint FLastVertex;
};

} // namespace kvx
