#include "app/FrmMapChoice.h"

#include "app/DialogFrame.h"
#include "platform/widgets/DialogService.h"
#include "platform/widgets/HelpSystem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvx {

TfrmMapChoice::TfrmMapChoice(QWidget* parent) : QDialog(parent, DialogFrame) {
    setObjectName(QStringLiteral("frmMapChoice"));
    setWindowTitle(QStringLiteral("Image Map Auswahl"));

    lblQuestion = new QLabel(QStringLiteral("In der HTML-Datei wurden mehrere Image Map "
                                            "Definitionen gefunden. Welche soll geöffnet werden?"),
                             this);
    lblQuestion->setObjectName(QStringLiteral("lblQuestion"));
    lblQuestion->setWordWrap(true);
    lstMapChoice = new QListWidget(this);
    lstMapChoice->setObjectName(QStringLiteral("lstMapChoice"));
    lstMapChoice->setSelectionMode(QAbstractItemView::SingleSelection);
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnHelp = new QPushButton(QStringLiteral("&Hilfe"), this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblQuestion);
    layout->addWidget(lstMapChoice);
    layout->addLayout(buttons);
    setFixedSize(360, 280);

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmMapChoice::btnHelpClick);
    InstallHelpKey(*this, hcMapChoice);
    // A double click chooses the entry, as in any list of choices.
    connect(lstMapChoice, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    // OK always names a map: it is off while no entry is selected.
    connect(lstMapChoice, &QListWidget::itemSelectionChanged, this,
            [this] { btnOk->setEnabled(!lstMapChoice->selectedItems().isEmpty()); });
}

std::optional<std::size_t> TfrmMapChoice::Choose(const std::vector<std::string>& names) {
    lstMapChoice->clear();
    if (names.empty()) {
        return std::nullopt;
    }
    for (const std::string& name : names) {
        lstMapChoice->addItem(QString::fromStdString(name));
    }
    lstMapChoice->setCurrentRow(0);
    lstMapChoice->setFocus();
    if (Dialogs().Exec(*this) != QDialog::Accepted) {
        return std::nullopt;
    }
    const int row = lstMapChoice->currentRow();
    if (row < 0 || row >= lstMapChoice->count() || lstMapChoice->selectedItems().isEmpty()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(row);
}

void TfrmMapChoice::btnHelpClick() {
    Help().ShowContext(hcMapChoice);
}

} // namespace kvx
