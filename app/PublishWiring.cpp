#include "app/PublishWiring.h"

#include "editor/unitFrmMain.h"
#include "publish/PreviewCommand.h"
#include "publish/PublishCommands.h"
#include "publish/unitFrmHtmlFile.h"
#include "publish/unitFrmPreview.h"

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
