#pragma once
// The windows of the program with the shell's commands wired as at start-up, headless, and
// fixture files (images, HTML pages, project files) in a temporary folder.

#include "app/FrmInfo.h"
#include "app/FrmMapChoice.h"
#include "app/FrmMapProps.h"
#include "app/ShellCommands.h"
#include "editor/FrmMain.h"
#include "publish/FrmHtmlFile.h"
#include "publish/FrmPreview.h"
#include "support/QtPrinters.h"
#include "support/ScriptedDialogService.h"
#include "support/ShownCaption.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace kvx::test {

inline constexpr const char* OpenErrorStart =
    "Fehler beim Öffnen der Datei! Drücken Sie F1 für weitere Informationen!\r\nGenauer Fehler: ";
inline constexpr const char* SaveErrorStart = "Fehler beim Öffnen der Datei! Bitte drücken Sie F1 "
                                              "für weitere Informationen!\r\nGenauer Fehler: ";

class TCommandsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TfrmMain& Main() { return *FMain; }
    TShellCommands& Commands() { return *FCommands; }
    // The open map; without one the test fails with an exception instead of crashing.
    TImageMap& Map();
    bool HasMap() const { return FMain->HasMap(); }

    // A file of the temporary folder.
    QString PathOf(const QString& name) const;
    // A one-colour PNG of the given size.
    QString WriteImage(const QString& name, QSize size);
    QString WriteFile(const QString& name, const QByteArray& bytes);
    QByteArray ReadFile(const QString& path) const;

    // Answers the next program dialog: the map properties dialog gets these four fields
    // (image path as it stands) and its OK button is clicked; returns what the dialog ended with.
    static void AnswerMapProps(TScriptedDialogs& dialogs, const QString& name,
                               const QString& imageFile, const QString& altText = {},
                               const QString& border = QStringLiteral("0"));
    // Runs New with a map "karte" on an image of size, answering every question; the new map
    // starts unmodified, with an empty history.
    void CreateMap(QSize size = QSize(60, 40), const QString& name = QStringLiteral("karte"));
    // A finished rectangle as a loader adds it: tree node, no selection afterwards.
    void AddRectangle(int x1, int y1, int x2, int y2, const std::string& href);
    // A rectangle drawn and given its link through the edit layer, as the user makes it: two
    // steps, the map modified, no selection afterwards.
    void DrawRectangle(int x1, int y1, int x2, int y2, const std::string& href = "a.htm");
    // Selects the area and fills the property panel with it, as a click on its node does.
    void SelectArea(std::int32_t id);
    TLinkAreaProperties PropertiesOf(std::int32_t id);
    // Types a link into the panel's href field without leaving it: an edit not yet stored.
    void TypeLinkInPanel(const QString& href);
    // The text of the overview tree's map node.
    QString MapNodeText();

    QTemporaryDir Folder;
    std::unique_ptr<TfrmMain> FMain;
    std::unique_ptr<TfrmMapProps> MapProps;
    std::unique_ptr<TfrmMapChoice> MapChoice;
    std::unique_ptr<TfrmInfo> Info;
    std::unique_ptr<TFrmPreview> Preview;
    std::unique_ptr<TfrmHtmlFile> HtmlFile;

private:
    TShellCommands* FCommands = nullptr;
};

} // namespace kvx::test
