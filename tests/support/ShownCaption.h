#pragma once
// The caption as the window system shows it: Qt's "[*]" placeholder becomes "*" while the
// window is modified and is dropped otherwise.

#include <QString>
#include <QWidget>

namespace kvx::test {

inline QString ShownCaption(const QWidget& window) {
    QString caption = window.windowTitle();
    caption.replace(QStringLiteral("[*]"),
                    window.isWindowModified() ? QStringLiteral("*") : QString());
    return caption;
}

} // namespace kvx::test
