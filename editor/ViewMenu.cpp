#include "editor/ViewMenu.h"

#include "editor/AreaActions.h"
#include "editor/DisplayView.h"
#include "editor/MapEdits.h"
#include "editor/PanelController.h"
#include "editor/ViewController.h"
#include "model/PolygonLinkArea.h"

namespace kvx {

TViewMenu::TViewMenu(const TEditorContext& context, const TViewMenuWidgets& widgets,
                     QObject* parent)
    : QObject(parent), FContext(context), FWidgets(widgets) {
    FMenu.setObjectName(QStringLiteral("pumView"));
    FDuplicate = FMenu.addAction(QStringLiteral("Duplizieren"));
    FDelete = FMenu.addAction(QStringLiteral("Löschen"));
    FToFront = FMenu.addAction(QStringLiteral("In den Vordergrund"));
    FMenu.addSeparator();
    FInsertPoint = FMenu.addAction(QStringLiteral("Punkt einfügen"));
    FDeletePoint = FMenu.addAction(QStringLiteral("Punkt löschen"));
    connect(FWidgets.Display, &TDisplayView::ContextMenu, this, &TViewMenu::pbxDisplayContextMenu);
}

void TViewMenu::SelectAt(const TPointer& p) {
    TMapEdits& edits = FContext.Edits;
    const TLinkArea* selected = FContext.Map().SelectedArea();
    if (dynamic_cast<const TPolygonLinkArea*>(selected) != nullptr &&
        (edits.CanInsertVertex(p) || edits.CanDeleteVertex(p))) {
        return;
    }
    // The hit test also picks the area that a press there would grab.
    std::string status;
    TImageMap& map = FContext.Map();
    map.HitTest(p, status);
    edits.Select(map.SelectedId());
}

void TViewMenu::pbxDisplayContextMenu(int x, int y, QPoint global) {
    if (!FContext.HasMap() || FContext.Edits.GestureUnderWay() ||
        FContext.State.DragState != dsIdle) {
        return;
    }
    FWidgets.FocusSink->setFocus(Qt::MouseFocusReason);
    if (FContext.Map().HasSelection()) {
        FWidgets.Panel->StoreAreaPanel();
    }
    const TPointer p = FWidgets.View->PointerAt(QPoint(x, y));
    SelectAt(p);
    const TLinkArea* selected = FContext.Map().SelectedArea();
    for (QAction* action : {FDuplicate, FDelete, FToFront}) {
        action->setEnabled(selected != nullptr);
    }
    const bool polygon = dynamic_cast<const TPolygonLinkArea*>(selected) != nullptr;
    FInsertPoint->setVisible(polygon);
    FDeletePoint->setVisible(polygon);
    FInsertPoint->setEnabled(polygon && FContext.Edits.CanInsertVertex(p));
    FDeletePoint->setEnabled(polygon && FContext.Edits.CanDeleteVertex(p));
    QAction* chosen = FMenu.exec(global);
    if (chosen == FDuplicate) {
        FWidgets.Actions->btnCloneLinkAreaClick();
    } else if (chosen == FDelete) {
        FWidgets.Actions->btnDelLinkAreaClick();
    } else if (chosen == FToFront) {
        FWidgets.Actions->btnLinkAreaToFrontClick();
    } else if (chosen == FInsertPoint) {
        FContext.Edits.InsertVertex(p);
    } else if (chosen == FDeletePoint) {
        FContext.Edits.DeleteVertex(p);
    }
}

} // namespace kvx
