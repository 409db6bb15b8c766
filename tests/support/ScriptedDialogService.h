#pragma once
// Scripted answers for every modal question, so GUI code runs headless in tests.
//
//   TScriptedDialogs dialogs;                     // installed until the end of the scope
//   dialogs.AnswerMessage(TMsgResult::Yes);       // next message box: "Yes"
//   dialogs.AnswerOpenFile(path);                 // next open dialog: this file
//   dialogs.AnswerSaveFile(std::nullopt);         // next save dialog: cancelled
//   dialogs.AnswerExec([](QDialog& d) {           // next program dialog: fill it and press OK
//       d.findChild<QLineEdit*>("inpName")->setText("karte");
//       return QDialog::Accepted;                 // or click a button and return d.result()
//   });
//   ... run the command ...
//   EXPECT_EQ(dialogs.Questions().at(0).Text, "...");
//
// Answers are used strictly in the order the questions are asked (a message asked while a
// dialog runs comes after that dialog's Exec answer); a question of another type
// than the next answer, or one with no answer left, fails the test (ADD_FAILURE with the
// question's text) and gets the answer of a closed box (Cancel/No/Ok), a cancelled dialog or
// QDialog::Rejected. Answers still unused when the guard ends fail the test too.
// While an Exec answer runs, the dialog is shown, as a modal run would show it.
// Guards nest: each puts back the service that was installed before it.

#include "platform/widgets/DialogService.h"

#include <QColor>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;

namespace kvx {

enum class TQuestionType { Message, OpenFile, SaveFile, Color, Exec };

// One question as the code asked it; only the fields of its type are filled.
struct TRecordedQuestion {
    TQuestionType Type = TQuestionType::Message;
    // Message
    TMsgKind Kind = TMsgKind::Information;
    QString Text; // message text; for Exec the dialog's window title
    TMsgButtons Buttons = TMsgButtons::Ok;
    int HelpContext = 0;
    // OpenFile, SaveFile
    TFileDialogRequest File;
    // Color
    QColor InitialColor;
    // Exec: the dialog's class and object names
    QString DialogClass;
    QString DialogName;
};

using TExecAnswer = std::function<int(QDialog&)>;

class TScriptedDialogs {
public:
    TScriptedDialogs();
    ~TScriptedDialogs();
    TScriptedDialogs(const TScriptedDialogs&) = delete;
    TScriptedDialogs& operator=(const TScriptedDialogs&) = delete;

    // Each call queues one answer; they return *this so answers can be chained.
    TScriptedDialogs& AnswerMessage(TMsgResult result);
    TScriptedDialogs& AnswerOpenFile(std::optional<QString> path);
    TScriptedDialogs& AnswerSaveFile(std::optional<QString> path);
    TScriptedDialogs& AnswerColor(std::optional<QColor> color);
    TScriptedDialogs& AnswerExec(TExecAnswer answer);
    // The next program dialog gets a click on button; its run ends with what the click made
    // of it (a dialog that stays open ends as Rejected).
    TScriptedDialogs& AnswerExecByClicking(QAbstractButton& button);

    // Every question asked so far, in order (unscripted ones included).
    const std::vector<TRecordedQuestion>& Questions() const;
    // The message texts among them, in order.
    std::vector<QString> MessageTexts() const;
    // Answers not used yet.
    std::size_t PendingAnswers() const;

    struct TState;

private:
    std::shared_ptr<TState> m_state;
    std::unique_ptr<TDialogService> m_previous;
};

} // namespace kvx
