#include "publish/PreviewCommand.h"

#include "model/ImageMap.h"
#include "platform/FileError.h"
#include "platform/widgets/DialogService.h"
#include "publish/FrmPreview.h"
#include "publish/MapDefinitionText.h"
#include "publish/PageTemplate.h"

#include <QDir>

namespace kvx {

void RunPreview(const TImageMap& map, QSize imageSize, TFrmPreview& window,
                const TPreviewEnvironment& environment) {
    window.ShowSourceCode(PublishingDefinition(map, imageSize));
    const QString pageText =
        ReplaceMapMarker(DefaultPageTemplateText(), PreviewDefinition(map, imageSize)).Text;

    // Declared before anything can fail, so the files go in every case when this returns.
    TPreviewFiles files(environment.TemporaryFolder.isEmpty() ? QDir::tempPath()
                                                              : environment.TemporaryFolder,
                        environment.WritePage);
    try {
        if (files.IsValid() && files.CopyImage(map.ImageFile)) {
            window.SetBrowserVisible(true);
            window.Navigate(files.WritePage(pageText));
        } else {
            // Without the image the page is of no use: the source alone is shown.
            window.SetBrowserVisible(false);
        }
        Dialogs().Exec(window);
    } catch (const TFileError&) {
        window.hide();
        Dialogs().Message(window.parentWidget(), TMsgKind::Error,
                          QStringLiteral("Fehler beim Erstellen der temporären Datei! Die "
                                         "Vorschau im Browser ist nicht möglich!"),
                          TMsgButtons::Ok);
    }
}

} // namespace kvx
