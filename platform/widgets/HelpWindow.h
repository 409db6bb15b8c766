#pragma once
// The help window: one section of the help file at a time, with the contents and a way back.
// Links to other sections ("#132") stay in the window; web and mail links go to the desktop.

#include <QList>
#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace kvx {

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the context's section of the help file, read anew so that the file may change.
    void ShowContext(const QString& helpFile, int context);
    int CurrentContext() const { return m_currentContext; }
    // The shown page as plain text (what a user reads).
    QString ShownText() const;

    QTextBrowser* brsHelp;
    QPushButton* btnContents;
    QPushButton* btnBack;
    QPushButton* btnClose;

private:
    void ShowSection(int context);
    void brsHelpAnchorClicked(const QUrl& url);
    void btnContentsClick();
    void btnBackClick();

    QString m_helpFile;
    int m_currentContext = 0;
    QList<int> m_history; // contexts shown before the current one
};

} // namespace kvx
