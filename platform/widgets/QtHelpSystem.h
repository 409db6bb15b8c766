#pragma once
// The help system that shows the help window. The window is made on the first request and
// lives until Quit or the end of the program.

#include "platform/widgets/HelpSystem.h"

#include <QPointer>

namespace kvx {

class THelpWindow;

class TQtHelpSystem : public THelpSystem {
public:
    TQtHelpSystem();
    ~TQtHelpSystem() override;

    // Until a file is set, the "kvx2.hlp" beside the executable (or the installed one).
    void SetHelpFile(const QString& path) override;
    QString HelpFile() const override;
    void ShowContext(int context) override;
    void Quit() override;

    // The open help window, or nullptr.
    THelpWindow* Window() const;

private:
    QString m_helpFile;
    QPointer<THelpWindow> m_window;
};

} // namespace kvx
