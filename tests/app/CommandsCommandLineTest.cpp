// The file named on the command line: project files are opened, anything else imported,
// relative paths taken from the current folder.
#include "CommandsTestSupport.h"

#include "formats/ReaderMessages.h"

#include <QDir>

namespace kvx::test {
namespace {

class CommandsCommandLine : public TCommandsTest {
protected:
    void SetUp() override {
        TCommandsTest::SetUp();
        PreviousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir(Folder.path()).mkdir(QStringLiteral("karten")));
        const QString image = WriteImage(QStringLiteral("karten/bild.png"), QSize(40, 30));
        Definition = "<map name=\"karte\"><area shape=\"rect\" coords=\"1,1,9,9\" href=\"x.htm\">"
                     "</map>\r\n<img src=\"" +
                     image.toUtf8() + "\" usemap=\"#karte\">\r\n";
        ASSERT_TRUE(QDir::setCurrent(Folder.path()));
    }
    void TearDown() override {
        QDir::setCurrent(PreviousFolder);
        TCommandsTest::TearDown();
    }

    QString PreviousFolder;
    QByteArray Definition;
};

TEST_F(CommandsCommandLine, OpensProjectFilesAndImportsEverythingElse) {
    const struct {
        QString Argument;
        QByteArray Content;
        bool Project;
    } cases[] = {
        {"karten/karte.kvx", "\"kvx200\",\"\",\"\"\r\n", true},
        {"karten/GROSS.KVX", "\"kvx200\",\"\",\"\"\r\n", true},
        {"./karten/../karten/seite.html", "<html>\r\n", false},
        {"karten/seite.txt", "", false},
    };
    for (const auto& c : cases) {
        WriteFile(c.Argument, c.Content + Definition);
        const QString absolute = QDir::cleanPath(QDir(Folder.path()).filePath(c.Argument));
        TScriptedDialogs dialogs;
        OpenFileFromArguments(Commands(), {"korvane2", c.Argument});
        EXPECT_TRUE(dialogs.Questions().empty()) << c.Argument.toStdString();
        ASSERT_TRUE(HasMap()) << c.Argument.toStdString();
        EXPECT_EQ(Map().Name, "karte");
        EXPECT_EQ(Map().ProjectFile, c.Project ? absolute.toStdString() : std::string());
        EXPECT_FALSE(Main().Modified());
        Main().ResetEditor();
    }
}

TEST_F(CommandsCommandLine, AMissingFileShowsTheOpenError) {
    for (const QString argument : {"fehlt.kvx", "fehlt.html"}) {
        TScriptedDialogs dialogs;
        dialogs.AnswerMessage(TMsgResult::Ok);
        OpenFileFromCommandLine(Commands(), argument);
        ASSERT_EQ(dialogs.Questions().size(), 1u);
        EXPECT_TRUE(dialogs.Questions()[0].Text.startsWith(QString::fromUtf8(OpenErrorStart)));
        EXPECT_FALSE(HasMap());
    }
}

TEST_F(CommandsCommandLine, AnHtmlPageNamedKvxIsRefusedAsAProjectFile) {
    WriteFile(QStringLiteral("seite.kvx"), "<html>\r\n" + Definition);
    TScriptedDialogs dialogs;
    dialogs.AnswerMessage(TMsgResult::Ok);
    OpenFileFromCommandLine(Commands(), QStringLiteral("seite.kvx"));
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<QString>{QString::fromUtf8(ReaderMessages::NotAProjectFile)});
    EXPECT_FALSE(HasMap());
}

TEST_F(CommandsCommandLine, WithoutAnArgumentTheProgramStartsWithoutAMap) {
    TScriptedDialogs dialogs;
    OpenFileFromArguments(Commands(), {"korvane2"});
    OpenFileFromArguments(Commands(), {"korvane2", ""});
    EXPECT_TRUE(dialogs.Questions().empty());
    EXPECT_FALSE(HasMap());
}

} // namespace
} // namespace kvx::test
