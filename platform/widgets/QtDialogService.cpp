#include "platform/widgets/QtDialogService.h"

#include "platform/widgets/HelpSystem.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace kvx {

namespace {

QWidget* OwnerOr(QWidget* parent) {
    if (parent) {
        return parent;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

// A dialog with an owner blocks only its owner's windows, so the help window stays usable
// while a dialog that asked for help is still open.
void MakeModalToOwner(QDialog& dialog) {
    if (dialog.parentWidget() && dialog.windowModality() == Qt::NonModal) {
        dialog.setWindowModality(Qt::WindowModal);
    }
}

QMessageBox::Icon IconOf(TMsgKind kind) {
    switch (kind) {
    case TMsgKind::Warning:
        return QMessageBox::Warning;
    case TMsgKind::Error:
        return QMessageBox::Critical;
    case TMsgKind::Information:
        return QMessageBox::Information;
    case TMsgKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// A message box whose help button (and F1) opens the help context and keeps the box open.
class THelpMessageBox : public QMessageBox {
public:
    THelpMessageBox(QWidget* parent, TMsgKind kind, const QString& text, int helpContext)
        : QMessageBox(IconOf(kind), QString::fromLatin1(MessageCaption), text, NoButton, parent),
          m_helpContext(helpContext) {
        if (m_helpContext == 0) {
            return;
        }
        QPushButton* help = addButton(QStringLiteral("&Hilfe"), HelpRole);
        // Every button of the box closes it; the help button is cut off from the box so that
        // its click (mouse, Space, Enter or Alt+H) only opens the help.
        if (auto* buttonBox = findChild<QDialogButtonBox*>()) {
            QObject::disconnect(help, &QAbstractButton::clicked, buttonBox, nullptr);
        }
        connect(help, &QAbstractButton::clicked, this,
                [this] { kvx::Help().ShowContext(m_helpContext); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier &&
            m_helpContext != 0) {
            kvx::Help().ShowContext(m_helpContext);
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

private:
    int m_helpContext;
};

// Qt's save dialog takes a name in a folder that does not exist and fails only later, at
// the write; the program's dialogs refuse it here as the user expects.
class TFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        if (acceptMode() == AcceptSave) {
            const QStringList files = selectedFiles();
            if (!files.isEmpty()) {
                const QFileInfo info(files.first());
                if (!info.isDir() && !info.absoluteDir().exists()) {
                    QMessageBox::warning(this, windowTitle(),
                                         QStringLiteral("Der Ordner \"%1\" existiert nicht.")
                                             .arg(QDir::toNativeSeparators(info.absolutePath())));
                    return;
                }
            }
        }
        QFileDialog::accept();
    }
};

// The folder a request asks for: a folder as given, a file's own folder, or the nearest
// existing folder above a path that no longer exists.
QString StartFolder(const QString& requested) {
    if (requested.isEmpty()) {
        return {};
    }
    QFileInfo info(requested);
    if (info.isDir()) {
        return info.absoluteFilePath();
    }
    QDir folder = info.absoluteDir();
    while (!folder.exists() && folder.cdUp()) {
    }
    return folder.exists() ? folder.absolutePath() : QString();
}

} // namespace

TMsgResult TQtDialogService::Message(QWidget* parent, TMsgKind kind, const QString& text,
                                     TMsgButtons buttons, int helpContext) {
    THelpMessageBox box(OwnerOr(parent), kind, text, helpContext);
    std::map<QAbstractButton*, TMsgResult> results;
    auto add = [&](const char* caption, QMessageBox::ButtonRole role, TMsgResult result) {
        QPushButton* button = box.addButton(QString::fromUtf8(caption), role);
        results[button] = result;
        return button;
    };
    // The first button is the default one, as in the program's message boxes everywhere.
    QPushButton* defaultButton = nullptr;
    QPushButton* escapeButton = nullptr;
    TMsgResult closedResult = TMsgResult::Cancel;
    switch (buttons) {
    case TMsgButtons::Ok:
        defaultButton = escapeButton = add("OK", QMessageBox::AcceptRole, TMsgResult::Ok);
        closedResult = TMsgResult::Ok;
        break;
    case TMsgButtons::OkCancel:
        defaultButton = add("OK", QMessageBox::AcceptRole, TMsgResult::Ok);
        escapeButton = add("Abbrechen", QMessageBox::RejectRole, TMsgResult::Cancel);
        break;
    case TMsgButtons::YesNo:
        defaultButton = add("&Ja", QMessageBox::YesRole, TMsgResult::Yes);
        escapeButton = add("&Nein", QMessageBox::NoRole, TMsgResult::No);
        closedResult = TMsgResult::No;
        break;
    case TMsgButtons::YesNoCancel:
        defaultButton = add("&Ja", QMessageBox::YesRole, TMsgResult::Yes);
        add("&Nein", QMessageBox::NoRole, TMsgResult::No);
        escapeButton = add("Abbrechen", QMessageBox::RejectRole, TMsgResult::Cancel);
        break;
    }
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    MakeModalToOwner(box);
    box.exec();
    const auto found = results.find(box.clickedButton());
    return found != results.end() ? found->second : closedResult;
}

std::optional<QString>
TQtDialogService::RunFileDialog(QWidget* parent, const TFileDialogRequest& request, bool saving) {
    TFileDialog dialog(OwnerOr(parent));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The descriptions already list their patterns; the doubled case variants stay hidden.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!request.Caption.isEmpty()) {
        dialog.setWindowTitle(request.Caption);
    }
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!saving && request.MustExist ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ConfirmOverwrite);
    if (!request.Filter.isEmpty()) {
        dialog.setNameFilters(ToQtFilter(request.Filter).split(QStringLiteral(";;")));
    }
    dialog.setDefaultSuffix(request.DefaultSuffix);
    const QString folder = StartFolder(request.InitialFolder);
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    } else if (!m_lastFolder.isEmpty()) {
        dialog.setDirectory(m_lastFolder);
    }
    if (!request.FileName.isEmpty()) {
        dialog.selectFile(request.FileName);
    }
    MakeModalToOwner(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().first();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::optional<QString> TQtDialogService::OpenFile(QWidget* parent,
                                                  const TFileDialogRequest& request) {
    return RunFileDialog(parent, request, false);
}

std::optional<QString> TQtDialogService::SaveFile(QWidget* parent,
                                                  const TFileDialogRequest& request) {
    return RunFileDialog(parent, request, true);
}

std::optional<QColor> TQtDialogService::ChooseColor(QWidget* parent, const QColor& initial) {
    QColorDialog dialog(initial, OwnerOr(parent));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    MakeModalToOwner(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedColor();
}

int TQtDialogService::Exec(QDialog& dialog) {
    MakeModalToOwner(dialog);
    return dialog.exec();
}

} // namespace kvx
