// The three window states, what each enables, ResetEditor, and the menus and tool bar.
#include "EditorTestSupport.h"

#include "editor/DisplayView.h"
#include "editor/EditorIcons.h"
#include "editor/OverviewTree.h"
#include "editor/PropertyPanel.h"
#include "support/RecordingHelpSystem.h"
#include "support/ShownCaption.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <functional>

namespace kvx {
namespace {

std::vector<QAction*> MapCommands(TfrmMain& m) {
    return {m.mniSave,          m.mniSaveAs,         m.mniNewRectangle,    m.mniNewCircle,
            m.mniNewPolygon,    m.mniEditArea,       m.mniMapProperties,   m.mniPreview,
            m.mniInsertNew,     m.mniInsertExisting, m.mniCopyToClipboard, m.mniCheckMap,
            m.mniZoom25,        m.mniZoom50,         m.mniZoom100,         m.mniZoom200,
            m.mniZoom300,       m.mniZoom400,        m.mniZoomFit,         m.tbtSave,
            m.tbtPreview,       m.tbtInsertNew,      m.tbtInsertExisting,  m.tbtCopyToClipboard,
            m.tbtMapProperties, m.tbtNewRectangle,   m.tbtNewCircle,       m.tbtNewPolygon,
            m.tbtEditArea};
}

std::vector<QAction*> AlwaysAvailable(TfrmMain& m) {
    return {m.mniNew,      m.mniOpen, m.mniImport, m.mniExit, m.mniHelp,
            m.mniHomePage, m.mniInfo, m.tbtNew,    m.tbtOpen};
}

TEST_F(TEditorTest, WithoutAMapOnlyFileAndHelpCommandsAreAvailable) {
    for (QAction* command : AlwaysAvailable(Main())) {
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();
    }
    for (QAction* command : MapCommands(Main())) {
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
    }
    EXPECT_FALSE(Main().mnuImageMap->isEnabled());
    EXPECT_FALSE(Main().mnuView->isEnabled());
    EXPECT_FALSE(Main().tbtZoom->isEnabled());
    EXPECT_FALSE(Main().trvOverview->isEnabled());
    EXPECT_FALSE(Main().pclProperties->isEnabled());
    EXPECT_EQ(Main().grpToolButtons->checkedAction(), nullptr);
    EXPECT_EQ(Main().grpToolItems->checkedAction(), nullptr);
    EXPECT_TRUE(Main().mniZoom100->isChecked());
    EXPECT_EQ(Main().windowTitle(), "Korvane 2");
    EXPECT_EQ(State().ActiveTool, tlNone);
    EXPECT_FALSE(Main().HasMap());
}

struct TToolShortcutCase {
    bool WithMap;
    Qt::Key Key; // with Ctrl
    std::uint8_t Tool;
    QAction* TMainMenuActions::*Command;
    bool Checked;
};

class ToolShortcut : public TEditorTest, public ::testing::WithParamInterface<TToolShortcutCase> {};

// The shortcuts of a disabled menu do nothing; once a map is open they choose the tool.
TEST_P(ToolShortcut, WorksOnlyWithAMap) {
    const TToolShortcutCase& c = GetParam();
    if (c.WithMap) {
        OpenMap(200, 100);
    }
    ShowAndActivate();
    QTest::keyClick(&Main(), c.Key, Qt::ControlModifier);
    EXPECT_EQ(State().ActiveTool, c.Tool);
    EXPECT_EQ((Main().*c.Command)->isChecked(), c.Checked);
}

INSTANTIATE_TEST_SUITE_P(
    MapOrNone, ToolShortcut,
    ::testing::Values(
        TToolShortcutCase{false, Qt::Key_1, tlNone, &TMainMenuActions::mniNewRectangle, false},
        TToolShortcutCase{true, Qt::Key_2, tlCircle, &TMainMenuActions::tbtNewCircle, true}));

TEST_F(TEditorTest, SettingUpAMapEnablesItsCommandsWithTheEditTool) {
    OpenMap(200, 100);
    for (QAction* command : MapCommands(Main())) {
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();
    }
    EXPECT_TRUE(Main().tbtZoom->isEnabled());
    EXPECT_TRUE(Main().trvOverview->isEnabled());
    EXPECT_TRUE(Main().mniEditArea->isChecked());
    EXPECT_TRUE(Main().tbtEditArea->isChecked());
    EXPECT_EQ(State().ActiveTool, tlEdit);
    EXPECT_EQ(Main().StatusText(2), "Zoom: 100%");
    EXPECT_EQ(Main().windowTitle(), "Korvane 2 [karte][*]");
    // The panel waits for a selected area.
    EXPECT_FALSE(Main().pclProperties->isEnabled());
    EXPECT_FALSE(Main().pclProperties->btnCopyCoords->isEnabled());
}

// The caption carries the window-modified mark exactly while the history holds unsaved steps.
TEST_F(TEditorTest, CaptionMarksUnsavedChangesThroughTheShortcuts) {
    OpenMap(200, 100);
    SetViewport(200, 100);
    ShowAndActivate();
    const struct {
        const char* Step;
        std::function<void()> Act;
        const char* Caption;
    } steps[] = {
        {"opened", [] {}, "Korvane 2 [karte]"},
        {"drawn",
         [&] {
             QTest::keyClick(&Main(), Qt::Key_1, Qt::ControlModifier);
             Drag({10, 10}, {60, 40});
         },
         "Korvane 2 [karte]*"},
        {"undone", [&] { QTest::keyClick(&Main(), Qt::Key_Z, Qt::ControlModifier); },
         "Korvane 2 [karte]"},
        {"redone", [&] { QTest::keyClick(&Main(), Qt::Key_Y, Qt::ControlModifier); },
         "Korvane 2 [karte]*"},
        {"saved", [&] { Main().SetModified(false); }, "Korvane 2 [karte]"},
        {"closed", [&] { Main().ResetEditor(); }, "Korvane 2"},
    };
    for (const auto& step : steps) {
        step.Act();
        EXPECT_EQ(test::ShownCaption(Main()), step.Caption) << step.Step;
    }
}

TEST_F(TEditorTest, SelectingAnAreaEnablesThePanelAndPasteOnlyWithCopiedValues) {
    OpenMap(200, 100);
    AddRectangle(10, 10, 50, 50);
    Main().ShowSelectedArea();
    EXPECT_TRUE(Main().pclProperties->isEnabled());
    EXPECT_TRUE(Main().pclProperties->btnCopyCoords->isEnabled());
    EXPECT_FALSE(Main().pclProperties->btnPasteCoords->isEnabled());
    Main().pclProperties->btnCopyCoords->click();
    Map().ClearSelection();
    Main().ShowSelectedArea();
    EXPECT_FALSE(Main().pclProperties->isEnabled());
    Map().SelectById(1);
    Main().ShowSelectedArea();
    EXPECT_TRUE(Main().pclProperties->btnPasteCoords->isEnabled());
}

TEST_F(TEditorTest, ResetEditorReturnsToTheNoMapState) {
    OpenMap(1000, 1000);
    SetViewport(300, 300);
    Main().mniZoom200->trigger();
    Main().scbHorizontal->setValue(100);
    AddRectangle(10, 10, 50, 50);
    Main().ShowSelectedArea();
    Main().SetModified(true);
    Main().SetStatusText(0, "x");
    Main().SetStatusText(1, "y");

    Main().ResetEditor();

    EXPECT_FALSE(Main().HasMap());
    EXPECT_TRUE(Main().Document().SourceBitmap.isNull());
    EXPECT_EQ(State().ActiveTool, tlNone);
    EXPECT_EQ(State().DragState, dsIdle);
    EXPECT_EQ(State().ZoomFactor, 1.0f);
    EXPECT_EQ(State().ViewOrigin, QPoint(0, 0));
    EXPECT_EQ(State().VisibleImageSize, QSize(0, 0));
    EXPECT_FALSE(Main().Modified());
    EXPECT_TRUE(Main().mniZoom100->isChecked());
    EXPECT_TRUE(Main().findChild<QAction*>("popZoom100")->isChecked());
    for (int panel = 0; panel <= 2; ++panel) {
        EXPECT_TRUE(Main().StatusText(panel).isEmpty()) << panel;
    }
    EXPECT_EQ(Main().trvOverview->topLevelItemCount(), 0);
    EXPECT_FALSE(Main().trvOverview->isEnabled());
    EXPECT_EQ(Main().pbxDisplay->size(), QSize(0, 0));
    EXPECT_FALSE(Main().scbHorizontal->isEnabled());
    EXPECT_FALSE(Main().scbVertical->isEnabled());
    EXPECT_FALSE(Main().pclProperties->isEnabled());
    EXPECT_EQ(Main().windowTitle(), "Korvane 2");
    EXPECT_FALSE(State().UpdatingControls);
}

TEST_F(TEditorTest, ANewMapStartsAtTheTopLeftCorner) {
    OpenMap(1000, 1000);
    SetViewport(300, 300);
    Main().scbHorizontal->setValue(500);
    Main().scbVertical->setValue(400);
    OpenMap(1000, 1000);
    SetViewport(300, 300);
    EXPECT_EQ(State().ViewOrigin, QPoint(0, 0));
    EXPECT_EQ(Main().scbHorizontal->value(), 0);
}

TEST_F(TEditorTest, CopiedCoordinatesSurviveAResetOfTheEditor) {
    OpenMap(200, 100);
    AddRectangle(10, 10, 50, 50);
    Main().ShowSelectedArea();
    Main().pclProperties->btnCopyCoords->click();
    Main().ResetEditor();
    EXPECT_TRUE(State().CoordsBufferFilled);
    EXPECT_FALSE(State().CoordsBuffer.isEmpty());
}

TEST_F(TEditorTest, StatusBarHasFourPanelsOfFixedWidths) {
    const int widths[] = {250, 250, 100, 50};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Main().StatusPanels.at(static_cast<std::size_t>(i))->width(), widths[i]);
    }
    EXPECT_EQ(Main().stbStatus->height(), 19);
}

