#include "platform/widgets/HelpWindow.h"

#include "platform/widgets/HelpDocument.h"
#include "platform/widgets/HelpSystem.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kvx {

namespace {

QString MessagePage(const QString& message) {
    return QStringLiteral("<html><body><p>%1</p><p><a href=\"#%2\">Inhalt der Hilfe</a></p>"
                          "</body></html>")
        .arg(message)
        .arg(hcHelpContents);
}

} // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Korvane 2 - Hilfe"));
    resize(600, 640);

    brsHelp = new QTextBrowser(this);
    brsHelp->setOpenLinks(false);
    btnContents = new QPushButton(QStringLiteral("&Inhalt"), this);
    btnBack = new QPushButton(QStringLiteral("&Zurück"), this);
    btnClose = new QPushButton(QStringLiteral("&Schließen"), this);
    btnBack->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(brsHelp);

    connect(brsHelp, &QTextBrowser::anchorClicked, this, &THelpWindow::brsHelpAnchorClicked);
    connect(btnContents, &QPushButton::clicked, this, &THelpWindow::btnContentsClick);
    connect(btnBack, &QPushButton::clicked, this, &THelpWindow::btnBackClick);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
}

void THelpWindow::ShowContext(const QString& helpFile, int context) {
    m_helpFile = helpFile;
    if (m_currentContext != 0 && m_currentContext != context) {
        m_history.append(m_currentContext);
    }
    ShowSection(context);
}

QString THelpWindow::ShownText() const {
    return brsHelp->toPlainText();
}

void THelpWindow::ShowSection(int context) {
    m_currentContext = context;
    btnBack->setEnabled(!m_history.isEmpty());
    QFile file(m_helpFile);
    if (!file.open(QIODevice::ReadOnly)) {
        brsHelp->setHtml(
            MessagePage(QStringLiteral("Die Hilfedatei \"%1\" konnte nicht geöffnet werden.")
                            .arg(QDir::toNativeSeparators(m_helpFile).toHtmlEscaped())));
        return;
    }
    const QString document = QString::fromUtf8(file.readAll());
    if (const auto section = HelpSectionHtml(document, context)) {
        brsHelp->setHtml(*section);
    } else {
        brsHelp->setHtml(MessagePage(
            QStringLiteral("Zu diesem Thema (%1) enthält die Hilfedatei keinen Abschnitt.")
                .arg(context)));
    }
}

void THelpWindow::brsHelpAnchorClicked(const QUrl& url) {
    if (url.isRelative() && url.path().isEmpty()) {
        bool isNumber = false;
        const int context = url.fragment().toInt(&isNumber);
        if (isNumber) {
            ShowContext(m_helpFile, context);
        } else {
            brsHelp->scrollToAnchor(url.fragment());
        }
        return;
    }
    QDesktopServices::openUrl(url);
}

void THelpWindow::btnContentsClick() {
    ShowContext(m_helpFile, hcHelpContents);
}

void THelpWindow::btnBackClick() {
    if (m_history.isEmpty()) {
        return;
    }
    const int previous = m_history.takeLast();
    ShowSection(previous);
}

} // namespace kvx
