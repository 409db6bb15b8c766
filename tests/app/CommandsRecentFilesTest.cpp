// "Datei → Zuletzt geöffnet": the newest eight projects and pages, each opened as it was, a
// vanished file reported and dropped; Ctrl+O opens a project.
#include "CommandsTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTest>

namespace kvx::test {
namespace {

class CommandsRecentFiles : public TCommandsTest {
protected:
    void SetUp() override {
        QSettings().clear();
        TCommandsTest::SetUp();
    }
    void TearDown() override {
        TCommandsTest::TearDown();
        QSettings().clear();
    }
    QString WriteProject(const QString& name, const QString& image) {
        return WriteFile(name + QStringLiteral(".kvx"),
                         "\"kvx200\",\"\",\"\"\r\n<map name=\"" + name.toUtf8() +
                             "\">\r\n</map>\r\n<img src=\"" + image.toUtf8() + "\" usemap=\"#" +
                             name.toUtf8() + "\">\r\n");
    }
    QString WritePage(const QString& name, const QString& image) {
        return WriteFile(name + QStringLiteral(".htm"),
                         "<map name=\"" + name.toUtf8() + "\"></map><img src=\"" + image.toUtf8() +
                             "\" usemap=\"#" + name.toUtf8() + "\">");
    }
    QStringList RecentItems() {
        QStringList texts;
        for (QAction* item : Main().mnuRecent->actions()) {
            texts << item->text();
        }
        return texts;
    }
    void TriggerRecent(int number) {
        Main().findChild<QAction*>(QStringLiteral("mniRecent%1").arg(number))->trigger();
        QApplication::processEvents(); // the item opens its file once its menu is left
    }
};

TEST_F(CommandsRecentFiles, ListsTheNewestEightAndReopensEachAsItWasRead) {
    EXPECT_FALSE(Main().mnuRecent->isEnabled());
    const QString image = WriteImage(QStringLiteral("bild.png"), QSize(30, 20));
    QStringList expected;
    for (int i = 1; i <= 9; ++i) {
        const QString name = QStringLiteral("karte%1").arg(i);
        const bool page = i % 2 == 0;
        const QString path = page ? WritePage(name, image) : WriteProject(name, image);
        if (page) {
            Commands().Files().ImportHtmlFileCommand(path);
        } else {
            Commands().Files().OpenProjectFileCommand(path);
        }
        ASSERT_TRUE(HasMap());
        expected.prepend(path);
    }
    // Opening the first again brings it to the top instead of listing it twice.
    Commands().Files().OpenProjectFileCommand(PathOf(QStringLiteral("karte7.kvx")));
    expected.removeAll(PathOf(QStringLiteral("karte7.kvx")));
    expected.prepend(PathOf(QStringLiteral("karte7.kvx")));
    expected = expected.mid(0, 8);
    QStringList texts;
    for (int i = 0; i < expected.size(); ++i) {
        texts << QStringLiteral("&%1 %2").arg(i + 1).arg(expected[i]);
    }
    EXPECT_TRUE(Main().mnuRecent->isEnabled());
    EXPECT_EQ(RecentItems(), texts);

    const struct {
        int Number;
        const char* MapName;
        bool Project; // opened as a project, with its file in the caption
    } cases[] = {     // each open brings its file to the top, so the third entry changes
                 {3, "karte8", false},
                 {3, "karte9", true},
                 {3, "karte7", true}};
    for (const auto& c : cases) {
        TScriptedDialogs dialogs;
        TriggerRecent(c.Number);
        ASSERT_TRUE(HasMap()) << c.MapName;
        EXPECT_EQ(Map().Name, c.MapName);
        EXPECT_EQ(Map().ProjectFile.empty(), !c.Project) << c.MapName;
        EXPECT_TRUE(dialogs.Questions().empty()) << c.MapName;
    }
}

TEST_F(CommandsRecentFiles, AVanishedFileShowsTheOpenErrorAndLeavesTheList) {
    const QString image = WriteImage(QStringLiteral("bild.png"), QSize(30, 20));
    const QString kept = WriteProject(QStringLiteral("bleibt"), image);
    const QString gone = WritePage(QStringLiteral("weg"), image);
    Commands().Files().OpenProjectFileCommand(kept);
    Commands().Files().ImportHtmlFileCommand(gone);
    ASSERT_TRUE(QFile::remove(gone));

    TScriptedDialogs dialogs;
    dialogs.AnswerMessage(TMsgResult::Ok);
    TriggerRecent(1);
    ASSERT_EQ(dialogs.MessageTexts().size(), 1u);
    EXPECT_TRUE(dialogs.MessageTexts()[0].startsWith(QString::fromUtf8(OpenErrorStart)));
    EXPECT_EQ(dialogs.Questions()[0].Kind, TMsgKind::Error);
    EXPECT_EQ(Map().Name, "weg") << "the open map stays";
    EXPECT_EQ(RecentItems(), QStringList{QStringLiteral("&1 %1").arg(kept)});
}

TEST_F(CommandsRecentFiles, CtrlOAsksForAProjectFile) {
    Main().show();
    QApplication::setActiveWindow(&Main());
    QApplication::processEvents();
    TScriptedDialogs dialogs;
    dialogs.AnswerOpenFile(std::nullopt);
    QTest::keyClick(&Main(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].File.Filter, "Korvane Dateien (*.kvx)|*.KVX");
}

} // namespace
} // namespace kvx::test