TEST_F(TEditorTest, ToolBarHoldsItsButtonsInOrderWithTheirHints) {
    const QStringList expected = {
        "Neue Image Map...",
        "Image Map öffnen...",
        "Image Map speichern...",
        "|",
        "Rückgängig",
        "Wiederherstellen",
        "|",
        "Vorschau der Image Map im Browser...",
        "Image Map Definition in neue HTML-Datei einfügen...",
        "Image Map Definition in bestehende HTML-Datei einfügen...",
        "Image Map Definition in die Zwischenablage einfügen",
        "|",
        "Eigenschaften der Image Map verändern...",
        "|",
        "Neue rechteckige Verweisfläche",
        "Neue kreisförmige Verweisfläche",
        "Neue polygone Verweisfläche",
        "Verweisfläche auswählen/verschieben",
        "|",
        "Zoom einstellen",
    };
    QStringList actual;
    for (QAction* action : Main().ToolBar1->actions()) {
        if (action->isSeparator()) {
            actual << "|";
        } else if (QWidget* widget = Main().ToolBar1->widgetForAction(action);
                   widget == Main().tbtZoom) {
            actual << Main().tbtZoom->toolTip();
        } else {
            actual << action->toolTip();
            EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        }
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(Main().tbtZoom->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(Main().tbtZoom->menu(), Main().pumZoom);
}

struct TMenuItemCase {
    const char* Name;
    const char* Caption;
    const char* Shortcut;
    int Tag;
};

class MainMenuItem : public TEditorTest, public ::testing::WithParamInterface<TMenuItemCase> {};

TEST_P(MainMenuItem, HasItsCaptionShortcutAndTag) {
    const TMenuItemCase& c = GetParam();
    const auto* item = Main().findChild<QAction*>(QString::fromLatin1(c.Name));
    ASSERT_NE(item, nullptr) << c.Name;
    EXPECT_EQ(item->text(), QString::fromUtf8(c.Caption));
    EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromLatin1(c.Shortcut)));
    EXPECT_EQ(ActionTag(item), c.Tag);
}

