#pragma once
// What the preview and the HTML file window share: a resizable modal window of 640 x 400
// without title-bar buttons, a tool bar of captioned buttons and F1 for its help section.

#include <QString>

class QDialog;
class QToolBar;
class QToolButton;

namespace kvx {

void SetUpToolWindow(QDialog& window, int helpContext);
// A button showing its caption; "&" marks the Alt key as on any button.
QToolButton* AddToolButton(QToolBar& toolBar, const QString& caption, const QString& objectName);

} // namespace kvx
