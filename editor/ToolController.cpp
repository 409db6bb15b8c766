#include "editor/ToolController.h"

#include "editor/DisplayView.h"
#include "editor/FocusControl.h"
#include "editor/FrmMain.h"

#include <QAction>
#include <utility>

namespace kvx {

namespace {

QString FromText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

Qt::CursorShape CursorShapeOf(TCursor cursor) {
    switch (cursor) {
    case crCross:
        return Qt::CrossCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QString PositionText(int x, int y) {
    return QStringLiteral(" X:%1, Y:%2").arg(x).arg(y);
}

TToolController::TToolController(TfrmMain& main) : QObject(&main), FMain(main) {
    for (int tag = tlRectangle; tag <= tlEdit; ++tag) {
        QAction* item = FMain.ToolItem(tag);
        connect(item, &QAction::triggered, this, [this, item] { mniNewRectangleClick(item); });
        QAction* button = FMain.ToolButton(tag);
        connect(button, &QAction::triggered, this,
                [this, button] { tbtNewRectangleClick(button); });
    }
    connect(FMain.pbxDisplay, &TDisplayView::MouseDown, this,
            &TToolController::pbxDisplayMouseDown);
    connect(FMain.pbxDisplay, &TDisplayView::MouseMove, this,
            &TToolController::pbxDisplayMouseMove);
    connect(FMain.pbxDisplay, &TDisplayView::MouseUp, this, &TToolController::pbxDisplayMouseUp);
}

void TToolController::mniNewRectangleClick(QAction* sender) {
    const int tool = ActionTag(sender);
    if (tool < tlRectangle || tool > tlEdit) {
        return;
    }
    FMain.CheckTool(tool);
    if (MouseDragUnderWay()) {
        // Changing tools now would end or disturb the drag under the pointer.
        FPendingTool = tool;
        return;
    }
    ChooseTool(tool);
}

bool TToolController::MouseDragUnderWay() const {
    const TEditorState& state = FMain.State();
    const bool polygonUnderConstruction =
        state.ActiveTool == tlPolygon && state.DragState == dsCreating;
    return FLeftButtonHeld && state.DragState != dsIdle && !polygonUnderConstruction;
}

void TToolController::tbtNewRectangleClick(QAction* sender) {
    // Item and button of a tool carry the same tag and do the same.
    mniNewRectangleClick(sender);
}

void TToolController::FinishPendingDrag(bool showPanel) {
    TEditorState& state = FMain.State();
    if (state.DragState == dsIdle || !FMain.HasMap()) {
        return;
    }
    std::string status;
    FMain.Document().CurrentMap->ModifySelected(0, 0, 0, 0, mmFinish, status);
    FMain.SetStatusText(1, QString());
    state.DragState = dsIdle;
    if (showPanel) {
        FMain.ShowSelectedArea();
    }
    FMain.RenderView();
}

void TToolController::ChooseTool(int tool) {
    if (!FMain.HasMap()) {
        return;
    }
    FinishPendingDrag(true);
    TEditorState& state = FMain.State();
    state.ActiveTool = static_cast<std::uint8_t>(tool);
    if (tool == tlEdit) {
        return;
    }
    TImageMap& map = *FMain.Document().CurrentMap;
    if (map.HasSelection()) {
        FMain.StoreAreaPanel();
        map.ClearSelection();
        FMain.RenderView();
    }
    FMain.ShowSelectedArea();
}

void TToolController::pbxDisplayMouseDown(Qt::MouseButton button, int x, int y) {
    TEditorState& state = FMain.State();
    if (state.ActiveTool == tlNone || button == Qt::RightButton || !FMain.HasMap()) {
        return;
    }
    TImageMap& map = *FMain.Document().CurrentMap;
    if (button == Qt::LeftButton) {
        FLeftButtonHeld = true;
    }
    FMain.FocusControl->setFocus(Qt::MouseFocusReason);
    if (map.HasSelection() && state.DragState != dsCreating) {
        FMain.StoreAreaPanel();
    }
    const QPoint p = FMain.ViewToImage(QPoint(x, y));
    std::string status;
    if (state.ActiveTool == tlEdit) {
        state.DragState = map.HitTest(p.x(), p.y(), status);
        FMain.pbxDisplay->setCursor(CursorShapeOf(map.CursorAt(p.x(), p.y())));
        if (state.DragState != dsIdle) {
            state.LastMousePos = p;
            FMain.SetStatusText(0, FromText(status));
            FMain.SetModified(true);
        } else {
            map.ClearSelection();
            FMain.ShowSelectedArea();
        }
    } else if (state.DragState != dsCreating) {
        state.DragState = dsCreating;
        map.AddArea(state.ActiveTool, p.x(), p.y(), status);
        FLastVertex = p;
        FMain.SetStatusText(0, FromText(status));
        FMain.AddAreaTreeNode();
        FMain.SetModified(true);
    }
    FMain.RenderView();
}

void TToolController::pbxDisplayMouseMove(int x, int y) {
    TEditorState& state = FMain.State();
    if (state.ActiveTool == tlNone || !FMain.HasMap()) {
        return;
    }
    TImageMap& map = *FMain.Document().CurrentMap;
    const QPoint p = FMain.ViewToImage(QPoint(x, y));
    std::string status;
    switch (state.DragState) {
    case dsCreating:
        map.ModifySelected(0, 0, p.x(), p.y(), mmDragNew, status);
        break;
    case dsHandle:
        map.ModifySelected(state.LastMousePos.x(), state.LastMousePos.y(), p.x(), p.y(),
                           mmDragHandle, status);
        state.LastMousePos = p;
        break;
    case dsMoving:
        map.MoveSelected(state.LastMousePos.x(), state.LastMousePos.y(), p.x(), p.y(), status);
        state.LastMousePos = p;
        break;
    default:
        FMain.SetStatusText(0, PositionText(p.x(), p.y()));
        if (map.HasSelection()) {
            FMain.pbxDisplay->setCursor(CursorShapeOf(map.CursorAt(p.x(), p.y())));
        }
        return;
    }
    FMain.SetStatusText(1, FromText(status));
    FMain.RenderView();
}

void TToolController::pbxDisplayMouseUp(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton) {
        FLeftButtonHeld = false;
    }
    ReleaseButton(button, x, y);
    if (!FLeftButtonHeld && FPendingTool != tlNone) {
        const int tool = std::exchange(FPendingTool, tlNone);
        if (FMain.HasMap()) {
            FMain.CheckTool(tool);
            ChooseTool(tool);
        }
    }
}

void TToolController::ReleaseButton(Qt::MouseButton button, int x, int y) {
    TEditorState& state = FMain.State();
    if (state.ActiveTool == tlNone || state.DragState == dsIdle || !FMain.HasMap()) {
        return;
    }
    TImageMap& map = *FMain.Document().CurrentMap;
    const QPoint p = FMain.ViewToImage(QPoint(x, y));
    std::string status;
    const bool polygonTool = state.ActiveTool == tlPolygon;
    const bool finishing =
        (button == Qt::LeftButton && !polygonTool) || (button == Qt::RightButton && polygonTool);
    if (finishing) {
        map.ModifySelected(0, 0, 0, 0, mmFinish, status);
        FMain.SetStatusText(1, QString());
        FMain.SetStatusText(0, PositionText(p.x(), p.y()));
        FMain.ShowSelectedArea();
        state.DragState = dsIdle;
        state.ActiveTool = tlEdit;
        FMain.CheckTool(tlEdit);
    } else if (button == Qt::LeftButton && polygonTool && state.DragState == dsCreating) {
        FixPolygonVertex(p.x(), p.y());
    }
    FMain.RenderView();
}

void TToolController::FixPolygonVertex(int x, int y) {
    TImageMap& map = *FMain.Document().CurrentMap;
    std::string status;
    // The rubber band follows only movements; a click without one has left it one pixel off
    // the press point, so it is brought to the pointer before it is fixed.
    map.ModifySelected(0, 0, x, y, mmDragNew, status);
    if (FLastVertex == QPoint(x, y)) {
        return; // a click where the last vertex is: a polygon needs no second copy of it
    }
    map.ModifySelected(0, 0, x, y, mmAddPoint, status);
    FLastVertex = QPoint(x, y);
    FMain.SetStatusText(0, FromText(status));
}

} // namespace kvx
