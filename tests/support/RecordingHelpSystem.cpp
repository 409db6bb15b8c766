#include "support/RecordingHelpSystem.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <gtest/gtest.h>

namespace kvx {

struct TRecordingHelp::TState {
    std::vector<int> Contexts;
    int QuitCount = 0;
    QString HelpFile;
};

namespace {

class TRecordingHelpSystem : public THelpSystem {
public:
    explicit TRecordingHelpSystem(std::shared_ptr<TRecordingHelp::TState> state)
        : m_state(std::move(state)) {}

    void SetHelpFile(const QString& path) override { m_state->HelpFile = path; }
    QString HelpFile() const override { return m_state->HelpFile; }
    void ShowContext(int context) override { m_state->Contexts.push_back(context); }
    void Quit() override { ++m_state->QuitCount; }

private:
    std::shared_ptr<TRecordingHelp::TState> m_state;
};

} // namespace

TRecordingHelp::TRecordingHelp() : m_state(std::make_shared<TState>()) {
    m_previous = InstallHelpSystem(std::make_unique<TRecordingHelpSystem>(m_state));
}

TRecordingHelp::~TRecordingHelp() {
    InstallHelpSystem(std::move(m_previous));
}

const std::vector<int>& TRecordingHelp::Contexts() const {
    return m_state->Contexts;
}

int TRecordingHelp::QuitCount() const {
    return m_state->QuitCount;
}

QString TRecordingHelp::HelpFile() const {
    return m_state->HelpFile;
}

void PressF1(QWidget& window) {
    for (QShortcut* shortcut : window.findChildren<QShortcut*>()) {
        if (shortcut->key() == QKeySequence(Qt::Key_F1)) {
            emit shortcut->activated();
            return;
        }
    }
    ADD_FAILURE() << "no F1 shortcut";
}

} // namespace kvx
