#include "editor/ViewKeys.h"

#include "editor/AreaActions.h"
#include "editor/MapEdits.h"
#include "editor/PanelController.h"

#include <QKeyEvent>
#include <QWidget>

namespace kvx {

TViewKeys::TViewKeys(const TEditorContext& context, const TViewKeyWidgets& widgets, QObject* parent)
    : QObject(parent), FContext(context), FWidgets(widgets) {
    FWidgets.Display->installEventFilter(this);
    FWidgets.FocusSink->installEventFilter(this);
}

bool TViewKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (KeyPressed(key->key(), key->modifiers())) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool TViewKeys::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    // A drag or a polygon being drawn owns the area until it ends.
    if (!FContext.HasMap() || !FContext.Map().HasSelection() || FContext.Edits.GestureUnderWay()) {
        return false;
    }
    if (key == Qt::Key_Delete) {
        FWidgets.Actions->btnDelLinkAreaClick();
        return true;
    }
    const int step = modifiers.testFlag(Qt::ShiftModifier) ? 10 : 1;
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left:
        dx = -step;
        break;
    case Qt::Key_Right:
        dx = step;
        break;
    case Qt::Key_Up:
        dy = -step;
        break;
    case Qt::Key_Down:
        dy = step;
        break;
    default:
        return false;
    }
    FWidgets.Panel->StoreAreaPanel();
    FContext.Edits.NudgeSelected(dx, dy);
    return true;
}

} // namespace kvx
