// The question about unsaved changes before New, Open, Import and closing: Cancel keeps
// everything, No goes on, Yes saves and goes on only when the map was really saved. Going on
// ends the map only for closing; the other commands replace it once a new one is there.
#include "CommandsTestSupport.h"

#include "formats/ProjectFile.h"
#include "support/RecordingHelpSystem.h"

#include <QDir>
#include <QFileInfo>
#include <functional>

namespace kvx::test {
namespace {

const QString Question = QString::fromUtf8(UnsavedChangesQuestion);

enum class TCommand { New, Open, Import, Close };

struct TCommandCase {
    const char* Name;
    TCommand Command;
};

const TCommandCase ReplacingCommands[] = {{"New", TCommand::New},
                                          {"Open", TCommand::Open},
                                          {"Import", TCommand::Import},
                                          {"Close", TCommand::Close}};

class CommandsUnsavedChanges : public TCommandsTest {
protected:
    // A modified map with one area whose link is being edited in the panel, not yet stored.
    void PrepareModifiedMapWithPendingEdit() {
        CreateMap();
        DrawRectangle(5, 5, 20, 20, "alt.htm");
        SelectArea(1);
        TypeLinkInPanel(QStringLiteral("neu.htm"));
        ASSERT_TRUE(Main().Modified());
    }

    // Queues the answer to the dialog that the command shows after the question: cancelled.
    static void CancelFollowingDialog(TScriptedDialogs& dialogs, TCommand command) {
        switch (command) {
        case TCommand::New:
            dialogs.AnswerExec([](QDialog&) { return int(QDialog::Rejected); });
            break;
        case TCommand::Open:
        case TCommand::Import:
            dialogs.AnswerOpenFile(std::nullopt);
            break;
        case TCommand::Close:
            break;
        }
    }

    // Runs the command; for closing, true when the window agreed to close.
    bool Run(TCommand command) {
        switch (command) {
        case TCommand::New:
            Main().mniNew->trigger();
            return true;
        case TCommand::Open:
            Main().mniOpen->trigger();
            return true;
        case TCommand::Import:
            Main().mniImport->trigger();
            return true;
        case TCommand::Close:
            return Main().close();
        }
        return false;
    }

