// The scripted dialog service that every GUI test relies on: it must answer in order, keep
// a record, and fail a test loudly when a question was not expected.
#include "support/QtPrinters.h"
#include "support/ScriptedDialogService.h"

#include <QDialog>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryQuestion) {
    TScriptedDialogs dialogs;
    dialogs.AnswerMessage(TMsgResult::No)
        .AnswerOpenFile("/bilder/karte.gif")
        .AnswerSaveFile(std::nullopt)
        .AnswerColor(QColor(1, 2, 3));

    EXPECT_EQ(Dialogs().Message(nullptr, TMsgKind::Confirmation, "Speichern?",
                                TMsgButtons::YesNoCancel, 131),
              TMsgResult::No);
    TFileDialogRequest open;
    open.Filter = "Bilder|*.GIF";
    EXPECT_EQ(Dialogs().OpenFile(nullptr, open), "/bilder/karte.gif");
    EXPECT_EQ(Dialogs().SaveFile(nullptr, {}), std::nullopt);
    EXPECT_EQ(Dialogs().ChooseColor(nullptr, Qt::red), QColor(1, 2, 3));

    ASSERT_EQ(dialogs.Questions().size(), 4u);
    const TRecordedQuestion& message = dialogs.Questions()[0];
    EXPECT_EQ(message.Kind, TMsgKind::Confirmation);
    EXPECT_EQ(message.Text, "Speichern?");
    EXPECT_EQ(message.Buttons, TMsgButtons::YesNoCancel);
    EXPECT_EQ(message.HelpContext, 131);
    EXPECT_EQ(dialogs.Questions()[1].File.Filter, "Bilder|*.GIF");
    EXPECT_EQ(dialogs.Questions()[2].Type, TQuestionType::SaveFile);
    EXPECT_EQ(dialogs.Questions()[3].InitialColor, QColor(Qt::red));
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<QString>{"Speichern?"});
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);
}

TEST(ScriptedDialogs, ExecShowsTheDialogToTheAnswer) {
    TScriptedDialogs dialogs;
    QDialog dialog;
    dialog.setWindowTitle("Eigenschaften");
    dialog.setResult(QDialog::Accepted); // left over from an earlier run
    bool shown = false;
    int resultSeen = -1;
    dialogs.AnswerExec([&](QDialog& running) {
        shown = running.isVisible();
        resultSeen = running.result();
        return QDialog::Accepted;
    });
    EXPECT_EQ(Dialogs().Exec(dialog), QDialog::Accepted);
    EXPECT_TRUE(shown);
    EXPECT_EQ(resultSeen, QDialog::Rejected) << "a stale result must not count";
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialogs.Questions().at(0).Text, "Eigenschaften");
}

TEST(ScriptedDialogs, AnUnscriptedQuestionFailsTheTestWithItsText) {
    EXPECT_NONFATAL_FAILURE(
        {
            TScriptedDialogs dialogs;
            const TMsgResult result =
                Dialogs().Message(nullptr, TMsgKind::Warning, "Wirklich?", TMsgButtons::YesNo);
            EXPECT_EQ(result, TMsgResult::No) << "answered as a closed box";
        },
        "Unscripted message box: \"Wirklich?\"");
}

TEST(ScriptedDialogs, AQuestionOfAnotherTypeFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            TScriptedDialogs dialogs;
            dialogs.AnswerMessage(TMsgResult::Ok);
            EXPECT_EQ(Dialogs().OpenFile(nullptr, {}), std::nullopt);
            Dialogs().Message(nullptr, TMsgKind::Information, "Fertig", TMsgButtons::Ok);
        },
        "Unexpected open dialog");
}

TEST(ScriptedDialogs, AnAnswerNeverAskedForFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            TScriptedDialogs dialogs;
            dialogs.AnswerSaveFile("/tmp/karte.kvx");
        },
        "1 scripted answer(s) never asked for");
}

TEST(ScriptedDialogs, PutsBackThePreviousServiceWhenItEnds) {
    TDialogService* before = &Dialogs();
    {
        TScriptedDialogs outer;
        TDialogService* outerService = &Dialogs();
        EXPECT_NE(outerService, before);
        {
            TScriptedDialogs inner;
            EXPECT_NE(&Dialogs(), outerService);
        }
        EXPECT_EQ(&Dialogs(), outerService);
    }
    EXPECT_EQ(&Dialogs(), before);
}

} // namespace
} // namespace kvx
