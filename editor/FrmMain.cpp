#include "editor/FrmMain.h"

#include "editor/AreaActions.h"
#include "editor/DisplayView.h"
#include "editor/FocusControl.h"
#include "editor/LoadIndicator.h"
#include "editor/MainLayout.h"
#include "editor/MapEdits.h"
#include "editor/OverviewTree.h"
#include "editor/PanelController.h"
#include "editor/PropertyPanel.h"
#include "editor/ToolController.h"
#include "editor/ViewController.h"
#include "editor/ViewKeys.h"
#include "editor/ViewMenu.h"
#include "platform/widgets/DialogService.h"
#include "platform/widgets/HelpSystem.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>

namespace kvx {

namespace {

constexpr int StatusPanelWidths[] = {250, 250, 100, 50};

QLabel* NewCaptionBar(QWidget* parent, const QString& text, const char* objectName) {
    auto* caption = new QLabel(text, parent);
    caption->setObjectName(QString::fromLatin1(objectName));
    caption->setAlignment(Qt::AlignCenter);
    caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    caption->setAutoFillBackground(true);
    QPalette colours = caption->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::WindowText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    caption->setPalette(colours);
    caption->resize(225, 16);
    return caption;
}

TMsgKind MessageKindOf(TMessageKind kind) {
    switch (kind) {
    case TMessageKind::Warning:
        return TMsgKind::Warning;
    case TMessageKind::Error:
        return TMsgKind::Error;
    case TMessageKind::Information:
        return TMsgKind::Information;
    case TMessageKind::Confirmation:
        return TMsgKind::Confirmation;
    }
    return TMsgKind::Information;
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Korvane 2"));
    CreateComponents();
    ConnectHandlers();
    move(368, 162);
    resize(800, 520);
    setMinimumSize(500, 400);
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // The controllers and the handlers below act on this window's members, which are gone
    // before Qt deletes the child widgets; so they stop listening first.
    FClient->removeEventFilter(this);
    trvOverview->disconnect(this);
    FEdits->disconnect(this);
    FEdits->Stack().disconnect(this);
    delete FAreaActions;
    delete FPanel;
    delete FTools;
    delete FView;
    delete FEdits;
}

void TfrmMain::CreateComponents() {
    FClient = new QWidget(this);
    FClient->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(FClient);
    FClient->installEventFilter(this);

    ControlBar = new QWidget(FClient);
    ControlBar->setObjectName(QStringLiteral("ControlBar"));
    BuildMainMenu(*this, *ControlBar);

    splColumn = new QSplitter(Qt::Horizontal, FClient);
    splColumn->setObjectName(QStringLiteral("splColumn"));
    splColumn->setChildrenCollapsible(false);
    splColumn->setHandleWidth(ColumnGap);
    pnlColumn = new QWidget(splColumn);
    pnlColumn->setObjectName(QStringLiteral("pnlColumn"));
    pnlPicture = new QWidget(splColumn);
    pnlPicture->setObjectName(QStringLiteral("pnlPicture"));
    splColumn->addWidget(pnlColumn);
    splColumn->addWidget(pnlPicture);
    // A wider window widens the picture; the column keeps its width.
    splColumn->setStretchFactor(0, 0);
    splColumn->setStretchFactor(1, 1);
    pnlColumn->setMinimumWidth(MinimumColumnWidth + ColumnMargins);
    pnlPicture->setMinimumWidth(MinimumPictureWidth);

    lblOverview = NewCaptionBar(pnlColumn, QStringLiteral("Übersicht"), "lblOverview");
    trvOverview = new TOverviewTree(pnlColumn);
    trvOverview->resize(225, trvOverview->height());
    bvlDivider = new QFrame(pnlColumn);
    bvlDivider->setObjectName(QStringLiteral("bvlDivider"));
    bvlDivider->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bvlDivider->resize(225, 2);
    lblProperties = NewCaptionBar(pnlColumn, QStringLiteral("Eigenschaften der Verweisfläche"),
                                  "lblProperties");
    pclProperties = new TPropertyPanel(pnlColumn);
    pclProperties->resize(225, 209);

    bvlPicture = new QFrame(pnlPicture);
    bvlPicture->setObjectName(QStringLiteral("bvlPicture"));
    bvlPicture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    pbxDisplay = new TDisplayView(pnlPicture);
    pbxDisplay->resize(0, 0);
    scbHorizontal = new QScrollBar(Qt::Horizontal, pnlPicture);
    scbHorizontal->setObjectName(QStringLiteral("scbHorizontal"));
    scbVertical = new QScrollBar(Qt::Vertical, pnlPicture);
    scbVertical->setObjectName(QStringLiteral("scbVertical"));
    for (QScrollBar* bar : {scbHorizontal, scbVertical}) {
        bar->setEnabled(false);
        bar->setRange(0, 0);
        bar->setPageStep(0);
        bar->setFocusPolicy(Qt::NoFocus);
    }
    FocusControl = new TVxFocusControl(pnlPicture);
    FocusControl->resize(17, 17);

    stbStatus = new QStatusBar(FClient);
    stbStatus->setObjectName(QStringLiteral("stbStatus"));
    stbStatus->setSizeGripEnabled(false);
    stbStatus->setFixedHeight(19);
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        auto* panel = new QLabel(stbStatus);
        panel->setObjectName(QStringLiteral("stbStatusPanel%1").arg(i));
        panel->setFixedWidth(StatusPanelWidths[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        stbStatus->addWidget(panel);
        StatusPanels[i] = panel;
    }
    FLoading = new TLoadIndicator(*this, *stbStatus);

    InstallHelpKey(*this, hcMainWindow);
    connect(splColumn, &QSplitter::splitterMoved, this, &TfrmMain::splColumnMoved);
}

TEditorContext TfrmMain::Context() {
    return {FDocument, FState, *FEdits};
}

void TfrmMain::ConnectHandlers() {
    FEdits = new TMapEdits(FDocument, this, *FLoading);
    FView = new TViewController(
        Context(), {pbxDisplay, scbHorizontal, scbVertical, FocusControl, this, StatusPanels},
        this);
    FPanel = new TPanelController(Context(), {pclProperties, trvOverview, this}, this);
    FTools = new TToolController(
        Context(), {pbxDisplay, FocusControl, this, StatusPanels, FView, FPanel}, this);
    FAreaActions = new TAreaActions(Context(), {pclProperties, FPanel, this}, this);
    new TViewKeys(Context(), {pbxDisplay, FocusControl, FAreaActions, FPanel}, this);
    new TViewMenu(Context(), {pbxDisplay, FocusControl, FView, FAreaActions, FPanel}, this);
    connect(trvOverview, &TOverviewTree::NodeChanging, this, &TfrmMain::trvOverviewChanging);
    connect(trvOverview, &TOverviewTree::NodeChanged, this, &TfrmMain::trvOverviewChange);
    connect(FEdits, &TMapEdits::Changed, this, &TfrmMain::MapChanged);
    connect(FEdits, &TMapEdits::GestureChanged, this, &TfrmMain::UpdateUndoCommands);
    QUndoStack& stack = FEdits->Stack();
    connect(&stack, &QUndoStack::indexChanged, this, &TfrmMain::UpdateUndoCommands);
    connect(&stack, &QUndoStack::cleanChanged, this, &TfrmMain::UpdateUndoCommands);
    connect(&stack, &QUndoStack::cleanChanged, this, &TfrmMain::UpdateCaption);
    connect(FEdits, &TMapEdits::GestureChanged, this, &TfrmMain::UpdateCaption);
    for (QAction* undo : {mniUndo, tbtUndo}) {
        connect(undo, &QAction::triggered, this, &TfrmMain::Undo);
    }
    for (QAction* redo : {mniRedo, tbtRedo}) {
        connect(redo, &QAction::triggered, this, &TfrmMain::Redo);
    }
}

void TfrmMain::FormCreate() {
    pclProperties->strgrCoords->setColumnWidth(0, 90);
    pclProperties->strgrCoords->setColumnWidth(1, 50);
    LoadColumnWidth();
    FState.CoordsBufferFilled = false;
    ResetEditor();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FClient && event->type() == QEvent::Resize) {
        FormResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (CloseQueryHandler && !CloseQueryHandler()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TfrmMain::AdjustView() {
    FView->AdjustView();
}
void TfrmMain::RenderView() {
    FView->RenderView();
}
QPoint TfrmMain::ViewToImage(QPoint viewPoint) const {
    return FView->ViewToImage(viewPoint);
}
void TfrmMain::DisableAreaPanel() {
    FPanel->DisableAreaPanel();
}
void TfrmMain::ShowSelectedArea() {
    FPanel->ShowSelectedArea();
}
void TfrmMain::StoreAreaPanel() {
    FPanel->StoreAreaPanel();
}

void TfrmMain::StoreAreaPanelIfSelected() {
    if (HasMap() && FDocument.CurrentMap->HasSelection()) {
        StoreAreaPanel();
    }
}

void TfrmMain::ResetEditor() {
    const TUpdatingControlsGuard guard(FState);
    FState.ActiveTool = tlNone;
    FState.DragState = dsIdle;
    FState.ZoomFactor = 1.0f;
    FState.ViewOrigin = QPoint(0, 0);
    FState.VisibleImageSize = QSize(0, 0);

    SetMapCommandsEnabled(false);
    CheckTool(0);
    CheckZoom(100);

    trvOverview->RemoveAllNodes();
    trvOverview->setEnabled(false);
    for (int panel = 0; panel <= 2; ++panel) {
        SetStatusText(panel, QString());
    }
    FDocument.Release();
    FEdits->StartMap();
    FView->ResetView();
    UpdateCaption();
    DisableAreaPanel();
    // Greyed texts of an area that is gone with its map would only mislead.
    pclProperties->ClearProperties();
}

void TfrmMain::SetUpEditorForMap() {
    const TUpdatingControlsGuard guard(FState);
    SetMapCommandsEnabled(true);
    CheckTool(tlEdit);
    trvOverview->setEnabled(true);

    FState.ActiveTool = tlEdit;
    SetStatusText(2, QStringLiteral("Zoom: 100%"));
    const QString name = HasMap() ? QString::fromStdString(FDocument.CurrentMap->Name) : QString();
    trvOverview->BuildMapNodes(name);
    ShowMapName(name);
    ExpandOverview();
}

void TfrmMain::SetMapCommandsEnabled(bool enabled) {
    SetMenuEnabled(mnuImageMap, enabled);
    SetMenuEnabled(mnuView, enabled);
    for (QAction* command : {mniSave, mniSaveAs, tbtSave, tbtPreview, tbtInsertNew,
                             tbtInsertExisting, tbtCopyToClipboard, tbtMapProperties}) {
        command->setEnabled(enabled);
    }
    for (int tool = tlRectangle; tool <= tlEdit; ++tool) {
        ToolButton(tool)->setEnabled(enabled);
    }
    tbtZoom->setEnabled(enabled);
}

void TfrmMain::AddAreaTreeNode() {
    if (!HasMap() || !FDocument.CurrentMap->HasSelection()) {
        return;
    }
    const TUpdatingControlsGuard guard(FState);
    TLinkAreaProperties props;
    FDocument.CurrentMap->GetSelectedProperties(props);
    trvOverview->AddAreaNode(props);
}

void TfrmMain::ShowReadMap(TMapReadResult read) {
    ResetEditor();
    FDocument.CurrentMap = std::move(read.Map);
    FDocument.SourceBitmap = std::move(read.Bitmaps.SourceBitmap);
    SetUpEditorForMap();
    {
        const TUpdatingControlsGuard guard(FState);
        // Each node carries its area's id, which the area itself does not report.
        for (const TLinkAreaEntry& entry : FDocument.CurrentMap->Entries()) {
            TLinkAreaProperties props;
            entry.Area->GetProperties(props);
            props.Id = entry.Id;
            trvOverview->AddAreaNode(props);
        }
    }
    ExpandOverview();
    FEdits->StartMap();
    AdjustView();
}

void TfrmMain::DeleteAreaTreeNode() {
    const TUpdatingControlsGuard guard(FState);
    QTreeWidgetItem* node = trvOverview->HighlightedNode();
    if (TOverviewTree::NodeId(node)) {
        delete node;
    }
}

void TfrmMain::ExpandOverview() {
    const TUpdatingControlsGuard guard(FState);
    trvOverview->expandAll();
}

void TfrmMain::ShowMapName(const QString& name) {
    FCaptionName = name;
    if (QTreeWidgetItem* node = trvOverview->MapNode()) {
        node->setText(0, name);
    }
    UpdateCaption();
}

void TfrmMain::UpdateCaption() {
    QString caption = QStringLiteral("Korvane 2");
    if (HasMap()) {
        const std::string& file = FDocument.CurrentMap->ProjectFile;
        caption += QStringLiteral(" [%1]").arg(FCaptionName);
        if (!file.empty()) {
            caption += QStringLiteral(" – ") + QFileInfo(QString::fromStdString(file)).fileName();
        }
        // Qt shows the placeholder as "*" while the window is modified and drops it otherwise.
        caption += QStringLiteral("[*]");
    }
    setWindowTitle(caption);
    setWindowModified(Modified());
}

void TfrmMain::trvOverviewChanging(QTreeWidgetItem* node) {
    if (FState.UpdatingControls) {
        return;
    }
    if (TOverviewTree::NodeId(node)) {
        StoreAreaPanel();
    }
}

void TfrmMain::trvOverviewChange(QTreeWidgetItem* node) {
    if (FState.UpdatingControls || !HasMap()) {
        return;
    }
    FTools->FinishPendingDrag(false);
    CheckTool(tlEdit);
    FState.ActiveTool = tlEdit;
    FEdits->Select(TOverviewTree::NodeId(node).value_or(0));
}

void TfrmMain::SetStatusText(int panel, const QString& text) {
    kvx::SetStatusText(StatusPanels, panel, text);
}

QString TfrmMain::StatusText(int panel) const {
    return kvx::StatusText(StatusPanels, panel);
}

void TfrmMain::ShowMessage(TMessageKind kind, const std::string& text, int helpContext) {
    Dialogs().Message(this, MessageKindOf(kind), QString::fromStdString(text), TMsgButtons::Ok,
                      helpContext);
}

std::optional<std::size_t> TfrmMain::ChooseMap(const std::vector<std::string>& names) {
    if (!ChooseMapHandler) {
        return std::nullopt;
    }
    return ChooseMapHandler(names);
}

std::optional<std::string> TfrmMain::ChooseImageFile(const std::string& presetFileName,
                                                     const std::string& initialFolder,
                                                     const std::string& filter) {
    TFileDialogRequest request;
    request.FileName = QString::fromStdString(presetFileName);
    request.InitialFolder = QString::fromStdString(initialFolder);
    request.Filter = QString::fromStdString(filter);
    request.MustExist = true;
    const std::optional<QString> chosen = Dialogs().OpenFile(this, request);
    if (!chosen) {
        return std::nullopt;
    }
    return chosen->toStdString();
}

} // namespace kvx
