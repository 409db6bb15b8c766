#include "editor/AreaActions.h"

#include "editor/MapEdits.h"
#include "editor/PanelController.h"
#include "editor/PropertyPanel.h"
#include "platform/QtCanvas.h"
#include "platform/widgets/DialogService.h"

namespace kvx {

TAreaActions::TAreaActions(const TEditorContext& context, const TAreaActionWidgets& widgets,
                           QObject* parent)
    : QObject(parent), FContext(context), FWidgets(widgets) {
    TPropertyPanel* panel = FWidgets.Panel;
    connect(panel->btnLinkAreaToFront, &QPushButton::clicked, this,
            &TAreaActions::btnLinkAreaToFrontClick);
    connect(panel->btnCloneLinkArea, &QPushButton::clicked, this,
            &TAreaActions::btnCloneLinkAreaClick);
    connect(panel->btnDelLinkArea, &QPushButton::clicked, this, &TAreaActions::btnDelLinkAreaClick);
    connect(panel->btnSelectColor, &QToolButton::clicked, this, &TAreaActions::btnSelectColorClick);
    connect(panel->chkContrast, &QCheckBox::toggled, this, &TAreaActions::chkContrastClick);
}

bool TAreaActions::HasSelection() const {
    return FContext.HasMap() && FContext.Map().HasSelection();
}

bool TAreaActions::Confirmed(const QString& question) const {
    return Dialogs().Message(FWidgets.Window, TMsgKind::Confirmation, question,
                             TMsgButtons::OkCancel) == TMsgResult::Ok;
}

void TAreaActions::btnLinkAreaToFrontClick() {
    if (!HasSelection() ||
        !Confirmed(
            QStringLiteral("Soll die aktive Verweisfläche in den Vordergrund gerückt werden?"))) {
        return;
    }
    FContext.Edits.BringSelectedToFront();
}

void TAreaActions::btnCloneLinkAreaClick() {
    if (!FContext.HasMap()) {
        return;
    }
    FWidgets.PanelController->StoreAreaPanel();
    FContext.Edits.DuplicateSelected();
}

void TAreaActions::btnDelLinkAreaClick() {
    if (!HasSelection() ||
        !Confirmed(QStringLiteral("Soll die aktive Verweisfläche wirklich gelöscht werden?"))) {
        return;
    }
    FContext.Edits.DeleteSelected();
}

void TAreaActions::btnSelectColorClick() {
    const std::optional<QColor> chosen = Dialogs().ChooseColor(FWidgets.Window, FLastChosenColor);
    if (!chosen) {
        return;
    }
    FLastChosenColor = *chosen;
    TPropertyPanel* panel = FWidgets.Panel;
    {
        // Unticking here must not store the swatch's old colour on the way.
        const TUpdatingControlsGuard guard(FContext.State);
        panel->chkContrast->setChecked(false);
    }
    panel->SetSwatchColor(CodeFromColor(*chosen));
    FWidgets.PanelController->StoreAreaPanel(QStringLiteral("Umrissfarbe ändern"));
}

void TAreaActions::chkContrastClick() {
    if (FContext.State.UpdatingControls) {
        return;
    }
    TPropertyPanel* panel = FWidgets.Panel;
    if (panel->chkContrast->isChecked()) {
        panel->SetSwatchColor(clBtnFace);
    }
    FWidgets.PanelController->StoreAreaPanel(QStringLiteral("Kontrastdarstellung ändern"));
}

} // namespace kvx
