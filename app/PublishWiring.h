#pragma once
// The publishing commands as the main window runs them: pending panel edits are stored, then
// the open map goes to the preview, a new or an existing HTML file, or the clipboard.

namespace kvx {

class TFrmPreview;
class TfrmHtmlFile;
class TfrmMain;

class TPublishWiring {
public:
    TPublishWiring(TfrmMain& main, TFrmPreview& preview, TfrmHtmlFile& htmlFile);

    void mniPreviewClick();
    void mniInsertNewClick();
    // A file that cannot be read is not caught here: it reaches the internal-error handler.
    void mniInsertExistingClick();
    void mniCopyToClipboardClick();

private:
    // Stores the panel; false when no map is open.
    bool PrepareMap();

    TfrmMain& FMain;
    TFrmPreview& FPreview;
    TfrmHtmlFile& FHtmlFile;
};

} // namespace kvx
