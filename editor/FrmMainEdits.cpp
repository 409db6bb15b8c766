// The main window's side of the edit layer: the tree, the panel and the view follow every
// announced change, and the "Bearbeiten" commands follow the undo history.
#include "editor/FrmMain.h"

#include "editor/MapEdits.h"
#include "editor/OverviewTree.h"
#include "editor/ToolController.h"
#include "editor/ViewController.h"

namespace kvx {

bool TfrmMain::Modified() const {
    return FEdits->Modified();
}

void TfrmMain::SetModified(bool modified) {
    if (modified) {
        FEdits->MarkUnsaved();
    } else {
        FEdits->MarkSaved();
    }
}

void TfrmMain::Undo() {
    if (!HasMap()) {
        return;
    }
    if (FEdits->DrawingPolygon()) {
        FTools->RemoveLastVertex();
        return;
    }
    if (FEdits->GestureUnderWay()) {
        return;
    }
    // A text still held by the panel becomes a step of its own first, so that it is what
    // goes back.
    StoreAreaPanelIfSelected();
    FEdits->Stack().undo();
}

void TfrmMain::Redo() {
    if (!HasMap() || FEdits->GestureUnderWay()) {
        return;
    }
    StoreAreaPanelIfSelected();
    FEdits->Stack().redo();
}

void TfrmMain::UpdateUndoCommands() {
    const QUndoStack& stack = FEdits->Stack();
    FState.Modified = FEdits->Modified();
    const bool polygon = HasMap() && FEdits->DrawingPolygon();
    const bool idle = HasMap() && !FEdits->GestureUnderWay();
    const QString undoText = polygon ? QStringLiteral("Eckpunkt setzen") : stack.undoText();
    const QString redoText = stack.redoText();
    const bool canUndo = polygon || (idle && stack.canUndo());
    const bool canRedo = idle && stack.canRedo();
    for (QAction* undo : {mniUndo, tbtUndo}) {
        undo->setEnabled(canUndo);
    }
    for (QAction* redo : {mniRedo, tbtRedo}) {
        redo->setEnabled(canRedo);
    }
    mniUndo->setText(canUndo ? QStringLiteral("&Rückgängig: %1").arg(undoText)
                             : QStringLiteral("&Rückgängig"));
    mniRedo->setText(canRedo ? QStringLiteral("&Wiederherstellen: %1").arg(redoText)
                             : QStringLiteral("&Wiederherstellen"));
    tbtUndo->setToolTip(mniUndo->text().remove(QLatin1Char('&')));
    tbtRedo->setToolTip(mniRedo->text().remove(QLatin1Char('&')));
}

void TfrmMain::MapChanged(const TMapChange& change) {
    // A replaced map is shown by its loader, which sizes the view afterwards.
    if (!HasMap() || change.Kind == TMapChangeKind::MapReplaced) {
        UpdateUndoCommands();
        return;
    }
    TImageMap& map = *FDocument.CurrentMap;
    {
        const TUpdatingControlsGuard guard(FState);
        switch (change.Kind) {
        case TMapChangeKind::AreaAdded:
            trvOverview->AddAreaNodeFor(map, change.AreaId);
            break;
        case TMapChangeKind::AreaRemoved:
            trvOverview->RemoveAreaNode(change.AreaId);
            break;
        case TMapChangeKind::AreaChanged:
        case TMapChangeKind::AreaStored:
            if (!change.Gesture) {
                trvOverview->UpdateAreaNode(map, change.AreaId);
            }
            break;
        case TMapChangeKind::MapProperties:
            ShowMapName(QString::fromStdString(map.Name));
            break;
        case TMapChangeKind::Image:
            AdjustView();
            break;
        default:
            break;
        }
    }
    if (!change.Gesture && change.Kind != TMapChangeKind::AreaStored) {
        ShowSelectedArea();
    }
    if (change.PictureShown) {
        return;
    }
    if (change.Kind == TMapChangeKind::Selection) {
        FView->RenderSelection();
    } else {
        RenderView();
    }
}

} // namespace kvx
