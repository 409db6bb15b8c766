#include "editor/MainMenu.h"

#include "editor/EditorIcons.h"

#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>

namespace kvx {

namespace {

// The zoom items of the main menu; pumZoom has the same tags with plain percentages.
constexpr struct {
    QAction* TMainMenuActions::*Item;
    int Tag;
    const char* Caption;
} ZoomItems[] = {
    {&TMainMenuActions::mniZoom25, 25, "&25%"},    {&TMainMenuActions::mniZoom50, 50, "&50%"},
    {&TMainMenuActions::mniZoom100, 100, "&100%"}, {&TMainMenuActions::mniZoom200, 200, "2&00%"},
    {&TMainMenuActions::mniZoom300, 300, "&300%"}, {&TMainMenuActions::mniZoom400, 400, "&400%"}};

QByteArray NumberedName(const char* prefix, int number) {
    return QByteArray(prefix) + QByteArray::number(number);
}

QAction* AddItem(QMenu* menu, const QString& caption, const char* objectName,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    return action;
}

QAction* AddRadioItem(QMenu* menu, QActionGroup* group, const QString& caption,
                      const char* objectName, int tag, const QKeySequence& shortcut = {}) {
    QAction* action = AddItem(menu, caption, objectName, shortcut);
    action->setCheckable(true);
    action->setData(tag);
    group->addAction(action);
    return action;
}

QAction* AddButton(QToolBar* bar, const QString& icon, const QString& hint,
                   const char* objectName) {
    QAction* action = bar->addAction(EditorIcon(icon), hint);
    action->setToolTip(hint);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

// A button with the desktop theme's icon of that name, or the style's arrow without a theme.
QAction* AddThemeButton(QToolBar* bar, const QString& icon, QStyle::StandardPixmap fallback,
                        const QString& hint, const char* objectName) {
    QAction* action =
        bar->addAction(QIcon::fromTheme(icon, bar->style()->standardIcon(fallback)), hint);
    action->setToolTip(hint);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QAction* AddToolButton(QToolBar* bar, QActionGroup* group, const QString& icon, const QString& hint,
                       const char* objectName, int tag) {
    QAction* action = AddButton(bar, icon, hint, objectName);
    action->setCheckable(true);
    action->setData(tag);
    group->addAction(action);
    return action;
}

QActionGroup* NewRadioGroup(QObject* owner, QActionGroup::ExclusionPolicy policy) {
    auto* group = new QActionGroup(owner);
    group->setExclusionPolicy(policy);
    return group;
}

} // namespace

void TMainMenuActions::BuildMainMenu(QMainWindow& window, QWidget& controlBar) {
    QMenuBar* bar = window.menuBar();

    mnuFile = bar->addMenu(QStringLiteral("&Datei"));
    mniNew = AddItem(mnuFile, QStringLiteral("&Neu..."), "mniNew");
    mniOpen = AddItem(mnuFile, QStringLiteral("Ö&ffnen..."), "mniOpen", QKeySequence("Ctrl+O"));
    mniSave = AddItem(mnuFile, QStringLiteral("&Speichern"), "mniSave", QKeySequence("Ctrl+S"));
    mniSaveAs = AddItem(mnuFile, QStringLiteral("Speichern &unter..."), "mniSaveAs");
    mnuFile->addSeparator();
    mniImport = AddItem(mnuFile, QStringLiteral("Image Map &importieren..."), "mniImport");
    mnuFile->addSeparator();
    mnuRecent = mnuFile->addMenu(QStringLiteral("Zuletzt geöffnet"));
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    mnuRecent->setEnabled(false);
    mnuFile->addSeparator();
    mniExit = AddItem(mnuFile, QStringLiteral("&Beenden"), "mniExit");

    mnuEdit = bar->addMenu(QStringLiteral("&Bearbeiten"));
    mniUndo = AddItem(mnuEdit, QStringLiteral("&Rückgängig"), "mniUndo", QKeySequence("Ctrl+Z"));
    mniRedo = AddItem(mnuEdit, QStringLiteral("&Wiederherstellen"), "mniRedo");
    mniRedo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});

