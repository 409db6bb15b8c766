#include "publish/FrmPreview.h"

#include "platform/widgets/HelpSystem.h"
#include "publish/PreviewPage.h"
#include "publish/ToolWindowLook.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace kvx {

namespace {

// A page filled by one widget that follows its size.
QWidget* NewTabPage(QWidget* content, const QString& objectName) {
    auto* page = new QWidget;
    page->setObjectName(objectName);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return page;
}

} // namespace

TFrmPreview::TFrmPreview(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmPreview"));
    setWindowTitle(QStringLiteral("Vorschau"));
    SetUpToolWindow(*this, hcPreview);

    tlbPreview = new QToolBar(this);
    tlbPreview->setObjectName(QStringLiteral("tlbPreview"));
    tbtClose = AddToolButton(*tlbPreview, QStringLiteral("Fenster s&chließen"),
                             QStringLiteral("tbtClose"));
    tbtHelp = AddToolButton(*tlbPreview, QStringLiteral("&Hilfe"), QStringLiteral("tbtHelp"));
    connect(tbtClose, &QToolButton::clicked, this, &TFrmPreview::tbtCloseClick);
    connect(tbtHelp, &QToolButton::clicked, this, &TFrmPreview::tbtHelpClick);

    rtfSourceCode = new QPlainTextEdit;
    rtfSourceCode->setObjectName(QStringLiteral("rtfSourceCode"));
    rtfSourceCode->setReadOnly(true);
    rtfSourceCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    rtfSourceCode->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    rtfSourceCode->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    rtfSourceCode->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    WebBrowser = new QWebEngineView;
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    WebBrowser->setPage(new TPreviewPage(WebBrowser));

    pclPreview = new QTabWidget(this);
    pclPreview->setObjectName(QStringLiteral("pclPreview"));
    tbsSourceCode = NewTabPage(rtfSourceCode, QStringLiteral("tbsSourceCode"));
    tbsBrowser = NewTabPage(WebBrowser, QStringLiteral("tbsBrowser"));
    pclPreview->addTab(tbsSourceCode, QStringLiteral("&Quelltext"));
    pclPreview->addTab(tbsBrowser, QStringLiteral("&Browser"));
    pclPreview->setCurrentWidget(tbsSourceCode);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tlbPreview);
    layout->addWidget(pclPreview, 1);
}

void TFrmPreview::ShowSourceCode(const QString& text) {
    rtfSourceCode->setPlainText(text);
}

QString TFrmPreview::SourceCode() const {
    return rtfSourceCode->toPlainText();
}

void TFrmPreview::SetBrowserVisible(bool visible) {
    pclPreview->setTabVisible(pclPreview->indexOf(tbsBrowser), visible);
}

bool TFrmPreview::IsBrowserVisible() const {
    return pclPreview->isTabVisible(pclPreview->indexOf(tbsBrowser));
}

void TFrmPreview::Navigate(const QString& filePath) {
    WebBrowser->load(QUrl::fromLocalFile(filePath));
}

void TFrmPreview::tbtCloseClick() {
    accept();
}

void TFrmPreview::tbtHelpClick() {
    Help().ShowContext(hcPreview);
}

} // namespace kvx
