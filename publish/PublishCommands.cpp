#include "publish/PublishCommands.h"

#include "formats/NewPage.h"
#include "formats/PageText.h"
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

// Once the window's file is chosen, the definition names the image from the file's folder.
void FollowTheChosenFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window) {
    window.DefinitionForPage = [&map, imageSize](const QString& pagePath) {
        return PublishingDefinition(map, imageSize, pagePath);
    };
}

} // namespace

void InsertIntoNewHtmlFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window) {
    InsertIntoNewHtmlFile(map, imageSize, window, DataFilePath("vorlage.htm"));
}

void InsertIntoNewHtmlFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window,
                           const std::string& templatePath) {
    // No file is chosen yet: the image goes by its file name.
    const QString definition = PublishingDefinition(map, imageSize);
    // A save compares the editor's text with the template's, so the new file is the
    // template's bytes with the definition in place of the marker, in the template's encoding
    // and with its line ends.
    window.SetPage(LoadPageTemplate(templatePath));
    const TMarkerReplacement page = ReplaceMapMarker(window.Text(), ToEditorLineEnds(definition));
    window.SetText(page.Found() ? page.Text : QString());
    if (page.Found()) {
        window.MarkDefinition(page.Position, page.Length);
    }
    window.FilePath = ImageFolder(map);
    window.Definition = definition;
    FollowTheChosenFile(map, imageSize, window);
    window.Changed = true;
    window.setWindowTitle(QStringLiteral("Neue HTML-Datei"));
    Dialogs().Exec(window);
    window.DefinitionForPage = nullptr; // it refers to the map
}

void InsertIntoExistingHtmlFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window) {
    window.SetPage(TPageText());
    TFileDialogRequest request;
    request.InitialFolder = QString::fromStdString(ToNativeSeparators(FolderPart(map.ImageFile)));
    request.Filter = OpenFilter;
    request.MustExist = true;
    const std::optional<QString> chosen = Dialogs().OpenFile(window.parentWidget(), request);
    if (!chosen) {
        return;
    }
    window.SetPage(TPageText::ReadFile(chosen->toStdString()));
    window.FilePath = *chosen;
    window.Definition = PublishingDefinition(map, imageSize, *chosen);
    FollowTheChosenFile(map, imageSize, window);
    window.Changed = false;
    window.setWindowTitle(*chosen);
    Dialogs().Exec(window);
    window.DefinitionForPage = nullptr;
}

void CopyToClipboard(const TImageMap& map, QSize imageSize) {
    QGuiApplication::clipboard()->setText(PublishingDefinition(map, imageSize));
}

} // namespace kvx
