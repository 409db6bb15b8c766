#include "app/FrmMapProps.h"

#include "app/BorderSpinBox.h"
#include "app/DialogFrame.h"
#include "platform/widgets/DialogService.h"
#include "platform/widgets/HelpSystem.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kvx {

namespace {

const char* const ImageFilter =
    "Bilddateien (*.gif;*.jpg;*.jpeg;*.png)|*.GIF;*.JPG;*.JPEG;*.PNG|GIF-Dateien "
    "(*.gif)|*.GIF|JPEG-Dateien (*.jpg;*.jpeg)|*.JPG;*.JPEG|PNG-Dateien (*.png)|*.PNG";

const char* const MissingFieldsText = "Es muss ein Name und eine Bilddatei einegegeben werden!";

const char* const UnconventionalNameText =
    "Laut HTML-Konvention darf der Name nur aus den Zeichen A-Z a-z 0-9 .:_- bestehen, wobei "
    "das erste Zeichen ein Buchstabe sein muss! Dies kann in einigen Browsern zu "
    "Anzeigeproblemen führen! Trotzdem fortfahren?";

bool IsAsciiLetter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool IsNameCharacter(QChar c) {
    return IsAsciiLetter(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           c == QLatin1Char('.') || c == QLatin1Char(':') || c == QLatin1Char('_') ||
           c == QLatin1Char('-');
}

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TfrmMapProps::TfrmMapProps(QWidget* parent) : QDialog(parent, DialogFrame) {
    setObjectName(QStringLiteral("frmMapProps"));
    setWindowTitle(QStringLiteral("Image Map"));

    lblName = Named(new QLabel(QStringLiteral("Name der Image Map:"), this), "lblName");
    inpName = Named(new QLineEdit(this), "inpName");
    lblImage = Named(new QLabel(QStringLiteral("Bilddatei für die Image Map:"), this), "lblImage");
    inpImage = Named(new QLineEdit(this), "inpImage");
    inpImage->setEnabled(false);
    btnOpenImageDialog = Named(new QPushButton(QStringLiteral("..."), this), "btnOpenImageDialog");
    btnOpenImageDialog->setToolTip(QStringLiteral("Hier klicken um eine Bild auszuwählen"));
    btnOpenImageDialog->setFixedWidth(
        btnOpenImageDialog->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    lblAlt = Named(new QLabel(QStringLiteral("Beschreibungstext:"), this), "lblAlt");
    inpAlt = Named(new QLineEdit(this), "inpAlt");
    lblBorder = Named(new QLabel(QStringLiteral("Rahmenbreite:"), this), "lblBorder");
    inpBorder = Named(new TBorderSpinBox(this), "inpBorder");
    btnOk = Named(new QPushButton(QStringLiteral("Ok"), this), "btnOk");
    btnOk->setDefault(true);
    btnCancel = Named(new QPushButton(QStringLiteral("Abbrechen"), this), "btnCancel");
    btnHelp = Named(new QPushButton(QStringLiteral("&Hilfe"), this), "btnHelp");

    inpName->setMinimumWidth(340);
    inpBorder->setMinimumWidth(120);

    auto* fields = new QGridLayout;
    fields->addWidget(lblName, 0, 0, 1, 2);
    fields->addWidget(inpName, 1, 0, 1, 2);
    fields->addWidget(lblImage, 2, 0, 1, 2);
    fields->addWidget(inpImage, 3, 0);
    fields->addWidget(btnOpenImageDialog, 3, 1);
    fields->addWidget(lblAlt, 4, 0, 1, 2);
    fields->addWidget(inpAlt, 5, 0, 1, 2);
    fields->addWidget(lblBorder, 6, 0, 1, 2);
    fields->addWidget(inpBorder, 7, 0, Qt::AlignLeft);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOpenImageDialog, &QPushButton::clicked, this,
            &TfrmMapProps::btnOpenImageDialogClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmMapProps::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmMapProps::btnHelpClick);
    InstallHelpKey(*this, hcMapProperties);
}

void TfrmMapProps::SetFields(const TMapPropsFields& fields) {
    inpName->setText(fields.name);
    inpImage->setText(fields.imageFile);
    inpAlt->setText(fields.altText);
    inpBorder->SetBorderText(fields.border);
}

TMapPropsFields TfrmMapProps::Fields() const {
    return {inpName->text(), inpImage->text(), inpAlt->text(), inpBorder->BorderText()};
}

bool TfrmMapProps::IsConventionalName(const QString& name) {
    if (name.isEmpty() || !IsAsciiLetter(name.front())) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), IsNameCharacter);
}

void TfrmMapProps::btnOpenImageDialogClick() {
    TFileDialogRequest request;
    request.InitialFolder = inpImage->text();
    request.Filter = QString::fromUtf8(ImageFilter);
    request.MustExist = true;
    if (const auto chosen = Dialogs().OpenFile(this, request)) {
        inpImage->setText(QFileInfo(*chosen).absoluteFilePath());
    }
}

void TfrmMapProps::btnOkClick() {
    // Enter takes the default button without leaving the border field; the border must
    // still be a clean number, as leaving the field would have made it.
    inpBorder->ApplyBorderRule();
    if (inpName->text().isEmpty() || inpImage->text().isEmpty()) {
        Dialogs().Message(this, TMsgKind::Information, QString::fromUtf8(MissingFieldsText),
                          TMsgButtons::Ok);
        return;
    }
    if (!IsConventionalName(inpName->text()) &&
        Dialogs().Message(this, TMsgKind::Warning, QString::fromUtf8(UnconventionalNameText),
                          TMsgButtons::YesNo) != TMsgResult::Yes) {
        return;
    }
    accept();
}

void TfrmMapProps::btnHelpClick() {
    Help().ShowContext(hcMapProperties);
}

} // namespace kvx
