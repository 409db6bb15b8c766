#include "platform/widgets/HelpSystem.h"

#include "platform/widgets/QtHelpSystem.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <utility>

namespace kvx {

namespace {

std::unique_ptr<THelpSystem>& InstalledHelp() {
    static std::unique_ptr<THelpSystem> help;
    return help;
}

} // namespace

THelpSystem& Help() {
    auto& help = InstalledHelp();
    if (!help) {
        help = std::make_unique<TQtHelpSystem>();
    }
    return *help;
}

std::unique_ptr<THelpSystem> InstallHelpSystem(std::unique_ptr<THelpSystem> help) {
    return std::exchange(InstalledHelp(), std::move(help));
}

void InstallHelpKey(QWidget& window, int helpContext) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, &window,
                     [helpContext] { Help().ShowContext(helpContext); });
}

} // namespace kvx
