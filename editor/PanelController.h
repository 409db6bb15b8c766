#pragma once
// When the property panel is filled and when it is written back: ShowSelectedArea,
// StoreAreaPanel and the handlers of the edit boxes and the coordinates grid.

#include "editor/EditorContext.h"

#include <QObject>
#include <QString>

class QWidget;

namespace kvx {

class TOverviewTree;
class TPropertyPanel;

// The widgets the panel controller drives: the panel, the tree whose area node it highlights,
// and the window whose commands and focus it watches.
struct TPanelWidgets {
    TPropertyPanel* Panel = nullptr;
    TOverviewTree* Tree = nullptr;
    QWidget* Window = nullptr;
};

class TPanelController : public QObject {
    Q_OBJECT
public:
    TPanelController(const TEditorContext& context, const TPanelWidgets& widgets, QObject* parent);

    void ShowSelectedArea();
    // Writes the panel into the selected area through the edit layer: a step named action
    // (or after what changed) when something changed.
    void StoreAreaPanel(const QString& action = {});
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

    TEditorContext FContext;
    TPanelWidgets FWidgets;
};

} // namespace kvx
