// Closing the main window and Exit, and the Help menu: help contents, home page, info.
#include "CommandsTestSupport.h"

#include "app/HomePage.h"
#include "support/RecordingHelpSystem.h"

#include <QUrl>

namespace kvx::test {
namespace {

using CommandsClose = TCommandsTest;

TEST_F(CommandsClose, WithoutChangesClosesAtOnceAndEndsTheHelp) {
    const bool withMap[] = {false, true};
    for (const bool map : withMap) {
        if (map) {
            CreateMap();
            Main().SetModified(false);
        }
        TRecordingHelp help;
        TScriptedDialogs dialogs;
        Main().show();
        Main().mniExit->trigger();
        EXPECT_FALSE(Main().isVisible());
        EXPECT_TRUE(dialogs.Questions().empty());
        EXPECT_FALSE(HasMap());
        EXPECT_FALSE(Main().Document().HasImage());
        EXPECT_EQ(help.QuitCount(), 1);
    }
}

TEST_F(CommandsClose, AChangedMapAsksAndCancelKeepsTheWindowOpen) {
    CreateMap();
    DrawRectangle(5, 5, 20, 20);
    TRecordingHelp help;
    TScriptedDialogs dialogs;
    dialogs.AnswerMessage(TMsgResult::Cancel);
    Main().show();
    Main().mniExit->trigger();
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<QString>{UnsavedChangesQuestion});
    ASSERT_TRUE(HasMap());
    EXPECT_TRUE(Main().Modified());
    EXPECT_TRUE(Main().Document().HasImage());
    EXPECT_EQ(help.QuitCount(), 0);
}

TEST_F(CommandsClose, YesWithACancelledSaveKeepsTheWindowOpen) {
    CreateMap();
    DrawRectangle(5, 5, 20, 20);
    TScriptedDialogs dialogs;
    dialogs.AnswerMessage(TMsgResult::Yes).AnswerSaveFile(std::nullopt);
    Main().show();
    Main().close();
    EXPECT_TRUE(Main().isVisible());
    EXPECT_TRUE(HasMap());
    EXPECT_TRUE(Main().Modified());

    // Answered again with a file, the window closes.
    dialogs.AnswerMessage(TMsgResult::Yes).AnswerSaveFile(PathOf("karte.kvx"));
    Main().close();
    EXPECT_FALSE(Main().isVisible());
    EXPECT_FALSE(ReadFile(PathOf("karte.kvx")).isEmpty());
}

using CommandsHelpMenu = TCommandsTest;

TEST_F(CommandsHelpMenu, HelpShowsTheContents) {
    TRecordingHelp help;
    Main().mniHelp->trigger();
    EXPECT_EQ(help.Contexts(), std::vector<int>{100});
}

TEST_F(CommandsHelpMenu, HomePageOpensTheMakersAddress) {
    std::vector<QUrl> opened;
    const TUrlOpener previous = SetUrlOpener([&](const QUrl& url) { opened.push_back(url); });
    Main().mniHomePage->trigger();
    SetUrlOpener(previous);
    EXPECT_EQ(opened, std::vector<QUrl>{QUrl("https://www.velmora.example/")});
}

TEST_F(CommandsHelpMenu, InfoShowsTheInfoDialog) {
    TScriptedDialogs dialogs;
    dialogs.AnswerExec([&](QDialog& shown) {
        EXPECT_EQ(&shown, Info.get());
        return int(QDialog::Accepted);
    });
    Main().mniInfo->trigger();
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].Type, TQuestionType::Exec);
}

} // namespace
} // namespace kvx::test
