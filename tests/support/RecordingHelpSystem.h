#pragma once
// Records what the code asks of the help system instead of opening a help window.
//
//   TRecordingHelp help;                          // installed until the end of the scope
//   ... press a help button or F1 ...
//   EXPECT_EQ(help.Contexts(), std::vector<int>{132});
//
// Guards nest: each puts back the help system that was installed before it.

#include "platform/widgets/HelpSystem.h"

#include <QString>
#include <memory>
#include <vector>

class QWidget;

namespace kvx {

class TRecordingHelp {
public:
    TRecordingHelp();
    ~TRecordingHelp();
    TRecordingHelp(const TRecordingHelp&) = delete;
    TRecordingHelp& operator=(const TRecordingHelp&) = delete;

    // The contexts asked for by ShowContext, in order.
    const std::vector<int>& Contexts() const;
    // How often Quit was called.
    int QuitCount() const;
    // The file last given to SetHelpFile.
    QString HelpFile() const;

    struct TState;

private:
    std::shared_ptr<TState> m_state;
    std::unique_ptr<THelpSystem> m_previous;
};

// Presses F1 in the window: triggers its F1 shortcut, which a key event sent to a widget would
// not reach. Fails the test when the window has none.
void PressF1(QWidget& window);

} // namespace kvx
