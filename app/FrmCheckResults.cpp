#include "app/FrmCheckResults.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kvx {

namespace {

enum TColumn { colLevel, colArea, colMessage, colRule };

QString LevelText(TCheckLevel level) {
    return level == TCheckLevel::Error ? QStringLiteral("Fehler") : QStringLiteral("Warnung");
}

QString AreaText(const TCheckFinding& finding) {
    if (finding.AreaNumber == 0) {
        return QStringLiteral("Karte");
    }
    return QStringLiteral("Fläche %1 (%2)")
        .arg(finding.AreaNumber)
        .arg(QString::fromUtf8(GermanShapeName(finding.Shape)));
}

} // namespace

TfrmCheckResults::TfrmCheckResults(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCheckResults"));
    setWindowTitle(QStringLiteral("Prüfergebnis"));
    // Beside the editor, not in front of it: the map stays editable while the list is open.
    setModal(false);
    resize(640, 320);

    lstFindings = new QTreeWidget(this);
    lstFindings->setObjectName(QStringLiteral("lstFindings"));
    lstFindings->setRootIsDecorated(false);
    lstFindings->setUniformRowHeights(true);
    lstFindings->setHeaderLabels({QStringLiteral("Stufe"), QStringLiteral("Wo"),
                                  QStringLiteral("Meldung"), QStringLiteral("Regel")});
    lstFindings->header()->setStretchLastSection(false);
    lstFindings->header()->setSectionResizeMode(colMessage, QHeaderView::Stretch);
    connect(lstFindings, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { lstFindingsDoubleClick(item); });

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstFindings, 1);
    layout->addWidget(lblSummary);
}

void TfrmCheckResults::ShowFindings(const std::vector<TCheckFinding>& findings) {
    lstFindings->clear();
    int errors = 0;
    for (const TCheckFinding& finding : findings) {
        auto* item = new QTreeWidgetItem(lstFindings);
        item->setText(colLevel, LevelText(finding.Level));
        item->setText(colArea, AreaText(finding));
        item->setText(colMessage, QString::fromStdString(finding.Message));
        item->setText(colRule, QString::fromStdString(finding.Rule));
        item->setData(colLevel, Qt::UserRole, finding.AreaId);
        errors += finding.Level == TCheckLevel::Error ? 1 : 0;
    }
    const int warnings = static_cast<int>(findings.size()) - errors;
    lblSummary->setText(findings.empty() ? QStringLiteral("Keine Fehler und Warnungen.")
                                         : QStringLiteral("%1 Fehler, %2 %3.")
                                               .arg(errors)
                                               .arg(warnings)
                                               .arg(warnings == 1 ? QStringLiteral("Warnung")
                                                                  : QStringLiteral("Warnungen")));
    for (int column : {colLevel, colArea, colRule}) {
        lstFindings->resizeColumnToContents(column);
    }
}

void TfrmCheckResults::ShowNoMap() {
    lstFindings->clear();
    lblSummary->setText(QStringLiteral("Keine Image Map geöffnet."));
}

void TfrmCheckResults::lstFindingsDoubleClick(QTreeWidgetItem* item) {
    const std::int32_t id = item ? item->data(colLevel, Qt::UserRole).toInt() : 0;
    if (id != 0) {
        emit AreaChosen(id);
    }
}

} // namespace kvx
