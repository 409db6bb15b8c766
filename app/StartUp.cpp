#include "app/StartUp.h"

#include "app/FrmInfo.h"
#include "app/FrmMapChoice.h"
#include "app/FrmMapProps.h"
#include "app/KorvaneApplication.h"
#include "app/ProgramIcon.h"
#include "app/ShellCommands.h"
#include "editor/FrmMain.h"
#include "platform/FilePaths.h"
#include "platform/widgets/HelpSystem.h"
#include "publish/FrmHtmlFile.h"
#include "publish/FrmPreview.h"

#include <QLibraryInfo>
#include <QTranslator>

#include <unistd.h>

namespace kvx {

void PrepareProcess() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

int RunKorvane(TKorvaneApplication& application) {
    // Only the name: a display name would be appended to every window caption on Linux.
    QApplication::setApplicationName(QStringLiteral("Korvane 2"));
    // Where the remembered settings (column width, recent files) are kept.
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setWindowIcon(ProgramIcon());

    // Qt's own texts of the standard dialogs in German.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(&qtTexts);
    }

    // The windows, each created once and kept for the whole run; the main window first.
    TfrmMain frmMain;
    TfrmInfo frmInfo(&frmMain);
    TfrmMapProps frmMapProps(&frmMain);
    TfrmHtmlFile frmHtmlFile(&frmMain);
    TFrmPreview frmPreview(&frmMain);
    TfrmMapChoice frmMapChoice(&frmMain);
    // Connects every command to the main window's actions; owned by the main window.
    auto* shellCommands =
        new TShellCommands(frmMain, frmMapProps, frmMapChoice, frmInfo, frmPreview, frmHtmlFile);

    Help().SetHelpFile(QString::fromStdString(DataFilePath("kvx2.hlp")));

    frmMain.show();
    // "korvane2 FILE" opens a project file like Open and imports any other file.
    OpenFileFromArguments(*shellCommands, application.arguments());
    return application.exec();
}

} // namespace kvx
