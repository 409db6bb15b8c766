#pragma once
// When the property panel is filled and when it is written back: ShowSelectedArea,
// StoreAreaPanel and the handlers of the edit boxes and the coordinates grid.

#include <QObject>

class QWidget;

namespace kvx {

class TfrmMain;

class TPanelController : public QObject {
    Q_OBJECT
public:
    explicit TPanelController(TfrmMain& main);

    void ShowSelectedArea();
    void StoreAreaPanel();
    void DisableAreaPanel();

    // Event handlers; the six edit boxes share inpLinkChange and inpLinkExit.
    void inpLinkChange();
    void inpLinkExit();
    void strgrCoordsSelectCell();
    void strgrCoordsExit();
    void strgrCoordsKeyPress();
    void strgrCoordsEnter();
    void btnCopyCoordsClick();
    void btnPasteCoordsClick();

protected:
    // Gives the window's menu shortcuts priority over the edit boxes' own editing keys
    // (Ctrl+E and Ctrl+K move and delete in a line edit on Linux).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Exit handlers run when the focus moves from an edit box or the grid to another control
    // of the main window (not when another window, such as a dialog, takes it).
    void FocusChanged(QWidget* old, QWidget* now);

    TfrmMain& FMain;
};

} // namespace kvx
