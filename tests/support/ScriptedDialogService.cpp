#include "support/ScriptedDialogService.h"

#include <QAbstractButton>
#include <QDialog>
#include <deque>
#include <gtest/gtest.h>
#include <variant>

namespace kvx {

namespace {

struct TFileAnswer {
    TQuestionType Type;
    std::optional<QString> Path;
};

using TAnswer = std::variant<TMsgResult, TFileAnswer, std::optional<QColor>, TExecAnswer>;

const char* TypeName(TQuestionType type) {
    switch (type) {
    case TQuestionType::Message:
        return "message box";
    case TQuestionType::OpenFile:
        return "open dialog";
    case TQuestionType::SaveFile:
        return "save dialog";
    case TQuestionType::Color:
        return "colour dialog";
    case TQuestionType::Exec:
        return "dialog";
    }
    return "question";
}

TQuestionType TypeOf(const TAnswer& answer) {
    if (std::holds_alternative<TMsgResult>(answer)) {
        return TQuestionType::Message;
    }
    if (const auto* file = std::get_if<TFileAnswer>(&answer)) {
        return file->Type;
    }
    if (std::holds_alternative<std::optional<QColor>>(answer)) {
        return TQuestionType::Color;
    }
    return TQuestionType::Exec;
}

TMsgResult ClosedBoxResult(TMsgButtons buttons) {
    switch (buttons) {
    case TMsgButtons::Ok:
        return TMsgResult::Ok;
    case TMsgButtons::YesNo:
        return TMsgResult::No;
    case TMsgButtons::OkCancel:
    case TMsgButtons::YesNoCancel:
        return TMsgResult::Cancel;
    }
    return TMsgResult::Cancel;
}

} // namespace

struct TScriptedDialogs::TState {
    std::deque<TAnswer> Answers;
    std::vector<TRecordedQuestion> Questions;

    // Records the question and hands out the next answer if it is of the question's type.
    std::optional<TAnswer> Take(TRecordedQuestion question) {
        Questions.push_back(question);
        if (Answers.empty()) {
            ADD_FAILURE() << "Unscripted " << TypeName(question.Type) << ": \""
                          << question.Text.toStdString() << "\"";
            return std::nullopt;
        }
        if (TypeOf(Answers.front()) != question.Type) {
            ADD_FAILURE() << "Unexpected " << TypeName(question.Type) << " \""
                          << question.Text.toStdString() << "\"; the next scripted answer is for a "
                          << TypeName(TypeOf(Answers.front()));
            return std::nullopt;
        }
        TAnswer answer = std::move(Answers.front());
        Answers.pop_front();
        return answer;
    }
};

namespace {

class TScriptedService : public TDialogService {
public:
    explicit TScriptedService(std::shared_ptr<TScriptedDialogs::TState> state)
        : m_state(std::move(state)) {}

    TMsgResult Message(QWidget*, TMsgKind kind, const QString& text, TMsgButtons buttons,
                       int helpContext) override {
        TRecordedQuestion question;
        question.Type = TQuestionType::Message;
        question.Kind = kind;
        question.Text = text;
        question.Buttons = buttons;
        question.HelpContext = helpContext;
        const auto answer = m_state->Take(question);
        return answer ? std::get<TMsgResult>(*answer) : ClosedBoxResult(buttons);
    }

    std::optional<QString> OpenFile(QWidget*, const TFileDialogRequest& request) override {
        return File(TQuestionType::OpenFile, request);
    }

    std::optional<QString> SaveFile(QWidget*, const TFileDialogRequest& request) override {
        return File(TQuestionType::SaveFile, request);
    }

    std::optional<QColor> ChooseColor(QWidget*, const QColor& initial) override {
        TRecordedQuestion question;
        question.Type = TQuestionType::Color;
        question.InitialColor = initial;
        const auto answer = m_state->Take(question);
        return answer ? std::get<std::optional<QColor>>(*answer) : std::nullopt;
    }

    int Exec(QDialog& dialog) override {
        TRecordedQuestion question;
        question.Type = TQuestionType::Exec;
        question.Text = dialog.windowTitle();
        question.DialogClass = QString::fromLatin1(dialog.metaObject()->className());
        question.DialogName = dialog.objectName();
        auto answer = m_state->Take(question);
        if (!answer) {
            return QDialog::Rejected;
        }
        // A stale result of an earlier run must not count as this run's answer.
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        const int result = std::get<TExecAnswer>(*answer)(dialog);
        dialog.hide();
        return result;
    }

private:
    std::optional<QString> File(TQuestionType type, const TFileDialogRequest& request) {
        TRecordedQuestion question;
        question.Type = type;
        question.Text = request.Caption;
        question.File = request;
        const auto answer = m_state->Take(question);
        return answer ? std::get<TFileAnswer>(*answer).Path : std::nullopt;
    }

    std::shared_ptr<TScriptedDialogs::TState> m_state;
};

} // namespace

TScriptedDialogs::TScriptedDialogs() : m_state(std::make_shared<TState>()) {
    m_previous = InstallDialogService(std::make_unique<TScriptedService>(m_state));
}

TScriptedDialogs::~TScriptedDialogs() {
    InstallDialogService(std::move(m_previous));
    if (!m_state->Answers.empty()) {
        ADD_FAILURE() << m_state->Answers.size() << " scripted answer(s) never asked for; the next "
                      << "one is for a " << TypeName(TypeOf(m_state->Answers.front()));
    }
}

TScriptedDialogs& TScriptedDialogs::AnswerMessage(TMsgResult result) {
    m_state->Answers.emplace_back(result);
    return *this;
}

TScriptedDialogs& TScriptedDialogs::AnswerOpenFile(std::optional<QString> path) {
    m_state->Answers.emplace_back(TFileAnswer{TQuestionType::OpenFile, std::move(path)});
    return *this;
}

TScriptedDialogs& TScriptedDialogs::AnswerSaveFile(std::optional<QString> path) {
    m_state->Answers.emplace_back(TFileAnswer{TQuestionType::SaveFile, std::move(path)});
    return *this;
}

TScriptedDialogs& TScriptedDialogs::AnswerColor(std::optional<QColor> color) {
    m_state->Answers.emplace_back(std::move(color));
    return *this;
}

TScriptedDialogs& TScriptedDialogs::AnswerExec(TExecAnswer answer) {
    m_state->Answers.emplace_back(std::move(answer));
    return *this;
}

TScriptedDialogs& TScriptedDialogs::AnswerExecByClicking(QAbstractButton& button) {
    return AnswerExec([&button](QDialog& shown) {
        button.click();
        return shown.result();
    });
}

const std::vector<TRecordedQuestion>& TScriptedDialogs::Questions() const {
    return m_state->Questions;
}

std::vector<QString> TScriptedDialogs::MessageTexts() const {
    std::vector<QString> texts;
    for (const TRecordedQuestion& question : m_state->Questions) {
        if (question.Type == TQuestionType::Message) {
            texts.push_back(question.Text);
        }
    }
    return texts;
}

std::size_t TScriptedDialogs::PendingAnswers() const {
    return m_state->Answers.size();
}

} // namespace kvx