INSTANTIATE_TEST_SUITE_P(
    AllItems, MainMenuItem,
    ::testing::Values(
        TMenuItemCase{"mniNew", "&Neu...", "", 0},
        TMenuItemCase{"mniOpen", "Ö&ffnen...", "Ctrl+O", 0},
        TMenuItemCase{"mniSave", "&Speichern", "Ctrl+S", 0},
        TMenuItemCase{"mniSaveAs", "Speichern &unter...", "", 0},
        TMenuItemCase{"mniImport", "Image Map &importieren...", "", 0},
        TMenuItemCase{"mniExit", "&Beenden", "", 0},
        TMenuItemCase{"mniNewRectangle", "Neue &rechteckige Verweisfläche", "Ctrl+1", 1},
        TMenuItemCase{"mniNewCircle", "Neue &kreisförmige Verweisfläche", "Ctrl+2", 2},
        TMenuItemCase{"mniNewPolygon", "Neue &vieleckige Verweisfläche", "Ctrl+3", 3},
        TMenuItemCase{"mniEditArea", "Verweisfläche be&arbeiten/verschieben", "Ctrl+4", 4},
        TMenuItemCase{"mniMapProperties", "&Eigenschaften...", "", 0},
        TMenuItemCase{"mniPreview", "Vor&schau...", "Ctrl+P", 0},
        TMenuItemCase{"mniInsertNew", "In &neue HTML-Datei einfügen...", "Ctrl+N", 0},
        TMenuItemCase{"mniInsertExisting", "In &bestehende HTML-Datei einfügen...", "Ctrl+E", 0},
        TMenuItemCase{"mniCopyToClipboard", "In die Zwischenablage &kopieren", "Ctrl+K", 0},
        TMenuItemCase{"mniCheckMap", "Karte prüfen", "F7", 0},
        TMenuItemCase{"mniZoom25", "&25%", "", 25}, TMenuItemCase{"mniZoom50", "&50%", "", 50},
        TMenuItemCase{"mniZoom100", "&100%", "", 100},
        TMenuItemCase{"mniZoom200", "2&00%", "", 200},
        TMenuItemCase{"mniZoom300", "&300%", "", 300},
        TMenuItemCase{"mniZoom400", "&400%", "", 400},
        TMenuItemCase{"mniZoomFit", "An Fenster anpassen", "Ctrl+0", 0},
        TMenuItemCase{"popZoom25", "25%", "", 25}, TMenuItemCase{"popZoom400", "400%", "", 400},
        TMenuItemCase{"mniHelp", "&Hilfe...", "", 0},
        TMenuItemCase{"mniHomePage", "Velmora Home&Page", "", 0},
        TMenuItemCase{"mniInfo", "&Info...", "", 0}));

