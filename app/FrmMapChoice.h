#pragma once
// Asks which of several image maps of an HTML file is to be opened. The first map is
// preselected, so OK always names one.

#include <QDialog>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace kvx {

class TfrmMapChoice : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMapChoice(QWidget* parent = nullptr);

    // Lists the names (UTF-8, in document order) and runs the dialog through Dialogs().Exec.
    // The index of the chosen name, or std::nullopt when the user cancelled (or there was
    // nothing to choose).
    std::optional<std::size_t> Choose(const std::vector<std::string>& names);

    QLabel* lblQuestion;
    QListWidget* lstMapChoice;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

private:
    void btnHelpClick();
};

} // namespace kvx
