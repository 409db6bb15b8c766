#pragma once
// The info dialog: program picture, name, version and release date; what the program is;
// how to reach the maker (clicking the web address opens it like the Home page command).

#include <QDialog>

class QLabel;
class QPushButton;

namespace kvx {

class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* parent = nullptr);

    // "Korvane 2 2.0.0" and "(08.12.2026)" as the dialog shows them.
    static QString ProgramTitle();
    static QString ReleaseDateText();

    QLabel* imgProgram;
    QLabel* lblProgram;
    QLabel* lblReleaseDate;
    QLabel* lblDescription;
    QLabel* lblCopyright;
    QLabel* lblEmailCaption;
    QLabel* lblEmail;
    QLabel* lblHomePageCaption;
    QLabel* lblHomePage;
    QPushButton* btnOk;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kvx