    void ExpectMapKept(const char* name) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(HasMap());
        EXPECT_EQ(Map().Name, "karte");
        EXPECT_TRUE(Main().Modified());
        EXPECT_EQ(Map().Entries().size(), 1u);
        // The pending panel edit was stored before the question.
        EXPECT_EQ(PropertiesOf(1).Href, "neu.htm");
    }
};

TEST_F(CommandsUnsavedChanges, CancelKeepsTheMapAndItsChanges) {
    for (const TCommandCase& c : ReplacingCommands) {
        PrepareModifiedMapWithPendingEdit();
        TScriptedDialogs dialogs;
        dialogs.AnswerMessage(TMsgResult::Cancel);
        EXPECT_FALSE(Run(c.Command) && c.Command == TCommand::Close) << c.Name;
        ASSERT_EQ(dialogs.Questions().size(), 1u) << c.Name;
        const TRecordedQuestion& asked = dialogs.Questions()[0];
        EXPECT_EQ(asked.Text, Question);
        EXPECT_EQ(asked.Kind, TMsgKind::Confirmation);
        EXPECT_EQ(asked.Buttons, TMsgButtons::YesNoCancel);
        EXPECT_EQ(asked.HelpContext, 0);
        ASSERT_NO_FATAL_FAILURE(ExpectMapKept(c.Name));
    }
}

TEST_F(CommandsUnsavedChanges, NoGoesOnWithoutSaving) {
    for (const TCommandCase& c : ReplacingCommands) {
        PrepareModifiedMapWithPendingEdit();
        TRecordingHelp help;
        TScriptedDialogs dialogs;
        dialogs.AnswerMessage(TMsgResult::No);
        CancelFollowingDialog(dialogs, c.Command);
        EXPECT_TRUE(Run(c.Command)) << c.Name;
        if (c.Command == TCommand::Close) {
            EXPECT_FALSE(HasMap()) << c.Name;
            EXPECT_EQ(ShownCaption(Main()), "Korvane 2") << c.Name;
        } else {
            // No new map was chosen: the open one stays, changes and all.
            ASSERT_NO_FATAL_FAILURE(ExpectMapKept(c.Name));
            EXPECT_EQ(ShownCaption(Main()), "Korvane 2 [karte]*") << c.Name;
        }
        EXPECT_EQ(dialogs.MessageTexts(), std::vector<QString>{Question}) << c.Name;
        EXPECT_EQ(help.QuitCount(), c.Command == TCommand::Close ? 1 : 0) << c.Name;
        EXPECT_TRUE(QDir(Folder.path()).entryList({"*.kvx"}).isEmpty()) << c.Name;
    }
}

TEST_F(CommandsUnsavedChanges, YesSavesBeforeTheCommandGoesOn) {
    int round = 0;
    for (const TCommandCase& c : ReplacingCommands) {
        PrepareModifiedMapWithPendingEdit();
        const QString saved = PathOf(QStringLiteral("gesichert%1.kvx").arg(++round));
        TScriptedDialogs dialogs;
        dialogs.AnswerMessage(TMsgResult::Yes);
        dialogs.AnswerSaveFile(saved);
        CancelFollowingDialog(dialogs, c.Command);
        EXPECT_TRUE(Run(c.Command)) << c.Name;
        // Closing ends the map; the other commands keep it, as nothing replaced it.
        EXPECT_EQ(HasMap(), c.Command != TCommand::Close) << c.Name;
        EXPECT_FALSE(Main().Modified()) << c.Name;
        ASSERT_GE(dialogs.Questions().size(), 2u) << c.Name;
        EXPECT_EQ(dialogs.Questions()[1].Type, TQuestionType::SaveFile) << c.Name;
        // The file holds the map with the edit that was still in the panel.
        const QByteArray text = ReadFile(saved);
        EXPECT_TRUE(text.startsWith(QByteArray(ProjectFileHeader.data()) + "\r\n")) << c.Name;
        EXPECT_TRUE(text.contains("href=\"neu.htm\"")) << c.Name;
    }
}

TEST_F(CommandsUnsavedChanges, YesWhoseSaveIsCancelledStopsTheCommand) {
    for (const TCommandCase& c : ReplacingCommands) {
        PrepareModifiedMapWithPendingEdit();
        TScriptedDialogs dialogs;
        dialogs.AnswerMessage(TMsgResult::Yes);
        dialogs.AnswerSaveFile(std::nullopt);
        EXPECT_FALSE(Run(c.Command) && c.Command == TCommand::Close) << c.Name;
        EXPECT_EQ(dialogs.Questions().size(), 2u) << c.Name << ": nothing asked after the save";
        ASSERT_NO_FATAL_FAILURE(ExpectMapKept(c.Name));
        EXPECT_TRUE(Map().ProjectFile.empty()) << c.Name;
    }
}

TEST_F(CommandsUnsavedChanges, YesWhoseSaveFailsStopsTheCommand) {
    for (const TCommandCase& c : ReplacingCommands) {
        PrepareModifiedMapWithPendingEdit();
        const QString unreachable = PathOf(QStringLiteral("fehlt/karte.kvx"));
        TScriptedDialogs dialogs;
        dialogs.AnswerMessage(TMsgResult::Yes);
        dialogs.AnswerSaveFile(unreachable);
        dialogs.AnswerMessage(TMsgResult::Ok);
        EXPECT_FALSE(Run(c.Command) && c.Command == TCommand::Close) << c.Name;
        ASSERT_EQ(dialogs.Questions().size(), 3u) << c.Name;
        const TRecordedQuestion& error = dialogs.Questions()[2];
        EXPECT_EQ(error.Kind, TMsgKind::Error) << c.Name;
        EXPECT_TRUE(error.Text.startsWith(QString::fromUtf8(SaveErrorStart))) << c.Name;
        ASSERT_NO_FATAL_FAILURE(ExpectMapKept(c.Name));
        EXPECT_FALSE(QFileInfo::exists(unreachable)) << c.Name;
    }
}

TEST_F(CommandsUnsavedChanges, AnUnchangedMapGoesOnWithoutAQuestion) {
    for (const TCommandCase& c : ReplacingCommands) {
        CreateMap();
        Main().SetModified(false);
        TScriptedDialogs dialogs;
        CancelFollowingDialog(dialogs, c.Command);
        EXPECT_TRUE(Run(c.Command)) << c.Name;
        EXPECT_TRUE(dialogs.MessageTexts().empty()) << c.Name;
        EXPECT_EQ(HasMap(), c.Command != TCommand::Close) << c.Name;
    }
}

} // namespace
} // namespace kvx::test
