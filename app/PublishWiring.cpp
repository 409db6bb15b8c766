#include "app/PublishWiring.h"

#include "editor/FrmMain.h"
#include "publish/FrmHtmlFile.h"
#include "publish/FrmPreview.h"
#include "publish/PreviewCommand.h"
#include "publish/PublishCommands.h"

namespace kvx {

TPublishWiring::TPublishWiring(TfrmMain& main, TFrmPreview& preview, TfrmHtmlFile& htmlFile)
    : FMain(main), FPreview(preview), FHtmlFile(htmlFile) {}

bool TPublishWiring::PrepareMap() {
    if (!FMain.HasMap()) {
        return false;
    }
    FMain.StoreAreaPanelIfSelected();
    return true;
}

void TPublishWiring::mniPreviewClick() {
    if (PrepareMap()) {
        const TMapDocument& document = FMain.Document();
        RunPreview(*document.CurrentMap, document.SourceBitmap.size(), FPreview);
    }
}

void TPublishWiring::mniInsertNewClick() {
    if (PrepareMap()) {
        const TMapDocument& document = FMain.Document();
        InsertIntoNewHtmlFile(*document.CurrentMap, document.SourceBitmap.size(), FHtmlFile);
    }
}

void TPublishWiring::mniInsertExistingClick() {
    if (PrepareMap()) {
        const TMapDocument& document = FMain.Document();
        InsertIntoExistingHtmlFile(*document.CurrentMap, document.SourceBitmap.size(), FHtmlFile);
    }
}

void TPublishWiring::mniCopyToClipboardClick() {
    if (PrepareMap()) {
        const TMapDocument& document = FMain.Document();
        CopyToClipboard(*document.CurrentMap, document.SourceBitmap.size());
    }
}

} // namespace kvx
