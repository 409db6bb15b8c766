#include "app/MapCommands.h"

#include "app/FileCommands.h"
#include "app/FrmInfo.h"
#include "app/FrmMapProps.h"
#include "app/HomePage.h"
#include "editor/FrmMain.h"
#include "editor/LoadIndicator.h"
#include "formats/MapReadResult.h"
#include "images/ImageLoading.h"
#include "platform/widgets/DialogService.h"
#include "platform/widgets/HelpSystem.h"

#include <memory>

namespace kvx {

namespace {

void ShowError(TfrmMain& main, const char* text) {
    Dialogs().Message(&main, TMsgKind::Error, QString::fromUtf8(text), TMsgButtons::Ok);
}

void TakeFields(TImageMap& map, const TMapPropsFields& fields) {
    map.Name = fields.name.toStdString();
    map.ImageFile = fields.imageFile.toStdString();
    map.AltText = fields.altText.toStdString();
    map.Border = fields.border.toStdString();
}

} // namespace

TMapCommands::TMapCommands(TfrmMain& main, TFileCommands& files, TfrmMapProps& mapProps,
                           TfrmInfo& info)
    : FMain(main), FFiles(files), FMapProps(mapProps), FInfo(info) {}

void TMapCommands::mniNewClick() {
    if (!FFiles.QuerySaveChanges()) {
        return;
    }
    FMapProps.setWindowTitle(QStringLiteral("Neue Image Map"));
    FMapProps.SetFields({QString(), QString(), QString(), QStringLiteral("0")});
    if (Dialogs().Exec(FMapProps) != QDialog::Accepted) {
        return;
    }
    // Made aside like a map that is read: the open map stays when the image does not load.
    TMapReadResult created;
    created.Map = std::make_unique<TImageMap>();
    TakeFields(*created.Map, FMapProps.Fields());
    if (!LoadImage(created.Map->ImageFile, created.Bitmaps, FMain.Loading())) {
        ShowError(FMain, UnknownImageFormatMessage);
        return;
    }
    FMain.ShowReadMap(std::move(created));
}

void TMapCommands::mniMapPropertiesClick() {
    if (!FMain.HasMap()) {
        return;
    }
    FMain.StoreAreaPanelIfSelected();
    TMapEdits& edits = FMain.Edits();
    {
        const TMapFields fields = edits.Fields();
        FMapProps.setWindowTitle(QStringLiteral("Image Map Eigenschaften"));
        FMapProps.SetFields(
            {QString::fromStdString(fields.Name), QString::fromStdString(fields.ImageFile),
             QString::fromStdString(fields.AltText), QString::fromStdString(fields.Border)});
    }
    if (Dialogs().Exec(FMapProps) != QDialog::Accepted) {
        return;
    }
    const TMapPropsFields fields = FMapProps.Fields();
    edits.ChangeMapProperties({fields.name.toStdString(), fields.imageFile.toStdString(),
                               fields.altText.toStdString(), fields.border.toStdString()});
}

bool TMapCommands::FormClose() {
    if (!FFiles.QuerySaveChanges()) {
        return false;
    }
    FMain.ResetEditor();
    Help().Quit();
    return true;
}

void TMapCommands::mniExitClick() {
    FMain.close();
}

void TMapCommands::mniHelpClick() {
    Help().ShowContext(hcHelpContents);
}

void TMapCommands::mniHomePageClick() {
    OpenHomePage();
}

void TMapCommands::mniInfoClick() {
    Dialogs().Exec(FInfo);
}

} // namespace kvx
