#pragma once
// The help viewer: shows one section of the help file "kvx2.hlp" by its context number.
// Tests install a recording implementation to see which context a window asked for.

#include <QString>
#include <memory>

class QWidget;

namespace kvx {

class THelpSystem {
public:
    virtual ~THelpSystem() = default;
    virtual void SetHelpFile(const QString& path) = 0;
    virtual QString HelpFile() const = 0;
    // Opens (or raises) the help window on the section of the context number.
    virtual void ShowContext(int context) = 0;
    // Closes the help window, as the main window does when it closes.
    virtual void Quit() = 0;
};

THelpSystem& Help();
std::unique_ptr<THelpSystem> InstallHelpSystem(std::unique_ptr<THelpSystem> help);

// F1 anywhere in the window (whichever child has the focus) shows the help context.
void InstallHelpKey(QWidget& window, int helpContext);

// Help context numbers of the windows.
constexpr int hcHelpContents = 100;
constexpr int hcMainWindow = 131;
constexpr int hcMapProperties = 132;
constexpr int hcHtmlFile = 133;
constexpr int hcPreview = 134;
constexpr int hcMapChoice = 135;

} // namespace kvx
