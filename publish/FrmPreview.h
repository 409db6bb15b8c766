#pragma once
// The preview window: the map definition as it is published, and the map in an embedded
// browser. Created once; it keeps its size, position and active tab between previews.

#include <QDialog>

class QPlainTextEdit;
class QTabWidget;
class QToolBar;
class QToolButton;
class QWebEngineView;

namespace kvx {

class TFrmPreview : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPreview(QWidget* parent = nullptr);

    // Shows text in "&Quelltext" in place of what was there.
    void ShowSourceCode(const QString& text);
    QString SourceCode() const;
    // Shows or hides the "&Browser" tab.
    void SetBrowserVisible(bool visible);
    bool IsBrowserVisible() const;
    // Lets the browser display a local file.
    void Navigate(const QString& filePath);

    QToolBar* tlbPreview = nullptr;
    QToolButton* tbtClose = nullptr;
    QToolButton* tbtHelp = nullptr;
    QTabWidget* pclPreview = nullptr;
    QWidget* tbsSourceCode = nullptr;
    QWidget* tbsBrowser = nullptr;
    QPlainTextEdit* rtfSourceCode = nullptr;
    QWebEngineView* WebBrowser = nullptr;

private:
    void tbtCloseClick();
    void tbtHelpClick();
};

} // namespace kvx
