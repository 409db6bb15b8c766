#include "app/FileCommands.h"

#include "editor/FrmMain.h"
#include "editor/LoadIndicator.h"
#include "formats/ProjectFile.h"
#include "images/ImageFiles.h"
#include "platform/FileError.h"
#include "platform/FilePaths.h"
#include "platform/widgets/DialogService.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <cerrno>

namespace kvx {

namespace {

const char* const OpenFilter = "Korvane Dateien (*.kvx)|*.KVX";
const char* const SaveFilter = "Korvane 2 - Dateien (*.kvx)|*.kvx";
const char* const ImportFilter =
    "HTML-Dateien (*.htm;*.html)|*.HTM;*.HTML|HTML-Dateien (*.htm)|*.HTM|HTML-Dateien "
    "(*.html)|*.HTML|Alle Dateien (*.*)|*.*";

QString FolderOf(const std::string& path) {
    return QString::fromStdString(ToNativeSeparators(FolderPart(path)));
}

void ShowError(TfrmMain& main, const std::string& text) {
    Dialogs().Message(&main, TMsgKind::Error, QString::fromStdString(text), TMsgButtons::Ok);
}

} // namespace

TFileCommands::TFileCommands(TfrmMain& main) : FMain(main) {}

bool TFileCommands::QuerySaveChanges() {
    FMain.StoreAreaPanelIfSelected();
    if (!FMain.HasMap() || !FMain.Modified()) {
        return true;
    }
    switch (Dialogs().Message(&FMain, TMsgKind::Confirmation,
                              QString::fromUtf8(UnsavedChangesQuestion),
                              TMsgButtons::YesNoCancel)) {
    case TMsgResult::Yes:
        // A save that did not happen (cancelled, failed) must not let the changes be lost.
        return mniSaveClick();
    case TMsgResult::No:
        return true;
    case TMsgResult::Ok:
    case TMsgResult::Cancel:
        break;
    }
    return false;
}

void TFileCommands::mniOpenClick() {
    ChooseAndReadFile(OpenFilter, OpenProjectFile);
}

void TFileCommands::mniImportClick() {
    ChooseAndReadFile(ImportFilter, ImportHtmlFile);
}

void TFileCommands::OpenProjectFileCommand(const QString& path) {
    if (QuerySaveChanges()) {
        ReadFile(path, OpenProjectFile);
    }
}

void TFileCommands::ImportHtmlFileCommand(const QString& path) {
    if (QuerySaveChanges()) {
        ReadFile(path, ImportHtmlFile);
    }
}

void TFileCommands::ChooseAndReadFile(const char* filter, TFileReader read) {
    if (!QuerySaveChanges()) {
        return;
    }
    TFileDialogRequest request;
    request.Filter = QString::fromUtf8(filter);
    request.MustExist = true;
    if (const std::optional<QString> chosen = Dialogs().OpenFile(&FMain, request)) {
        ReadFile(*chosen, read);
    }
}

void TFileCommands::ReadFile(const QString& path, TFileReader read) {
    try {
        // The reader builds the new map aside; the open one goes only when that succeeded.
        TLoadIndicator& loading = FMain.Loading();
        if (TMapReadResult result =
                read(path.toStdString(), FMain, TImageFiles(loading), loading)) {
            FMain.ShowReadMap(std::move(result));
            TRecentFiles::Add({QFileInfo(path).absoluteFilePath(), read == ImportHtmlFile});
            UpdateRecentMenu();
        }
    } catch (const TFileError& error) {
        ShowError(FMain, OpenFileErrorMessage(error));
    }
}

void TFileCommands::UpdateRecentMenu() {
    QMenu* menu = FMain.mnuRecent;
    menu->clear();
    const std::vector<TRecentFile> files = TRecentFiles::Load();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const TRecentFile file = files[i];
        QAction* item = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(file.Path)));
        item->setObjectName(QStringLiteral("mniRecent%1").arg(i + 1));
        // Queued: opening rebuilds this menu, which deletes the item that was triggered.
        QObject::connect(
            item, &QAction::triggered, menu, [this, file] { OpenRecentFile(file); },
            Qt::QueuedConnection);
    }
    menu->setEnabled(!files.empty());
}

void TFileCommands::OpenRecentFile(const TRecentFile& file) {
    if (!QFileInfo::exists(file.Path)) {
        ShowError(FMain, OpenFileErrorMessage(TFileError::FromSystem(ENOENT)));
        TRecentFiles::Remove(file.Path);
        UpdateRecentMenu();
        return;
    }
    if (file.Page) {
        ImportHtmlFileCommand(file.Path);
    } else {
        OpenProjectFileCommand(file.Path);
    }
}

bool TFileCommands::mniSaveClick() {
    if (!FMain.HasMap()) {
        return false;
    }
    FMain.StoreAreaPanelIfSelected();
    TImageMap& map = *FMain.Document().CurrentMap;
    if (map.ProjectFile.empty()) {
        const QString path = AskForProjectPath(FolderOf(map.ImageFile));
        if (path.isEmpty()) {
            return false;
        }
        map.ProjectFile = path.toStdString();
    }
    return WriteProjectFile(false);
}

bool TFileCommands::mniSaveAsClick() {
    if (!FMain.HasMap()) {
        return false;
    }
    FMain.StoreAreaPanelIfSelected();
    TImageMap& map = *FMain.Document().CurrentMap;
    const QString path =
        AskForProjectPath(FolderOf(map.ProjectFile.empty() ? map.ImageFile : map.ProjectFile));
    if (path.isEmpty()) {
        return false;
    }
    const std::string previous = map.ProjectFile;
    map.ProjectFile = path.toStdString();
    if (!WriteProjectFile(true)) {
        // A name the file could not be written under must not become the one the next Save
        // (of the close question, say) writes to without asking.
        map.ProjectFile = previous;
        return false;
    }
    return true;
}

QString TFileCommands::AskForProjectPath(const QString& initialFolder) {
    TFileDialogRequest request;
    request.InitialFolder = initialFolder;
    request.Filter = QString::fromUtf8(SaveFilter);
    request.DefaultSuffix = QStringLiteral("kvx");
    request.ConfirmOverwrite = true;
    return Dialogs().SaveFile(&FMain, request).value_or(QString());
}

bool TFileCommands::WriteProjectFile(bool saveAs) {
    const TMapDocument& document = FMain.Document();
    const TImageMap& map = *document.CurrentMap;
    try {
        SaveProjectFile(map.ProjectFile, map, document.SourceBitmap.width(),
                        document.SourceBitmap.height(), saveAs);
    } catch (const TFileError& error) {
        // The previous file is untouched; the map keeps its changes and the path.
        ShowError(FMain, SaveFileErrorMessage(error));
        return false;
    }
    FMain.SetModified(false);
    FMain.UpdateCaption(); // the file name may be new while the history was already clean
    return true;
}

} // namespace kvx
