// Open and Import: project files of both versions, files that are not ours, HTML pages with
// several maps or a missing image, and files that cannot be read.
#include "CommandsTestSupport.h"

#include "formats/ReaderMessages.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <functional>

namespace kvx::test {
namespace {

const QString ImportFilter =
    "HTML-Dateien (*.htm;*.html)|*.HTM;*.HTML|HTML-Dateien (*.htm)|*.HTM|HTML-Dateien "
    "(*.html)|*.HTML|Alle Dateien (*.*)|*.*";

class CommandsOpenImport : public TCommandsTest {
protected:
    // The area definition text of the open map, as a project file would hold it.
    std::string ProjectHtml() {
        std::string html;
        Map().GetHtml(100, 100, true, false, html);
        return html;
    }
};

TEST_F(CommandsOpenImport, OpensAVersion2ProjectFile) {
    const QString image = WriteImage(QStringLiteral("haus.png"), QSize(70, 45));
    const QString path =
        WriteFile(QStringLiteral("haus.kvx"),
                  "\"kvx200\",\"\",\"\"\r\n<map name=\"haus\">\r\n"
                  "<area shape=\"rect\" coords=\"1,2,30,20\" href=\"a.htm\" kvxcolor=\"255\" "
                  "kvxcontrast=\"0\">\r\n</map>\r\n<img src=\"" +
                      image.toUtf8() + "\" usemap=\"#haus\">\r\n");
    TScriptedDialogs dialogs;
    dialogs.AnswerOpenFile(path);
    Main().tbtOpen->trigger();

    ASSERT_EQ(dialogs.Questions().size(), 1u);
    const TFileDialogRequest& request = dialogs.Questions()[0].File;
    EXPECT_TRUE(request.InitialFolder.isEmpty());
    EXPECT_EQ(request.Filter, "Korvane Dateien (*.kvx)|*.KVX");
    EXPECT_TRUE(request.MustExist);
    ASSERT_TRUE(HasMap());
    EXPECT_EQ(Map().Name, "haus");
    EXPECT_EQ(Map().ProjectFile, path.toStdString());
    EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(70, 45));
    EXPECT_FALSE(Main().Modified());
    EXPECT_EQ(ShownCaption(Main()), "Korvane 2 [haus] – haus.kvx");
    ASSERT_EQ(Map().Entries().size(), 1u);
    const TLinkAreaProperties area = PropertiesOf(1);
    EXPECT_EQ(area.Href, "a.htm");
    EXPECT_EQ(area.Color, 255);
    EXPECT_FALSE(area.Contrast);
}

TEST_F(CommandsOpenImport, OpensAVersion1ProjectFileAndSavesItAsVersion2) {
    const QString image = WriteImage(QStringLiteral("alt.png"), QSize(90, 60));
    const QString path =
        WriteFile(QStringLiteral("alt.kvx"), "\"kvx100\",\"" + image.toUtf8() +
                                                 "\",\"altkarte\",\"\",\"\"\r\n"
                                                 "2  10,20,30,40,raum.htm,_top,\r\n");
    TScriptedDialogs dialogs;
    dialogs.AnswerOpenFile(path);
    Main().mniOpen->trigger();

    ASSERT_TRUE(HasMap());
    EXPECT_EQ(Map().Name, "altkarte");
    EXPECT_EQ(Map().ProjectFile, path.toStdString());
    EXPECT_FALSE(Main().Modified());
    ASSERT_EQ(Map().Entries().size(), 1u);
    EXPECT_EQ(PropertiesOf(1).Target, "_top");
    EXPECT_NE(ProjectHtml().find("coords=\"30,10,70,30\""), std::string::npos);

    // Save writes over the old file in the current format, without asking.
    Main().SetModified(true);
    Main().mniSave->trigger();
    EXPECT_TRUE(ReadFile(path).startsWith("\"kvx200\",\"\",\"\"\r\n<map name=\"altkarte\""));
}

TEST_F(CommandsOpenImport, RefusesFilesThatAreNotCurrentProjectFiles) {
    const struct {
        const char* Name;
        QByteArray Content;
        const char* Message;
    } cases[] = {
        {"neuer.kvx", "\"kvx300\",\"\",\"\"\r\n<map name=\"k\"></map>\r\n",
         ReaderMessages::IncompatibleVersion},
        {"leer.kvx", "", ReaderMessages::NotAProjectFile},
        {"seite.kvx", "<html><body><map name=\"k\"></map></body></html>\r\n",
         ReaderMessages::NotAProjectFile},
    };
    for (const auto& c : cases) {
        CreateMap();
        Main().SetModified(false);
        const QString path = WriteFile(QString::fromLatin1(c.Name), c.Content);
        TScriptedDialogs dialogs;
        dialogs.AnswerOpenFile(path).AnswerMessage(TMsgResult::Ok);
        Main().mniOpen->trigger();
        ASSERT_EQ(dialogs.Questions().size(), 2u) << c.Name;
        const TRecordedQuestion& error = dialogs.Questions()[1];
        EXPECT_EQ(error.Text, QString::fromUtf8(c.Message)) << c.Name;
        EXPECT_EQ(error.Kind, TMsgKind::Error) << c.Name;
        EXPECT_EQ(error.HelpContext, 0) << c.Name;
        ASSERT_TRUE(HasMap()) << c.Name << ": the open map stays";
        EXPECT_EQ(Map().Name, "karte") << c.Name;
    }
}

TEST_F(CommandsOpenImport, AFileThatCannotBeReadShowsTheOpenError) {
    for (QAction* command : {Main().mniOpen, Main().mniImport}) {
        TScriptedDialogs dialogs;
        dialogs.AnswerOpenFile(PathOf(QStringLiteral("verschwunden.kvx")))
            .AnswerMessage(TMsgResult::Ok);
        command->trigger();
        ASSERT_EQ(dialogs.Questions().size(), 2u);
        const TRecordedQuestion& error = dialogs.Questions()[1];
        EXPECT_TRUE(error.Text.startsWith(QString::fromUtf8(OpenErrorStart)))
            << error.Text.toStdString();
        EXPECT_EQ(error.Kind, TMsgKind::Error);
        EXPECT_EQ(error.Buttons, TMsgButtons::Ok);
        EXPECT_EQ(error.HelpContext, 0);
        EXPECT_FALSE(HasMap());
    }
}

TEST_F(CommandsOpenImport, ImportAsksWhichOfSeveralMaps) {
    const QString image = WriteImage(QStringLiteral("plan.png"), QSize(50, 50));
    const QString page = WriteFile(
        QStringLiteral("seite.html"),
        "<html><body>\n<map name=\"oben\"><area shape=\"rect\" coords=\"0,0,5,5\" "
        "href=\"o.htm\"></map>\n<map name=\"unten\">\n<area shape=\"circle\"\n coords=\"20,20,5\" "
        "href=\"u.htm\">\n</map>\n<img src=\"plan.png\" usemap=\"#unten\">\n</body></html>\n");
    TScriptedDialogs dialogs;
    dialogs.AnswerOpenFile(page);
    dialogs.AnswerExec([&](QDialog& shown) {
        EXPECT_EQ(MapChoice->lstMapChoice->count(), 2);
        MapChoice->lstMapChoice->setCurrentRow(1);
        MapChoice->btnOk->click();
        return shown.result();
    });
    Main().mniImport->trigger();

    ASSERT_EQ(dialogs.Questions().size(), 2u);
    const TFileDialogRequest& request = dialogs.Questions()[0].File;
    EXPECT_EQ(request.Filter, ImportFilter);
    EXPECT_TRUE(request.InitialFolder.isEmpty()) << "the dialog stays where it was";
    EXPECT_EQ(dialogs.Questions()[1].DialogName, "frmMapChoice");
    ASSERT_TRUE(HasMap());
    EXPECT_EQ(Map().Name, "unten");
    EXPECT_EQ(Map().ImageFile, image.toStdString());
    EXPECT_TRUE(Map().ProjectFile.empty()) << "an HTML page is never saved over";
    EXPECT_FALSE(Main().Modified());
    ASSERT_EQ(Map().Entries().size(), 1u);
    EXPECT_EQ(PropertiesOf(1).Href, "u.htm");

    // Cancelling the choice ends the import; the map imported before stays.
    dialogs.AnswerOpenFile(page);
    dialogs.AnswerExec([](QDialog&) { return int(QDialog::Rejected); });
    dialogs.AnswerMessage(TMsgResult::Ok);
    Main().mniImport->trigger();
    EXPECT_EQ(dialogs.MessageTexts().back(), QString::fromUtf8(ReaderMessages::MapChoiceCancelled));
    ASSERT_TRUE(HasMap());
    EXPECT_EQ(Map().Name, "unten");
}

TEST_F(CommandsOpenImport, EveryStopOfTheReaderKeepsTheOpenMapWithItsMessage) {
    const QString twoMaps =
        WriteFile(QStringLiteral("zwei.htm"),
                  "<map name=\"a\"></map><map name=\"b\"></map><img src=\"x.png\" usemap=\"#a\">");
    const QString noImage = WriteFile(
        QStringLiteral("ohne.htm"), "<map name=\"m\"></map><img src=\"fehlt.png\" usemap=\"#m\">");
    const QString notOurs = WriteFile(QStringLiteral("fremd.kvx"), "<html></html>\r\n");
    const QString missing = PathOf(QStringLiteral("verschwunden.kvx"));
    const struct {
        const char* Name;
        QAction* TMainMenuActions::*Command;
        std::function<void(TScriptedDialogs&)> Answers;
        QString FirstMessage; // empty: none
    } cases[] = {
        {"Open cancelled",
         &TMainMenuActions::mniOpen,
         [](TScriptedDialogs& d) { d.AnswerOpenFile(std::nullopt); },
         {}},
        {"Import cancelled",
         &TMainMenuActions::mniImport,
         [](TScriptedDialogs& d) { d.AnswerOpenFile(std::nullopt); },
         {}},
        {"Open of a file that is gone", &TMainMenuActions::mniOpen,
         [&](TScriptedDialogs& d) { d.AnswerOpenFile(missing).AnswerMessage(TMsgResult::Ok); },
         QString::fromUtf8(OpenErrorStart)},
        {"Open of a file that is not ours", &TMainMenuActions::mniOpen,
         [&](TScriptedDialogs& d) { d.AnswerOpenFile(notOurs).AnswerMessage(TMsgResult::Ok); },
         QString::fromUtf8(ReaderMessages::NotAProjectFile)},
        {"map choice cancelled", &TMainMenuActions::mniImport,
         [&](TScriptedDialogs& d) {
             d.AnswerOpenFile(twoMaps)
                 .AnswerExec([](QDialog&) { return int(QDialog::Rejected); })
                 .AnswerMessage(TMsgResult::Ok);
         },
         QString::fromUtf8(ReaderMessages::MapChoiceCancelled)},
        {"image question cancelled", &TMainMenuActions::mniImport,
         [&](TScriptedDialogs& d) {
             d.AnswerOpenFile(noImage)
                 .AnswerMessage(TMsgResult::Ok)
                 .AnswerOpenFile(std::nullopt)
                 .AnswerMessage(TMsgResult::Ok);
         },
         QString::fromUtf8(ReaderMessages::ImageNotFound)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        CreateMap(QSize(70, 30));
        AddRectangle(5, 5, 20, 20, "da.htm");
        Main().SetModified(false);
        TScriptedDialogs dialogs;
        c.Answers(dialogs);
        (Main().*c.Command)->trigger();

        const std::vector<QString> messages = dialogs.MessageTexts();
        if (c.FirstMessage.isEmpty()) {
            EXPECT_TRUE(messages.empty());
        } else {
            ASSERT_FALSE(messages.empty());
            EXPECT_TRUE(messages.front().startsWith(c.FirstMessage))
                << messages.front().toStdString();
        }
        ASSERT_TRUE(HasMap());
        EXPECT_EQ(Map().Name, "karte");
        EXPECT_EQ(Map().Entries().size(), 1u);
        EXPECT_FALSE(Main().Modified());
        EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(70, 30));
        EXPECT_EQ(ShownCaption(Main()), "Korvane 2 [karte]");
        EXPECT_EQ(MapNodeText(), "karte");
        EXPECT_TRUE(Main().mniSave->isEnabled());
    }
}

TEST_F(CommandsOpenImport, ImportLetsTheUserLocateAMissingImage) {
    const QString image = WriteImage(QStringLiteral("woanders.png"), QSize(25, 35));
    const QString page = WriteFile(
        QStringLiteral("seite.htm"),
        "<map name=\"karte\"><area shape=\"rect\" coords=\"1,1,9,9\" href=\"x.htm\"></map>"
        "<img src=\"bilder/fehlt.png\" usemap=\"#karte\">");
    TScriptedDialogs dialogs;
    dialogs.AnswerOpenFile(page).AnswerMessage(TMsgResult::Ok).AnswerOpenFile(image);
    Main().mniImport->trigger();

    ASSERT_EQ(dialogs.Questions().size(), 3u);
    EXPECT_EQ(dialogs.Questions()[1].Text, QString::fromUtf8(ReaderMessages::ImageNotFound));
    const TFileDialogRequest& chooser = dialogs.Questions()[2].File;
    EXPECT_EQ(chooser.FileName, "fehlt.png");
    EXPECT_EQ(QDir(chooser.InitialFolder), QDir(Folder.path()));
    ASSERT_TRUE(HasMap());
    EXPECT_EQ(Map().ImageFile, image.toStdString());
    EXPECT_EQ(Main().Document().SourceBitmap.size(), QSize(25, 35));
}

} // namespace
} // namespace kvx::test
