#include "platform/widgets/QtHelpSystem.h"

#include "platform/FilePaths.h"
#include "platform/widgets/HelpWindow.h"

#include <QApplication>

namespace kvx {

TQtHelpSystem::TQtHelpSystem() = default;

TQtHelpSystem::~TQtHelpSystem() {
    // A widget must not outlive the application object; after it, the system frees the rest.
    if (m_window && QCoreApplication::instance()) {
        delete m_window.data();
    }
}

THelpWindow* TQtHelpSystem::Window() const {
    return m_window.data();
}

void TQtHelpSystem::SetHelpFile(const QString& path) {
    m_helpFile = path;
}

QString TQtHelpSystem::HelpFile() const {
    if (!m_helpFile.isEmpty()) {
        return m_helpFile;
    }
    return QString::fromStdString(DataFilePath("kvx2.hlp"));
}

void TQtHelpSystem::ShowContext(int context) {
    if (!m_window) {
        // A window of its own, not owned by any dialog, so that it stays usable while a
        // modal dialog that asked for help is open. Closing it frees it.
        m_window = new THelpWindow;
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_window, &QWidget::close);
    }
    m_window->ShowContext(HelpFile(), context);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void TQtHelpSystem::Quit() {
    if (m_window) {
        m_window->close();
    }
}

} // namespace kvx