TEST(EditorIcons, EveryOwnPictureIsDrawn) {
    for (const char* name : {"new",
                             "open",
                             "save",
                             "preview",
                             "insert-new",
                             "insert-existing",
                             "copy",
                             "paste",
                             "map-properties",
                             "rectangle",
                             "circle",
                             "polygon",
                             "select",
                             "zoom",
                             "tree-map",
                             "tree-rect-group",
                             "tree-rect",
                             "tree-circle-group",
                             "tree-circle",
                             "tree-polygon-group",
                             "tree-polygon",
                             "tab-link",
                             "tab-script",
                             "tab-coords",
                             "tab-area",
                             "to-front",
                             "duplicate",
                             "delete",
                             "palette"}) {
        const QImage picture = EditorIcon(QString::fromLatin1(name)).pixmap(16, 16).toImage();
        ASSERT_FALSE(picture.isNull()) << name;
        bool painted = false;
        for (int y = 0; y < picture.height() && !painted; ++y) {
            for (int x = 0; x < picture.width() && !painted; ++x) {
                painted = qAlpha(picture.pixel(x, y)) > 0;
            }
        }
        EXPECT_TRUE(painted) << name;
    }
}

TEST_F(TEditorTest, MainMenusStandInOrder) {
    QStringList titles;
    for (QAction* menu : Main().menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, QStringList({"&Datei", "&Bearbeiten", "&Image Map", "&Ansicht", "&Hilfe"}));
}

TEST_F(TEditorTest, F1OpensTheMainWindowsHelpTopic) {
    TRecordingHelp help;
    ShowAndActivate();
    QTest::keyClick(&Main(), Qt::Key_F1);
    EXPECT_EQ(help.Contexts(), std::vector<int>{131});
}

} // namespace
} // namespace kvx
