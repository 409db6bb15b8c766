#pragma once
// Connects the shell's commands to the main window: the file, map and help commands, the
// publishing commands, the map choice for the readers and the closing question. Created once
// by the start-up after all windows exist; a child of the main window.

#include "app/FileCommands.h"
#include "app/MapCommands.h"
#include "app/PublishWiring.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;

namespace kvx {

class TFrmPreview;
class TfrmHtmlFile;
class TfrmInfo;
class TfrmMain;
class TfrmCheckResults;
class TMapCheckCommand;
class TfrmMapChoice;
class TfrmMapProps;

class TShellCommands : public QObject {
    Q_OBJECT
public:
    TShellCommands(TfrmMain& main, TfrmMapProps& mapProps, TfrmMapChoice& mapChoice, TfrmInfo& info,
                   TFrmPreview& preview, TfrmHtmlFile& htmlFile);

    TFileCommands& Files() { return FFiles; }
    TMapCommands& Map() { return FMap; }
    TPublishWiring& Publishing() { return FPublishing; }
    TMapCheckCommand& Checks() { return *FChecks; }
    TfrmCheckResults& CheckResults() { return *FCheckResults; }

private:
    template <typename Handler>
    void Connect(std::initializer_list<QAction*> actions, Handler handler);

    TfrmMain& FMain;
    TFileCommands FFiles;
    TMapCommands FMap;
    TPublishWiring FPublishing;
    // Both children of the main window, which they live and die with.
    TfrmCheckResults* FCheckResults;
    TMapCheckCommand* FChecks;
};

// The file named on the command line: a ".kvx" file (any letter case) is opened like Open,
// any other file imported like Import, both without their file dialog. A relative path is
// taken relative to the current folder.
void OpenFileFromCommandLine(TShellCommands& commands, const QString& path);
// The program's arguments (the program itself first): opens the first file named, if any.
void OpenFileFromArguments(TShellCommands& commands, const QStringList& arguments);

} // namespace kvx
