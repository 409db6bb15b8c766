#include "editor/PanelController.h"

#include "editor/FrmMain.h"
#include "editor/OverviewTree.h"
#include "editor/PropertyPanel.h"

#include <QApplication>
#include <QKeyEvent>

namespace kvx {

namespace {

bool IsInside(const QWidget* container, const QWidget* widget) {
    return widget != nullptr && (widget == container || container->isAncestorOf(widget));
}

} // namespace

TPanelController::TPanelController(TfrmMain& main) : QObject(&main), FMain(main) {
    TPropertyPanel* panel = FMain.pclProperties;
    for (QLineEdit* box : panel->EditBoxes()) {
        connect(box, &QLineEdit::textChanged, this, &TPanelController::inpLinkChange);
        box->installEventFilter(this);
    }
    TCoordinatesGrid* grid = panel->strgrCoords;
    connect(grid, &QTableWidget::currentCellChanged, this,
            &TPanelController::strgrCoordsSelectCell);
    connect(grid, &TCoordinatesGrid::CharacterTyped, this, &TPanelController::strgrCoordsKeyPress);
    connect(grid, &TCoordinatesGrid::EnterPressed, this, &TPanelController::strgrCoordsEnter);
    connect(grid, &TCoordinatesGrid::CopyRequested, this, &TPanelController::btnCopyCoordsClick);
    connect(grid, &TCoordinatesGrid::PasteRequested, this, &TPanelController::btnPasteCoordsClick);
    connect(panel->btnCopyCoords, &QToolButton::clicked, this,
            &TPanelController::btnCopyCoordsClick);
    connect(panel->btnPasteCoords, &QToolButton::clicked, this,
            &TPanelController::btnPasteCoordsClick);
    connect(qApp, &QApplication::focusChanged, this, &TPanelController::FocusChanged);
}

bool TPanelController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* command : FMain.findChildren<QAction*>()) {
            if (command->isEnabled() && command->shortcut() == pressed) {
                event->ignore();
                return true; // not the box's key: the shortcut goes to the command
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void TPanelController::DisableAreaPanel() {
    const TUpdatingControlsGuard guard(FMain.State());
    FMain.pclProperties->SetDisabledLook();
}

void TPanelController::ShowSelectedArea() {
    TEditorState& state = FMain.State();
    const TUpdatingControlsGuard guard(state);
    if (!FMain.HasMap() || !FMain.Document().CurrentMap->HasSelection()) {
        DisableAreaPanel();
        FMain.trvOverview->RemoveHighlight();
        return;
    }
    TPropertyPanel* panel = FMain.pclProperties;
    panel->SetEnabledLook(state.CoordsBufferFilled);
    TLinkAreaProperties props;
    FMain.Document().CurrentMap->GetSelectedProperties(props);
    panel->ShowProperties(props);
    // Highlight the area's node and refresh its text, which a drag may have outdated.
    if (QTreeWidgetItem* node = FMain.trvOverview->FindAreaNode(props.Kind, props.Id)) {
        FMain.trvOverview->Highlight(node);
        node->setText(0, AreaNodeText(props.Kind, props.Href, props.Coords));
    }
}

void TPanelController::StoreAreaPanel() {
    if (!FMain.HasMap()) {
        return;
    }
    TImageMap& map = *FMain.Document().CurrentMap;
    TPropertyPanel* panel = FMain.pclProperties;
    if (map.HasSelection() && !panel->isEnabled()) {
        return;
    }
    // While the edit tool drags an area it has just picked, the panel still shows the area
    // selected before (it was stored at the press); its values must not go into the other.
    if (map.HasSelection() && map.SelectedId() != panel->ShownId()) {
        return;
    }
    {
        const TUpdatingControlsGuard guard(FMain.State());
        const TLinkAreaProperties props = panel->ReadProperties();
        map.SetSelectedProperties(props);
        QTreeWidgetItem* node = FMain.trvOverview->HighlightedNode();
        if (TOverviewTree::NodeId(node)) {
            node->setText(0, AreaNodeText(panel->ShownKind(), props.Href, props.Coords));
        }
    }
    FMain.RenderView();
}

void TPanelController::inpLinkChange() {
    if (!FMain.State().UpdatingControls) {
        FMain.SetModified(true);
    }
}

void TPanelController::inpLinkExit() {
    if (!FMain.State().UpdatingControls) {
        StoreAreaPanel();
    }
}

void TPanelController::strgrCoordsSelectCell() {
    if (!FMain.State().UpdatingControls) {
        StoreAreaPanel();
    }
}

void TPanelController::strgrCoordsExit() {
    if (!FMain.State().UpdatingControls) {
        StoreAreaPanel();
    }
}

void TPanelController::strgrCoordsKeyPress() {
    FMain.SetModified(true);
}

void TPanelController::strgrCoordsEnter() {
    StoreAreaPanel();
}

void TPanelController::btnCopyCoordsClick() {
    TEditorState& state = FMain.State();
    const TCoordinatesGrid* grid = FMain.pclProperties->strgrCoords;
    state.CoordsBuffer.clear();
    const auto [top, bottom] = grid->SelectedRows();
    for (int row = top; row <= bottom; ++row) {
        state.CoordsBuffer.append(grid->ValueText(row));
    }
    state.CoordsBufferFilled = true;
    FMain.pclProperties->btnPasteCoords->setEnabled(true);
}

void TPanelController::btnPasteCoordsClick() {
    TEditorState& state = FMain.State();
    if (!state.CoordsBufferFilled) {
        return;
    }
    TCoordinatesGrid* grid = FMain.pclProperties->strgrCoords;
    const auto [top, bottom] = grid->SelectedRows();
    qsizetype entry = 0;
    for (int row = top; row <= bottom && entry < state.CoordsBuffer.size(); ++row, ++entry) {
        grid->SetValueText(row, state.CoordsBuffer.at(entry));
    }
    StoreAreaPanel();
    FMain.SetModified(true);
}

void TPanelController::FocusChanged(QWidget* old, QWidget* now) {
    if (old == nullptr || now == nullptr || now->window() != FMain.window() ||
        FMain.State().UpdatingControls) {
        return;
    }
    TPropertyPanel* panel = FMain.pclProperties;
    for (QLineEdit* box : panel->EditBoxes()) {
        if (old == box && now != box) {
            inpLinkExit();
            return;
        }
    }
    if (IsInside(panel->strgrCoords, old) && !IsInside(panel->strgrCoords, now)) {
        strgrCoordsExit();
    }
}

} // namespace kvx
