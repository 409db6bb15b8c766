#pragma once
// The main window's commands: the main menu, the tool bar ToolBar1 and the zoom pop-up menu.
// Menu items and tool buttons of the same meaning are separate actions, because the window
// states enable them separately; a command connects to both.

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

class QMainWindow;

namespace kvx {

struct TMainMenuActions {
    // "&Datei"
    QMenu* mnuFile = nullptr;
    QAction* mniNew = nullptr;
    QAction* mniOpen = nullptr;
    QAction* mniSave = nullptr; // Ctrl+S
    QAction* mniSaveAs = nullptr;
    QAction* mniImport = nullptr;
    // "Zuletzt geöffnet": the last projects and pages, filled by the file commands.
    QMenu* mnuRecent = nullptr;
    QAction* mniExit = nullptr;
    // "&Bearbeiten": undo (Ctrl+Z) and redo (Ctrl+Shift+Z, Ctrl+Y); captions name the action
    QMenu* mnuEdit = nullptr;
    QAction* mniUndo = nullptr;
    QAction* mniRedo = nullptr;
    // "&Image Map": the four tools (tags 1 to 4, one radio group), then the map commands
    QMenu* mnuImageMap = nullptr;
    QAction* mniNewRectangle = nullptr; // Ctrl+1
    QAction* mniNewCircle = nullptr;    // Ctrl+2
    QAction* mniNewPolygon = nullptr;   // Ctrl+3
    QAction* mniEditArea = nullptr;     // Ctrl+4
    QActionGroup* grpToolItems = nullptr;
    QAction* mniMapProperties = nullptr;
    QAction* mniPreview = nullptr;         // Ctrl+P
    QAction* mniInsertNew = nullptr;       // Ctrl+N
    QAction* mniInsertExisting = nullptr;  // Ctrl+E
    QAction* mniCopyToClipboard = nullptr; // Ctrl+K
    QAction* mniCheckMap = nullptr;        // F7
    // "&Ansicht" / "&Zoom": six radio items with the tags 25 ... 400
    QMenu* mnuView = nullptr;
    QMenu* mnuZoom = nullptr;
    QAction* mniZoom25 = nullptr;
    QAction* mniZoom50 = nullptr;
    QAction* mniZoom100 = nullptr;
    QAction* mniZoom200 = nullptr;
    QAction* mniZoom300 = nullptr;
    QAction* mniZoom400 = nullptr;
    QActionGroup* grpZoomItems = nullptr;
    // "An Fenster anpassen" (Ctrl+0): the largest zoom showing the whole image.
    QAction* mniZoomFit = nullptr;
    // "&Hilfe"
    QMenu* mnuHelp = nullptr;
    QAction* mniHelp = nullptr;
    QAction* mniHomePage = nullptr;
    QAction* mniInfo = nullptr;

    // The zoom button's drop-down menu: "25%" ... "400%" with the same tags.
    QMenu* pumZoom = nullptr;
    QActionGroup* grpZoomPopup = nullptr;

    // ToolBar1, left to right.
    QToolBar* ToolBar1 = nullptr;
    QAction* tbtNew = nullptr;
    QAction* tbtOpen = nullptr;
    QAction* tbtSave = nullptr;
    QAction* tbtUndo = nullptr;
    QAction* tbtRedo = nullptr;
    QAction* tbtPreview = nullptr;
    QAction* tbtInsertNew = nullptr;
    QAction* tbtInsertExisting = nullptr;
    QAction* tbtCopyToClipboard = nullptr;
    QAction* tbtMapProperties = nullptr;
    QAction* tbtNewRectangle = nullptr; // tags 1 to 4, one exclusive group
    QAction* tbtNewCircle = nullptr;
    QAction* tbtNewPolygon = nullptr;
    QAction* tbtEditArea = nullptr;
    QActionGroup* grpToolButtons = nullptr;
    // A click on the button sets 100 %; its arrow opens pumZoom.
    QToolButton* tbtZoom = nullptr;

    // Creates the menus in window's menu bar and ToolBar1 inside controlBar.
    void BuildMainMenu(QMainWindow& window, QWidget& controlBar);

    // Menu item and tool button of a tool (1 to 4); nullptr for other tags.
    QAction* ToolItem(int tag) const;
    QAction* ToolButton(int tag) const;
    // Checks the tool's item and pushes its button down; tag 0 releases all four of each.
    void CheckTool(int tag) const;
    // Checks the zoom item of the main menu and of pumZoom with this tag; a tag without an
    // item leaves none checked.
    void CheckZoom(int tag) const;
};

// Enables or disables a whole menu together with its items, so that no shortcut of a
// disabled menu acts.
void SetMenuEnabled(QMenu* menu, bool enabled);

// The tag a command carries (tool number or zoom percentage), 0 when it has none.
int ActionTag(const QAction* action);

} // namespace kvx
