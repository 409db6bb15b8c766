#include "publish/PublishCommands.h"

#include "model/ImageMap.h"
#include "platform/FilePaths.h"
#include "platform/widgets/DialogService.h"
#include "publish/FrmHtmlFile.h"
#include "publish/HtmlFileText.h"
#include "publish/MapDefinitionText.h"
#include "publish/PageTemplate.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kvx {

namespace {

const QString OpenFilter = QStringLiteral(
    "HTML-Dateien (*.htm;*.html)|*.HTM;*.HTML|HTML-Dateien (*.htm)|*.HTM|HTML-Dateien "
    "(*.html)|*.HTML|Alle Dateien (*.*)|*.*");

QString ImageFolder(const TImageMap& map) {
    return QString::fromStdString(FolderPart(map.ImageFile));
}

} // namespace

void InsertIntoNewHtmlFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window) {
    InsertIntoNewHtmlFile(map, imageSize, window, DataFilePath("vorlage.htm"));
}

void InsertIntoNewHtmlFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window,
                           const std::string& templatePath) {
    window.SetText(QString());
    const QString definition = PublishingDefinition(map, imageSize);
    // Positions are counted on the editor's own line ends, so the selection lands exactly.
    const TMarkerReplacement page = ReplaceMapMarker(
        ToEditorLineEnds(LoadPageTemplate(templatePath)), ToEditorLineEnds(definition));
    if (page.Found()) {
        window.SetText(page.Text);
        window.MarkDefinition(page.Position, page.Length);
    }
    window.FilePath = ImageFolder(map);
    window.Definition = definition;
    window.Format = THtmlFileFormat();
    window.Changed = true;
    window.setWindowTitle(QStringLiteral("Neue HTML-Datei"));
    Dialogs().Exec(window);
}

void InsertIntoExistingHtmlFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window) {
    window.SetText(QString());
    const QString definition = PublishingDefinition(map, imageSize);
    TFileDialogRequest request;
    request.InitialFolder = QString::fromStdString(ToNativeSeparators(FolderPart(map.ImageFile)));
    request.Filter = OpenFilter;
    request.MustExist = true;
    const std::optional<QString> chosen = Dialogs().OpenFile(window.parentWidget(), request);
    if (!chosen) {
        return;
    }
    const THtmlFileText file = LoadHtmlFile(chosen->toStdString());
    window.SetText(file.Text);
    window.FilePath = *chosen;
    window.Definition = definition;
    window.Format = file.Format;
    window.Changed = false;
    window.setWindowTitle(*chosen);
    Dialogs().Exec(window);
}

void CopyToClipboard(const TImageMap& map, QSize imageSize) {
    QGuiApplication::clipboard()->setText(PublishingDefinition(map, imageSize));
}

} // namespace kvx
