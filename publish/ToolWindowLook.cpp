#include "publish/ToolWindowLook.h"

#include "platform/widgets/HelpSystem.h"

#include <QDialog>
#include <QToolBar>
#include <QToolButton>

namespace kvx {

void SetUpToolWindow(QDialog& window, int helpContext) {
    // A title bar without close, minimise or maximise buttons; the window closes through its
    // own button, Esc or the window manager.
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window.setSizeGripEnabled(true);
    window.resize(640, 400);
    InstallHelpKey(window, helpContext);
}

QToolButton* AddToolButton(QToolBar& toolBar, const QString& caption, const QString& objectName) {
    auto* button = new QToolButton(&toolBar);
    button->setObjectName(objectName);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setText(caption);
    button->setAutoRaise(true);
    toolBar.addWidget(button);
    return button;
}

} // namespace kvx
