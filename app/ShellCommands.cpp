#include "app/ShellCommands.h"

#include "app/FrmCheckResults.h"
#include "app/FrmMapChoice.h"
#include "app/MapCheckCommand.h"
#include "editor/FrmMain.h"
#include "formats/ProjectFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace kvx {

TShellCommands::TShellCommands(TfrmMain& main, TfrmMapProps& mapProps, TfrmMapChoice& mapChoice,
                               TfrmInfo& info, TFrmPreview& preview, TfrmHtmlFile& htmlFile)
    : QObject(&main), FMain(main), FFiles(main), FMap(main, FFiles, mapProps, info),
      FPublishing(main, preview, htmlFile), FCheckResults(new TfrmCheckResults(&main)),
      FChecks(new TMapCheckCommand(main, *FCheckResults)) {
    setObjectName(QStringLiteral("ShellCommands"));

    Connect({main.mniNew, main.tbtNew}, [this] { FMap.mniNewClick(); });
    Connect({main.mniOpen, main.tbtOpen}, [this] { FFiles.mniOpenClick(); });
    Connect({main.mniSave, main.tbtSave}, [this] { FFiles.mniSaveClick(); });
    Connect({main.mniSaveAs}, [this] { FFiles.mniSaveAsClick(); });
    Connect({main.mniImport}, [this] { FFiles.mniImportClick(); });
    FFiles.UpdateRecentMenu();
    Connect({main.mniExit}, [this] { FMap.mniExitClick(); });
    Connect({main.mniMapProperties, main.tbtMapProperties},
            [this] { FMap.mniMapPropertiesClick(); });
    Connect({main.mniPreview, main.tbtPreview}, [this] { FPublishing.mniPreviewClick(); });
    Connect({main.mniInsertNew, main.tbtInsertNew}, [this] { FPublishing.mniInsertNewClick(); });
    Connect({main.mniInsertExisting, main.tbtInsertExisting},
            [this] { FPublishing.mniInsertExistingClick(); });
    Connect({main.mniCopyToClipboard, main.tbtCopyToClipboard},
            [this] { FPublishing.mniCopyToClipboardClick(); });
    Connect({main.mniCheckMap}, [this] { FChecks->mniCheckMapClick(); });
    Connect({main.mniHelp}, [this] { FMap.mniHelpClick(); });
    Connect({main.mniHomePage}, [this] { FMap.mniHomePageClick(); });
    Connect({main.mniInfo}, [this] { FMap.mniInfoClick(); });

    main.ChooseMapHandler =
        [choice = QPointer<TfrmMapChoice>(&mapChoice)](
            const std::vector<std::string>& names) -> std::optional<std::size_t> {
        return choice ? choice->Choose(names) : std::nullopt;
    };
    // Without these commands (deleted before the window) the window simply closes.
    main.CloseQueryHandler = [commands = QPointer<TShellCommands>(this)] {
        return commands ? commands->FMap.FormClose() : true;
    };
}

template <typename Handler>
void TShellCommands::Connect(std::initializer_list<QAction*> actions, Handler handler) {
    for (QAction* action : actions) {
        connect(action, &QAction::triggered, this, handler);
    }
}

void OpenFileFromCommandLine(TShellCommands& commands, const QString& path) {
    // Absolute, so that the map's project file and the image search do not depend on the
    // folder the program happens to run in later.
    const QString absolutePath = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (IsProjectFilePath(absolutePath.toStdString())) {
        commands.Files().OpenProjectFileCommand(absolutePath);
    } else {
        commands.Files().ImportHtmlFileCommand(absolutePath);
    }
}

void OpenFileFromArguments(TShellCommands& commands, const QStringList& arguments) {
    if (arguments.size() > 1 && !arguments.at(1).isEmpty()) {
        OpenFileFromCommandLine(commands, arguments.at(1));
    }
}

} // namespace kvx
