#include "app/FrmInfo.h"

#include "app/DialogFrame.h"
#include "app/HomePage.h"
#include "app/ProgramIcon.h"

#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx {

namespace {

QFrame* Panel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return panel;
}

QLabel* Label(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

QString TfrmInfo::ProgramTitle() {
    return QStringLiteral("Korvane 2 " KVX_VERSION);
}

QString TfrmInfo::ReleaseDateText() {
    const QDate date = QDate::fromString(QStringLiteral(KVX_RELEASE_DATE), Qt::ISODate);
    return QLatin1Char('(') + date.toString(QStringLiteral("dd.MM.yyyy")) + QLatin1Char(')');
}

TfrmInfo::TfrmInfo(QWidget* parent) : QDialog(parent, DialogFrame) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Info"));

    QFrame* pnlProgram = Panel(this, "pnlProgram");
    imgProgram = Label(QString(), pnlProgram, "imgProgram");
    imgProgram->setPixmap(ProgramPicture(64));
    lblProgram = Label(ProgramTitle(), pnlProgram, "lblProgram");
    QFont bold = lblProgram->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblProgram->setFont(bold);
    lblReleaseDate = Label(ReleaseDateText(), pnlProgram, "lblReleaseDate");
    auto* programText = new QVBoxLayout;
    programText->addStretch();
    programText->addWidget(lblProgram);
    programText->addWidget(lblReleaseDate);
    programText->addStretch();
    auto* programLayout = new QHBoxLayout(pnlProgram);
    programLayout->addWidget(imgProgram);
    programLayout->addSpacing(8);
    programLayout->addLayout(programText, 1);

    QFrame* pnlDescription = Panel(this, "pnlDescription");
    lblDescription = Label(QStringLiteral("Editor für clientseitige Image Maps"), pnlDescription,
                           "lblDescription");
    lblCopyright = Label(QStringLiteral("© 2026 Velmora"), pnlDescription, "lblCopyright");
    auto* descriptionLayout = new QVBoxLayout(pnlDescription);
    descriptionLayout->addWidget(lblDescription);
    descriptionLayout->addWidget(lblCopyright);

    QFrame* pnlContact = Panel(this, "pnlContact");
    lblEmailCaption = Label(QStringLiteral("eMail:"), pnlContact, "lblEmailCaption");
    lblEmail = Label(QString::fromLatin1(SupportEmailAddress), pnlContact, "lblEmail");
    lblEmail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblHomePageCaption = Label(QStringLiteral("HomePage:"), pnlContact, "lblHomePageCaption");
    lblHomePage = Label(QString::fromLatin1(HomePageAddress), pnlContact, "lblHomePage");
    QFont underlined = lblHomePage->font();
    underlined.setUnderline(true);
    lblHomePage->setFont(underlined);
    QPalette linkColours = lblHomePage->palette();
    linkColours.setColor(QPalette::WindowText, linkColours.color(QPalette::Link));
    lblHomePage->setPalette(linkColours);
    lblHomePage->setCursor(Qt::PointingHandCursor);
    lblHomePage->installEventFilter(this);
    auto* contactLayout = new QGridLayout(pnlContact);
    contactLayout->addWidget(lblEmailCaption, 0, 0);
    contactLayout->addWidget(lblEmail, 0, 1);
    contactLayout->addWidget(lblHomePageCaption, 1, 0);
    contactLayout->addWidget(lblHomePage, 1, 1);
    contactLayout->setColumnStretch(1, 1);

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pnlProgram);
    layout->addWidget(pnlDescription);
    layout->addWidget(pnlContact);
    layout->addWidget(btnOk);
    pnlProgram->setMinimumWidth(320);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TfrmInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblHomePage && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        lblHomePage->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        OpenHomePage();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kvx
