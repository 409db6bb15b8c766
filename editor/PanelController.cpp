#include "editor/PanelController.h"

#include "editor/MapEdits.h"
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

TPanelController::TPanelController(const TEditorContext& context, const TPanelWidgets& widgets,
                                   QObject* parent)
    : QObject(parent), FContext(context), FWidgets(widgets) {
    TPropertyPanel* panel = FWidgets.Panel;
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
        for (const QAction* command : FWidgets.Window->findChildren<QAction*>()) {
            if (command->isEnabled() && command->shortcuts().contains(pressed)) {
                event->ignore();
                return true; // not the box's key: the shortcut goes to the command
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void TPanelController::DisableAreaPanel() {
    const TUpdatingControlsGuard guard(FContext.State);
    FWidgets.Panel->SetDisabledLook();
}

void TPanelController::ShowSelectedArea() {
    TEditorState& state = FContext.State;
    const TUpdatingControlsGuard guard(state);
    if (!FContext.HasMap() || !FContext.Map().HasSelection()) {
        DisableAreaPanel();
        FWidgets.Tree->RemoveHighlight();
        return;
    }
    TPropertyPanel* panel = FWidgets.Panel;
    panel->SetEnabledLook(state.CoordsBufferFilled);
    TLinkAreaProperties props;
    FContext.Map().GetSelectedProperties(props);
    panel->ShowProperties(props);
    // Highlight the area's node and refresh its text, which a drag may have outdated.
    if (QTreeWidgetItem* node = FWidgets.Tree->FindAreaNode(props.Kind, props.Id)) {
        FWidgets.Tree->Highlight(node);
        node->setText(0, AreaNodeText(props.Kind, props.Href, props.Coords));
    }
}

void TPanelController::StoreAreaPanel(const QString& action) {
    if (!FContext.HasMap()) {
        return;
    }
    TImageMap& map = FContext.Map();
    TPropertyPanel* panel = FWidgets.Panel;
    if (!map.HasSelection() || !panel->isEnabled()) {
        return;
    }
    // While the edit tool drags an area it has just picked, the panel still shows the area
    // selected before (it was stored at the press); its values must not go into the other.
    if (map.SelectedId() != panel->ShownId()) {
        return;
    }
    const TUpdatingControlsGuard guard(FContext.State);
    FContext.Edits.StoreArea(panel->ReadProperties(), action);
}

void TPanelController::inpLinkChange() {
    // A typed text counts once it is stored (when the box is left or a command runs).
}

void TPanelController::inpLinkExit() {
    if (!FContext.State.UpdatingControls) {
        StoreAreaPanel();
    }
}

void TPanelController::strgrCoordsSelectCell() {
    if (!FContext.State.UpdatingControls) {
        StoreAreaPanel();
    }
}

void TPanelController::strgrCoordsExit() {
    if (!FContext.State.UpdatingControls) {
        StoreAreaPanel();
    }
}

void TPanelController::strgrCoordsKeyPress() {
    // A typed digit counts once its cell is committed.
}

void TPanelController::strgrCoordsEnter() {
    StoreAreaPanel();
}

void TPanelController::btnCopyCoordsClick() {
    TEditorState& state = FContext.State;
    const TCoordinatesGrid* grid = FWidgets.Panel->strgrCoords;
    state.CoordsBuffer.clear();
    const auto [top, bottom] = grid->SelectedRows();
    for (int row = top; row <= bottom; ++row) {
        state.CoordsBuffer.append(grid->ValueText(row));
    }
    state.CoordsBufferFilled = true;
    FWidgets.Panel->btnPasteCoords->setEnabled(true);
}

void TPanelController::btnPasteCoordsClick() {
    TEditorState& state = FContext.State;
    if (!state.CoordsBufferFilled) {
        return;
    }
    TCoordinatesGrid* grid = FWidgets.Panel->strgrCoords;
    const auto [top, bottom] = grid->SelectedRows();
    qsizetype entry = 0;
    for (int row = top; row <= bottom && entry < state.CoordsBuffer.size(); ++row, ++entry) {
        grid->SetValueText(row, state.CoordsBuffer.at(entry));
    }
    StoreAreaPanel(QStringLiteral("Koordinaten einfügen"));
}

void TPanelController::FocusChanged(QWidget* old, QWidget* now) {
    if (old == nullptr || now == nullptr || now->window() != FWidgets.Window->window() ||
        FContext.State.UpdatingControls) {
        return;
    }
    TPropertyPanel* panel = FWidgets.Panel;
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
