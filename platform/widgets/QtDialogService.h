#pragma once
// The dialog service that really asks: Qt message boxes with German buttons, Qt's own
// (non-native, translated) file and colour dialogs, and modal runs of the program's dialogs.

#include "platform/widgets/DialogService.h"

namespace kvx {

// Caption of every message box: the application title.
inline constexpr const char* MessageCaption = "Korvane 2";

class TQtDialogService : public TDialogService {
public:
    TMsgResult Message(QWidget* parent, TMsgKind kind, const QString& text, TMsgButtons buttons,
                       int helpContext = 0) override;
    std::optional<QString> OpenFile(QWidget* parent, const TFileDialogRequest& request) override;
    std::optional<QString> SaveFile(QWidget* parent, const TFileDialogRequest& request) override;
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
    int Exec(QDialog& dialog) override;

private:
    std::optional<QString> RunFileDialog(QWidget* parent, const TFileDialogRequest& request,
                                         bool saving);

    // A file dialog whose request names no folder opens where the last one was left.
    QString m_lastFolder;
};

} // namespace kvx
