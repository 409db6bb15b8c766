#include "editor/ToolController.h"

#include "editor/DisplayView.h"
#include "editor/FocusControl.h"
#include "editor/MainMenu.h"
#include "editor/MapEdits.h"
#include "editor/PanelController.h"
#include "editor/ViewController.h"
#include "model/PolygonLinkArea.h"

#include <QAction>
#include <QKeyEvent>
#include <cstdlib>
#include <utility>

namespace kvx {

namespace {

QString FromText(const std::string& text) {
    return QString::fromStdString(text);
}

// The corner opposite anchor of the square that p's larger distance spans, on p's side.
QPoint SquareCorner(QPoint anchor, QPoint p) {
    const int dx = p.x() - anchor.x();
    const int dy = p.y() - anchor.y();
    const int side = std::max(std::abs(dx), std::abs(dy));
    return anchor + QPoint(dx < 0 ? -side : side, dy < 0 ? -side : side);
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

TToolController::TToolController(const TEditorContext& context, const TToolWidgets& widgets,
                                 QObject* parent)
    : QObject(parent), FContext(context), FWidgets(widgets) {
    for (int tag = tlRectangle; tag <= tlEdit; ++tag) {
        QAction* item = FWidgets.Menu->ToolItem(tag);
        connect(item, &QAction::triggered, this, [this, item] { mniNewRectangleClick(item); });
        QAction* button = FWidgets.Menu->ToolButton(tag);
        connect(button, &QAction::triggered, this,
                [this, button] { tbtNewRectangleClick(button); });
    }
    connect(FWidgets.Display, &TDisplayView::MouseDown, this,
            &TToolController::pbxDisplayMouseDown);
    connect(FWidgets.Display, &TDisplayView::MouseMove, this,
            &TToolController::pbxDisplayMouseMove);
    connect(FWidgets.Display, &TDisplayView::MouseUp, this, &TToolController::pbxDisplayMouseUp);
    connect(FWidgets.Display, &TDisplayView::DoubleClick, this,
            &TToolController::pbxDisplayDoubleClick);
    FWidgets.FocusSink->installEventFilter(this);
    FWidgets.Display->installEventFilter(this);
}

void TToolController::ShowStatus(int panel, const QString& text) {
    SetStatusText(FWidgets.Status, panel, text);
}

bool TToolController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FContext.Edits.DrawingPolygon()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Backspace) {
            RemoveLastVertex();
            return true;
        }
        if (key == Qt::Key_Escape) {
            DropPolygon();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TToolController::mniNewRectangleClick(QAction* sender) {
    const int tool = ActionTag(sender);
    if (tool < tlRectangle || tool > tlEdit) {
        return;
    }
    FWidgets.Menu->CheckTool(tool);
    if (MouseDragUnderWay()) {
        // Changing tools now would end or disturb the drag under the pointer.
        FPendingTool = tool;
        return;
    }
    ChooseTool(tool);
}

bool TToolController::MouseDragUnderWay() const {
    const TEditorState& state = FContext.State;
    const bool polygonUnderConstruction =
        state.ActiveTool == tlPolygon && state.DragState == dsCreating;
    return FLeftButtonHeld && state.DragState != dsIdle && !polygonUnderConstruction;
}

void TToolController::tbtNewRectangleClick(QAction* sender) {
    // Item and button of a tool carry the same tag and do the same.
    mniNewRectangleClick(sender);
}

void TToolController::FinishPendingDrag(bool showPanel) {
    TEditorState& state = FContext.State;
    if (state.DragState == dsIdle || !FContext.HasMap()) {
        return;
    }
    ShowStatus(1, QString());
    state.DragState = dsIdle;
    FContext.Edits.FinishGesture(!showPanel);
}

void TToolController::RemoveLastVertex() {
    if (!FContext.Edits.DrawingPolygon()) {
        return;
    }
    if (!FContext.Edits.RemovePolygonVertex(FPointer)) {
        EndPolygon();
        return;
    }
    // The points are the fixed vertices and the rubber-band vertex behind them.
    const auto& points =
        dynamic_cast<const TPolygonLinkArea&>(*FContext.Map().SelectedArea()).Points();
    const TPolygonPoint& last = points[points.size() - 2];
    FLastVertex = QPoint(last.X, last.Y);
}

void TToolController::DropPolygon() {
    if (FContext.Edits.DrawingPolygon()) {
        FContext.Edits.DropDrawing();
        EndPolygon();
    }
}

void TToolController::EndPolygon() {
    FContext.State.DragState = dsIdle;
    ShowStatus(1, QString());
}

void TToolController::ChooseTool(int tool) {
    if (!FContext.HasMap()) {
        return;
    }
    FinishPendingDrag(true);
    TEditorState& state = FContext.State;
    state.ActiveTool = static_cast<std::uint8_t>(tool);
    if (tool == tlEdit) {
        return;
    }
    if (FContext.Map().HasSelection()) {
        FWidgets.Panel->StoreAreaPanel();
    }
    FContext.Edits.Select(0);
}

void TToolController::pbxDisplayMouseDown(Qt::MouseButton button, int x, int y) {
    TEditorState& state = FContext.State;
    if (state.ActiveTool == tlNone || button == Qt::RightButton || !FContext.HasMap()) {
        return;
    }
    TImageMap& map = FContext.Map();
    if (button == Qt::LeftButton) {
        FLeftButtonHeld = true;
    }
    FWidgets.FocusSink->setFocus(Qt::MouseFocusReason);
    if (map.HasSelection() && state.DragState != dsCreating) {
        FWidgets.Panel->StoreAreaPanel();
    }
    const TPointer pointer = FWidgets.View->PointerAt(QPoint(x, y));
    const QPoint p(pointer.X, pointer.Y);
    FPointer = p;
    std::string status;
    if (state.ActiveTool == tlEdit) {
        state.DragState = FContext.Edits.Grab(pointer, status);
        FWidgets.Display->setCursor(CursorShapeOf(map.CursorAt(pointer)));
        if (state.DragState != dsIdle) {
            state.LastMousePos = p;
            ShowStatus(0, FromText(status));
        }
    } else if (state.DragState != dsCreating) {
        state.DragState = dsCreating;
        FLastVertex = p;
        FContext.Edits.BeginDrawing(state.ActiveTool, p, status);
        ShowStatus(0, FromText(status));
    }
}

void TToolController::pbxDisplayDoubleClick(Qt::MouseButton button, int x, int y) {
    const TEditorState& state = FContext.State;
    if (button == Qt::LeftButton && state.ActiveTool == tlEdit && state.DragState == dsIdle &&
        FContext.HasMap()) {
        const TPointer pointer = FWidgets.View->PointerAt(QPoint(x, y));
        FWidgets.FocusSink->setFocus(Qt::MouseFocusReason);
        if (FContext.Edits.CanInsertVertex(pointer)) {
            if (FContext.Map().HasSelection()) {
                FWidgets.Panel->StoreAreaPanel();
            }
            FContext.Edits.InsertVertex(pointer);
            return; // its release finds no drag and does nothing
        }
    }
    pbxDisplayMouseDown(button, x, y);
}

void TToolController::pbxDisplayMouseMove(int x, int y) {
    TEditorState& state = FContext.State;
    if (state.ActiveTool == tlNone || !FContext.HasMap()) {
        return;
    }
    TImageMap& map = FContext.Map();
    const TPointer pointer = FWidgets.View->PointerAt(QPoint(x, y));
    const QPoint p(pointer.X, pointer.Y);
    FPointer = p;
    std::string status;
    switch (state.DragState) {
    case dsCreating:
        if (state.ActiveTool == tlRectangle &&
            FWidgets.Display->Modifiers().testFlag(Qt::ShiftModifier)) {
            FContext.Edits.DragDrawing(SquareCorner(FLastVertex, p), status);
            break;
        }
        FContext.Edits.DragDrawing(p, status);
        break;
    case dsHandle:
    case dsMoving:
        FContext.Edits.DragGrabbed(static_cast<THitResult>(state.DragState), state.LastMousePos, p,
                                   status);
        state.LastMousePos = p;
        break;
    default:
        ShowStatus(0, PositionText(p.x(), p.y()));
        if (map.HasSelection()) {
            FWidgets.Display->setCursor(CursorShapeOf(map.CursorAt(pointer)));
        }
        return;
    }
    ShowStatus(1, FromText(status));
}

void TToolController::pbxDisplayMouseUp(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton) {
        FLeftButtonHeld = false;
    }
    ReleaseButton(button, x, y);
    if (!FLeftButtonHeld && FPendingTool != tlNone) {
        const int tool = std::exchange(FPendingTool, tlNone);
        if (FContext.HasMap()) {
            FWidgets.Menu->CheckTool(tool);
            ChooseTool(tool);
        }
    }
}

void TToolController::ReleaseButton(Qt::MouseButton button, int x, int y) {
    TEditorState& state = FContext.State;
    if (state.ActiveTool == tlNone || state.DragState == dsIdle || !FContext.HasMap()) {
        return;
    }
    const QPoint p = FWidgets.View->ViewToImage(QPoint(x, y));
    FPointer = p;
    const bool polygonTool = state.ActiveTool == tlPolygon;
    const bool finishing =
        (button == Qt::LeftButton && !polygonTool) || (button == Qt::RightButton && polygonTool);
    if (finishing) {
        ShowStatus(1, QString());
        ShowStatus(0, PositionText(p.x(), p.y()));
        state.DragState = dsIdle;
        state.ActiveTool = tlEdit;
        FWidgets.Menu->CheckTool(tlEdit);
        FContext.Edits.FinishGesture();
    } else if (button == Qt::LeftButton && polygonTool && state.DragState == dsCreating) {
        FixPolygonVertex(p.x(), p.y());
    }
}

void TToolController::FixPolygonVertex(int x, int y) {
    std::string status;
    // The rubber band follows only movements; a click without one has left it one pixel off
    // the press point, so it is brought to the pointer before it is fixed.
    FContext.Edits.DragDrawing(QPoint(x, y), status);
    if (FLastVertex == QPoint(x, y)) {
        return; // a click where the last vertex is: a polygon needs no second copy of it
    }
    FContext.Edits.FixPolygonVertex(QPoint(x, y), status);
    FLastVertex = QPoint(x, y);
    ShowStatus(0, FromText(status));
}

} // namespace kvx
