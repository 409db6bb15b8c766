#pragma once
// The four tools and the mouse on the view: drawing rectangles, circles and polygons, and
// selecting, resizing and moving areas with the edit tool.

#include "model/LinkArea.h"

#include <QObject>
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

    TfrmMain& FMain;
};

} // namespace kvx
