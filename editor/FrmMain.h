#pragma once
// The editor's main window (TfrmMain). It owns the open map with its bitmaps and the editor
// state, and wires the view, the tools, the overview tree and the property panel together.
// Commands of the shell and of publishing (app/, publish/) connect to the public actions
// (mniNew ... tbtMapProperties, see TMainMenuActions) and call the routines below.
//
// Panel discipline: every command that reads, saves, publishes or replaces the map calls
// StoreAreaPanelIfSelected() first, so that edits still held by the property panel count.

#include "editor/EditorContext.h"
#include "editor/MainMenu.h"
#include "editor/MapChange.h"
#include "editor/MapDocument.h"
#include "formats/MapReadResult.h"
#include "formats/MapReaderHost.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QFrame;
class QLabel;
class QScrollBar;
class QSplitter;
class QStatusBar;
class QTreeWidgetItem;

namespace kvx {

class TAreaActions;
class TDisplayView;
class TLoadIndicator;
class TMapEdits;
class TOverviewTree;
class TPanelController;
class TPropertyPanel;
class TToolController;
class TViewController;
class TVxFocusControl;

class TfrmMain : public QMainWindow, public TMainMenuActions, public TMapReaderHost {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // --- The open map and the editor state ---
    TMapDocument& Document() { return FDocument; }
    TEditorState& State() { return FState; }
    bool HasMap() const { return FDocument.CurrentMap != nullptr; }
    // Every change of the map goes through the edit layer, which keeps its undo history.
    TMapEdits& Edits() const { return *FEdits; }
    // Unsaved changes: the history is away from the step last saved (or a gesture is under
    // way). SetModified(false) marks the current step as saved; true marks the map unsaved
    // without a step.
    bool Modified() const;
    void SetModified(bool modified);

    // --- Undo and redo ("Bearbeiten") ---
    // While a polygon is drawn, undo removes its last fixed vertex. Both store pending panel
    // edits first and do nothing during a mouse drag.
    void Undo();
    void Redo();

    // --- View ---
    // Sizes the view and its scroll bars for the zoom and the image; with a map only.
    void AdjustView();
    // Composes the image with all areas and shows it; with a map only.
    void RenderView();
    // Image coordinates of a point of the view (not clamped to the image).
    QPoint ViewToImage(QPoint viewPoint) const;
    // Back to the no-map state: releases the map and both bitmaps, disables the map commands,
    // empties the property panel.
    void ResetEditor();
    // Greys the property panel and disables the coordinate buttons.
    void DisableAreaPanel();

    // --- Overview tree ---
    // After a map was created and named and its image loaded: enables the map commands,
    // selects the edit tool, sets the caption and builds the map and group nodes.
    void SetUpEditorForMap();
    // Adds the node of the map's selected area (no highlight).
    void AddAreaTreeNode();
    // Deletes the highlighted area node.
    void DeleteAreaTreeNode();
    void ExpandOverview();
    // The map's name on the map node, and the caption.
    void ShowMapName(const QString& name);
    // "Korvane 2 [name] – datei.kvx" (the file part once the map has a project file), with
    // the window-modified mark while there are unsaved changes; "Korvane 2" without a map.
    void UpdateCaption();

    // --- Property panel ---
    // Fills the panel from the selected area and highlights its node, or disables the panel.
    void ShowSelectedArea();
    // Writes the panel into the selected area.
    void StoreAreaPanel();
    // StoreAreaPanel when a map is open and an area selected: what commands call first.
    void StoreAreaPanelIfSelected();

    // --- Left column ---
    // The width of the tree and the property panel; the default shows all four property tabs.
    int ColumnWidth() const { return FColumnWidth; }
    int DefaultColumnWidth() const;
    void SetColumnWidth(int width);

    // --- Status bar panels 0 to 3 ---
    void SetStatusText(int panel, const QString& text);
    QString StatusText(int panel) const;
    // Slow loads into this window (image decodes) wait through it: the window stays painted,
    // and a progress bar in the status bar and the wait cursor show a load that takes long.
    TLoadIndicator& Loading() const { return *FLoading; }

    // --- Maps read from files ---
    // Makes a map that was read or made aside the editor's, in place of the open one (which
    // goes as with ResetEditor): the map with its image, its tree with a node per area in
    // list order, the view; no area selected.
    void ShowReadMap(TMapReadResult read);
    // The questions and messages of the readers.
    void ShowMessage(TMessageKind kind, const std::string& text, int helpContext) override;
    std::optional<std::size_t> ChooseMap(const std::vector<std::string>& names) override;
    std::optional<std::string> ChooseImageFile(const std::string& presetFileName,
                                               const std::string& initialFolder,
                                               const std::string& filter) override;
    // Shows the map choice dialog (set by the program's start-up); without it no map is chosen.
    std::function<std::optional<std::size_t>(const std::vector<std::string>&)> ChooseMapHandler;
    // Asked when the window is about to close; false keeps it open. Without it, it closes.
    std::function<bool()> CloseQueryHandler;

    // --- Controllers, for the tests and for commands that drive the editor directly ---
    TViewController& View() const { return *FView; }
    TToolController& Tools() const { return *FTools; }
    TPanelController& Panel() const { return *FPanel; }
    TAreaActions& AreaActions() const { return *FAreaActions; }

    // --- Components ---
    QWidget* ControlBar = nullptr; // the tool bar strip holding ToolBar1
    // The left column (tree and properties) and the picture, side by side; the user drags
    // the column's width, which is remembered between runs.
    QSplitter* splColumn = nullptr;
    QWidget* pnlColumn = nullptr;
    QWidget* pnlPicture = nullptr;
    QLabel* lblOverview = nullptr;
    TOverviewTree* trvOverview = nullptr;
    QFrame* bvlDivider = nullptr;
    QLabel* lblProperties = nullptr;
    TPropertyPanel* pclProperties = nullptr;
    QFrame* bvlPicture = nullptr;
    TDisplayView* pbxDisplay = nullptr;
    QScrollBar* scbHorizontal = nullptr;
    QScrollBar* scbVertical = nullptr;
    TVxFocusControl* FocusControl = nullptr;
    QStatusBar* stbStatus = nullptr;
    std::array<QLabel*, 4> StatusPanels{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateComponents();
    void ConnectHandlers();
    void FormCreate();
    void FormResize();
    void splColumnMoved();
    // The remembered column width, or the default without one.
    void LoadColumnWidth();
    // The commands that need a map: both map menus, saving and the tool bar's map buttons.
    void SetMapCommandsEnabled(bool enabled);
    void trvOverviewChanging(QTreeWidgetItem* node);
    // The tree, the panel, the view and the undo commands follow every announced change.
    void MapChanged(const TMapChange& change);
    void UpdateUndoCommands();
    TEditorContext Context();
    void trvOverviewChange(QTreeWidgetItem* node);

    TMapDocument FDocument;
    TEditorState FState;
    QString FCaptionName; // the map's name as last shown
    QWidget* FClient = nullptr;
    int FColumnWidth = 225;
    bool FLayingOut = false; // FormResize moves the splitter, which reports back
    TMapEdits* FEdits = nullptr;
    TViewController* FView = nullptr;
    TToolController* FTools = nullptr;
    TPanelController* FPanel = nullptr;
    TAreaActions* FAreaActions = nullptr;
    TLoadIndicator* FLoading = nullptr;
};

} // namespace kvx
