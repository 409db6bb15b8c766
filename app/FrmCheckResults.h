#pragma once
// The window "Prüfergebnis": the findings of the checks for the open map, one row each, kept
// up to date while the map changes. A double-click on a finding about an area asks for that
// area to be selected.

#include "checks/MapCheck.h"

#include <QDialog>
#include <cstdint>
#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace kvx {

class TfrmCheckResults : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCheckResults(QWidget* parent = nullptr);

    // Shows findings in place of the ones shown before.
    void ShowFindings(const std::vector<TCheckFinding>& findings);
    // No map open: no findings, and a line saying so.
    void ShowNoMap();

    QTreeWidget* lstFindings = nullptr;
    QLabel* lblSummary = nullptr;

signals:
    // The area (its id in the map) of the finding double-clicked.
    void AreaChosen(std::int32_t id);

private:
    void lstFindingsDoubleClick(QTreeWidgetItem* item);
};

} // namespace kvx
