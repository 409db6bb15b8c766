#include "editor/AreaActions.h"

#include "editor/FrmMain.h"
#include "editor/PropertyPanel.h"
#include "platform/QtCanvas.h"
#include "platform/widgets/DialogService.h"

namespace kvx {

namespace {

bool Confirmed(TfrmMain& main, const QString& question) {
    return Dialogs().Message(&main, TMsgKind::Confirmation, question, TMsgButtons::OkCancel) ==
           TMsgResult::Ok;
}

} // namespace

TAreaActions::TAreaActions(TfrmMain& main) : QObject(&main), FMain(main) {
    TPropertyPanel* panel = FMain.pclProperties;
    connect(panel->btnLinkAreaToFront, &QPushButton::clicked, this,
            &TAreaActions::btnLinkAreaToFrontClick);
    connect(panel->btnCloneLinkArea, &QPushButton::clicked, this,
            &TAreaActions::btnCloneLinkAreaClick);
    connect(panel->btnDelLinkArea, &QPushButton::clicked, this, &TAreaActions::btnDelLinkAreaClick);
    connect(panel->btnSelectColor, &QToolButton::clicked, this, &TAreaActions::btnSelectColorClick);
    connect(panel->chkContrast, &QCheckBox::toggled, this, &TAreaActions::chkContrastClick);
}

void TAreaActions::btnLinkAreaToFrontClick() {
    if (!FMain.HasMap() || !FMain.Document().CurrentMap->HasSelection()) {
        return;
    }
    if (!Confirmed(
            FMain,
            QStringLiteral("Soll die aktive Verweisfläche in den Vordergrund gerückt werden?"))) {
        return;
    }
    FMain.Document().CurrentMap->BringSelectedToFront();
    FMain.SetModified(true);
    // The drawing order changed with the list order.
    FMain.RenderView();
}

void TAreaActions::btnCloneLinkAreaClick() {
    if (!FMain.HasMap()) {
        return;
    }
    TImageMap& map = *FMain.Document().CurrentMap;
    FMain.StoreAreaPanel();
    TLinkAreaProperties original;
    map.GetSelectedProperties(original);
    map.ClearSelection();
    FMain.DisableAreaPanel();

    std::string status;
    bool created = true;
    switch (original.Kind) {
    case akRectangle:
    case akCircle:
        map.AddArea(original.Kind, 0, 0, status);
        map.ModifySelected(0, 0, 0, 0, mmFinish, status);
        break;
    case akPolygon: {
        map.AddArea(akPolygon, 0, 0, status);
        // The creation starts with a point and the rubber-band point; finishing drops the
        // latter, so N - 1 further points give a polygon of N points.
        const std::size_t points = original.Coords.size() / 4;
        for (std::size_t i = 1; i < points; ++i) {
            map.ModifySelected(0, 0, 0, 0, mmAddPoint, status);
        }
        map.ModifySelected(0, 0, 0, 0, mmFinish, status);
        break;
    }
    default:
        created = false;
        break;
    }
    if (created) {
        map.SetSelectedProperties(original);
        FMain.AddAreaTreeNode();
        FMain.ShowSelectedArea();
        FMain.SetModified(true);
    }
    FMain.RenderView();
}

void TAreaActions::btnDelLinkAreaClick() {
    if (!FMain.HasMap() || !FMain.Document().CurrentMap->HasSelection()) {
        return;
    }
    if (!Confirmed(FMain,
                   QStringLiteral("Soll die aktive Verweisfläche wirklich gelöscht werden?"))) {
        return;
    }
    FMain.DeleteAreaTreeNode();
    FMain.Document().CurrentMap->DeleteSelected();
    FMain.ShowSelectedArea();
    FMain.RenderView();
    FMain.SetModified(true);
}

void TAreaActions::btnSelectColorClick() {
    const std::optional<QColor> chosen = Dialogs().ChooseColor(&FMain, FLastChosenColor);
    if (!chosen) {
        return;
    }
    FLastChosenColor = *chosen;
    TPropertyPanel* panel = FMain.pclProperties;
    {
        // Unticking here must not store the swatch's old colour on the way.
        const TUpdatingControlsGuard guard(FMain.State());
        panel->chkContrast->setChecked(false);
    }
    panel->SetSwatchColor(CodeFromColor(*chosen));
    FMain.StoreAreaPanel();
    FMain.SetModified(true);
}

void TAreaActions::chkContrastClick() {
    if (FMain.State().UpdatingControls) {
        return;
    }
    TPropertyPanel* panel = FMain.pclProperties;
    if (panel->chkContrast->isChecked()) {
        panel->SetSwatchColor(clBtnFace);
    }
    FMain.StoreAreaPanel();
    FMain.SetModified(true);
}

} // namespace kvx