    // A radio group in which no item may be checked: the no-map state checks none.
    mnuImageMap = bar->addMenu(QStringLiteral("&Image Map"));
    grpToolItems = NewRadioGroup(&window, QActionGroup::ExclusionPolicy::ExclusiveOptional);
    mniNewRectangle =
        AddRadioItem(mnuImageMap, grpToolItems, QStringLiteral("Neue &rechteckige Verweisfläche"),
                     "mniNewRectangle", 1, QKeySequence("Ctrl+1"));
    mniNewCircle =
        AddRadioItem(mnuImageMap, grpToolItems, QStringLiteral("Neue &kreisförmige Verweisfläche"),
                     "mniNewCircle", 2, QKeySequence("Ctrl+2"));
    mniNewPolygon =
        AddRadioItem(mnuImageMap, grpToolItems, QStringLiteral("Neue &vieleckige Verweisfläche"),
                     "mniNewPolygon", 3, QKeySequence("Ctrl+3"));
    mniEditArea = AddRadioItem(mnuImageMap, grpToolItems,
                               QStringLiteral("Verweisfläche be&arbeiten/verschieben"),
                               "mniEditArea", 4, QKeySequence("Ctrl+4"));
    mnuImageMap->addSeparator();
    mniMapProperties =
        AddItem(mnuImageMap, QStringLiteral("&Eigenschaften..."), "mniMapProperties");
    mnuImageMap->addSeparator();
    mniPreview =
        AddItem(mnuImageMap, QStringLiteral("Vor&schau..."), "mniPreview", QKeySequence("Ctrl+P"));
    mniInsertNew = AddItem(mnuImageMap, QStringLiteral("In &neue HTML-Datei einfügen..."),
                           "mniInsertNew", QKeySequence("Ctrl+N"));
    mniInsertExisting =
        AddItem(mnuImageMap, QStringLiteral("In &bestehende HTML-Datei einfügen..."),
                "mniInsertExisting", QKeySequence("Ctrl+E"));
    mniCopyToClipboard = AddItem(mnuImageMap, QStringLiteral("In die Zwischenablage &kopieren"),
                                 "mniCopyToClipboard", QKeySequence("Ctrl+K"));
    mnuImageMap->addSeparator();
    mniCheckMap =
        AddItem(mnuImageMap, QStringLiteral("Karte prüfen"), "mniCheckMap", QKeySequence("F7"));

    mnuView = bar->addMenu(QStringLiteral("&Ansicht"));
    mnuZoom = mnuView->addMenu(QStringLiteral("&Zoom"));
    grpZoomItems = NewRadioGroup(&window, QActionGroup::ExclusionPolicy::Exclusive);
    for (const auto& zoom : ZoomItems) {
        this->*zoom.Item = AddRadioItem(mnuZoom, grpZoomItems, QString::fromLatin1(zoom.Caption),
                                        NumberedName("mniZoom", zoom.Tag).constData(), zoom.Tag);
    }
    mniZoom100->setChecked(true);
    mniZoomFit = AddItem(mnuView, QStringLiteral("An Fenster anpassen"), "mniZoomFit",
                         QKeySequence(QStringLiteral("Ctrl+0")));

    mnuHelp = bar->addMenu(QStringLiteral("&Hilfe"));
    mniHelp = AddItem(mnuHelp, QStringLiteral("&Hilfe..."), "mniHelp");
    mnuHelp->addSeparator();
    mniHomePage = AddItem(mnuHelp, QStringLiteral("Velmora Home&Page"), "mniHomePage");
    mnuHelp->addSeparator();
    mniInfo = AddItem(mnuHelp, QStringLiteral("&Info..."), "mniInfo");

    pumZoom = new QMenu(&window);
    pumZoom->setObjectName(QStringLiteral("pumZoom"));
    grpZoomPopup = NewRadioGroup(&window, QActionGroup::ExclusionPolicy::Exclusive);
    for (const auto& zoom : ZoomItems) {
        QAction* item = AddRadioItem(pumZoom, grpZoomPopup, QStringLiteral("%1%").arg(zoom.Tag),
                                     NumberedName("popZoom", zoom.Tag).constData(), zoom.Tag);
        item->setChecked(zoom.Tag == 100);
    }

