#pragma once
// The one way to every modal question: message boxes, file and colour dialogs and the
// program's own dialogs. The Qt implementation shows them; tests install a scripted one.

#include <QColor>
#include <QString>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace kvx {

enum class TMsgKind { Warning, Error, Information, Confirmation };
enum class TMsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TMsgResult { Ok, Cancel, Yes, No };

struct TFileDialogRequest {
    QString Caption;
    QString InitialFolder;  // empty: leave the dialog where it was
    QString FileName;       // preset file name
    QString Filter;         // "Description|*.GIF;*.JPG|..." as the program writes it
    QString DefaultSuffix;  // "kvx", "htm" or empty
    bool MustExist = false; // open: the file must exist
    bool ConfirmOverwrite = false;
};

class TDialogService {
public:
    virtual ~TDialogService() = default;

    // helpContext 0: no help. Returns the button pressed (closing the box counts as Cancel,
    // or as No / Ok where there is no Cancel button).
    virtual TMsgResult Message(QWidget* parent, TMsgKind kind, const QString& text,
                               TMsgButtons buttons, int helpContext = 0) = 0;
    virtual std::optional<QString> OpenFile(QWidget* parent, const TFileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFile(QWidget* parent, const TFileDialogRequest& request) = 0;
    virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
    // Runs one of the program's own modal dialogs; returns QDialog::DialogCode.
    virtual int Exec(QDialog& dialog) = 0;
};

// The service installed at start-up (a Qt one unless a test installed another).
TDialogService& Dialogs();
// Installs a service; returns the previous one so a test can put it back.
std::unique_ptr<TDialogService> InstallDialogService(std::unique_ptr<TDialogService> service);

// "Description|*.GIF;*.JPG|..." to Qt's "Description (*.GIF *.JPG);;...".
QString ToQtFilter(const QString& programFilter);

} // namespace kvx
