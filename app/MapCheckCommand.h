#pragma once
// "Image Map → Karte prüfen" (F7): the checks of the open map in the window "Prüfergebnis",
// run again after every change while the window is open. A double-click on a finding selects
// its area as a click on its tree node would.

#include <QObject>
#include <QTimer>
#include <cstdint>

namespace kvx {

class TfrmCheckResults;
class TfrmMain;

class TMapCheckCommand : public QObject {
    Q_OBJECT
public:
    TMapCheckCommand(TfrmMain& main, TfrmCheckResults& window);

    // Shows the window beside the editor and checks the map.
    void mniCheckMapClick();
    // Checks the map again when the window is open.
    void Refresh();

private:
    void SelectArea(std::int32_t id);

    TfrmMain& FMain;
    TfrmCheckResults& FWindow;
    QTimer FPending;
};

} // namespace kvx