    ToolBar1 = new QToolBar(&controlBar);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setIconSize(QSize(16, 16));
    auto* barLayout = new QHBoxLayout(&controlBar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->addWidget(ToolBar1);

    tbtNew =
        AddButton(ToolBar1, QStringLiteral("new"), QStringLiteral("Neue Image Map..."), "tbtNew");
    tbtOpen = AddButton(ToolBar1, QStringLiteral("open"), QStringLiteral("Image Map öffnen..."),
                        "tbtOpen");
    tbtSave = AddButton(ToolBar1, QStringLiteral("save"), QStringLiteral("Image Map speichern..."),
                        "tbtSave");
    ToolBar1->addSeparator();
    tbtUndo = AddThemeButton(ToolBar1, QStringLiteral("edit-undo"), QStyle::SP_ArrowBack,
                             QStringLiteral("Rückgängig"), "tbtUndo");
    tbtRedo = AddThemeButton(ToolBar1, QStringLiteral("edit-redo"), QStyle::SP_ArrowForward,
                             QStringLiteral("Wiederherstellen"), "tbtRedo");
    ToolBar1->addSeparator();
    tbtPreview = AddButton(ToolBar1, QStringLiteral("preview"),
                           QStringLiteral("Vorschau der Image Map im Browser..."), "tbtPreview");
    tbtInsertNew = AddButton(ToolBar1, QStringLiteral("insert-new"),
                             QStringLiteral("Image Map Definition in neue HTML-Datei einfügen..."),
                             "tbtInsertNew");
    tbtInsertExisting =
        AddButton(ToolBar1, QStringLiteral("insert-existing"),
                  QStringLiteral("Image Map Definition in bestehende HTML-Datei einfügen..."),
                  "tbtInsertExisting");
    tbtCopyToClipboard =
        AddButton(ToolBar1, QStringLiteral("copy"),
                  QStringLiteral("Image Map Definition in die Zwischenablage einfügen"),
                  "tbtCopyToClipboard");
    ToolBar1->addSeparator();
    tbtMapProperties =
        AddButton(ToolBar1, QStringLiteral("map-properties"),
                  QStringLiteral("Eigenschaften der Image Map verändern..."), "tbtMapProperties");
    ToolBar1->addSeparator();
    grpToolButtons = NewRadioGroup(&window, QActionGroup::ExclusionPolicy::ExclusiveOptional);
    tbtNewRectangle =
        AddToolButton(ToolBar1, grpToolButtons, QStringLiteral("rectangle"),
                      QStringLiteral("Neue rechteckige Verweisfläche"), "tbtNewRectangle", 1);
    tbtNewCircle =
        AddToolButton(ToolBar1, grpToolButtons, QStringLiteral("circle"),
                      QStringLiteral("Neue kreisförmige Verweisfläche"), "tbtNewCircle", 2);
    tbtNewPolygon =
        AddToolButton(ToolBar1, grpToolButtons, QStringLiteral("polygon"),
                      QStringLiteral("Neue polygone Verweisfläche"), "tbtNewPolygon", 3);
    tbtEditArea =
        AddToolButton(ToolBar1, grpToolButtons, QStringLiteral("select"),
                      QStringLiteral("Verweisfläche auswählen/verschieben"), "tbtEditArea", 4);
    ToolBar1->addSeparator();
    tbtZoom = new QToolButton(ToolBar1);
    tbtZoom->setObjectName(QStringLiteral("tbtZoom"));
    tbtZoom->setIcon(EditorIcon(QStringLiteral("zoom")));
    tbtZoom->setToolTip(QStringLiteral("Zoom einstellen"));
    tbtZoom->setAutoRaise(true);
    tbtZoom->setPopupMode(QToolButton::MenuButtonPopup);
    tbtZoom->setMenu(pumZoom);
    ToolBar1->addWidget(tbtZoom);
}

QAction* TMainMenuActions::ToolItem(int tag) const {
    switch (tag) {
    case 1:
        return mniNewRectangle;
    case 2:
        return mniNewCircle;
    case 3:
        return mniNewPolygon;
    case 4:
        return mniEditArea;
    default:
        return nullptr;
    }
}

QAction* TMainMenuActions::ToolButton(int tag) const {
    switch (tag) {
    case 1:
        return tbtNewRectangle;
    case 2:
        return tbtNewCircle;
    case 3:
        return tbtNewPolygon;
    case 4:
        return tbtEditArea;
    default:
        return nullptr;
    }
}

void TMainMenuActions::CheckTool(int tag) const {
    for (int t = 1; t <= 4; ++t) {
        ToolItem(t)->setChecked(t == tag);
        ToolButton(t)->setChecked(t == tag);
    }
}

void TMainMenuActions::CheckZoom(int tag) const {
    for (QActionGroup* group : {grpZoomItems, grpZoomPopup}) {
        for (QAction* item : group->actions()) {
            // An exclusive group still lets the program uncheck its checked item.
            item->setChecked(ActionTag(item) == tag);
        }
    }
}

void SetMenuEnabled(QMenu* menu, bool enabled) {
    menu->setEnabled(enabled);
    for (QAction* item : menu->actions()) {
        if (QMenu* sub = item->menu()) {
            SetMenuEnabled(sub, enabled);
        }
        item->setEnabled(enabled);
    }
}

int ActionTag(const QAction* action) {
    return action ? action->data().toInt() : 0;
}

} // namespace kvx
