// The property panel: showing and storing the selected area, the edit boxes and the
// coordinates grid with its filter, value cleaning, copy and paste.
#include "EditorTestSupport.h"

#include "editor/CoordinatesGrid.h"
#include "editor/FocusControl.h"
#include "editor/OverviewTree.h"
#include "editor/PropertyPanel.h"
#include "formats/MapReadResult.h"
#include "platform/QtCanvas.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>

namespace kvx {
namespace {

TEST(CleanCoordinateValue, KeepsIntegersAndBringsTheRestToTheNearestValidValue) {
    const struct {
        const char* Text;
        const char* Cleaned;
    } cases[] = {{"12a3", "123"},
                 {"-5", "-5"},
                 {"5-", "5"},
                 {"", "0"},
                 {"abc", "0"},
                 {"-", "0"},
                 {"0042", "0042"},
                 {"2147483647", "2147483647"},
                 {"2147483648", "2147483647"},
                 {"99999999999999999999", "2147483647"},
                 {"-2147483648", "-2147483648"},
                 {"-2147483649", "-2147483648"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CleanCoordinateValue(c.Text), c.Cleaned) << c.Text;
    }
}

class PropertyPanel : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        OpenMap(400, 300);
        SetViewport(400, 300);
    }
    TPropertyPanel& Panel() { return *Main().pclProperties; }
    TCoordinatesGrid& Grid() { return *Main().pclProperties->strgrCoords; }
    // Puts the focus into the value cell of row, with its editor open, as a click would.
    QLineEdit* EditCell(int row) {
        ShowAndActivate();
        Panel().setCurrentWidget(Panel().tbsCoordinates);
        Grid().setFocus();
        Grid().setCurrentCell(row, 1);
        QApplication::processEvents();
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    }
    void SelectRows(int top, int bottom) {
        Grid().clearSelection();
        Grid().setRangeSelected(QTableWidgetSelectionRange(top, 1, bottom, 1), true);
    }
};

TEST_F(PropertyPanel, ShowsEveryPropertyOfTheSelectedArea) {
    AddRectangle(10, 20, 110, 80);
    TLinkAreaProperties props = SelectedProperties();
    props.Href = "seite.htm";
    props.Alt = "Start";
    props.Target = "_top";
    props.OnMouseOver = "a()";
    props.OnMouseOut = "b()";
    props.OnClick = "c()";
    props.Contrast = false;
    props.Color = 0x0000FF;
    Map().SetSelectedProperties(props);
    Main().ShowSelectedArea();

    EXPECT_EQ(Panel().inpLink->text(), "seite.htm");
    EXPECT_EQ(Panel().inpAlt->text(), "Start");
    EXPECT_EQ(Panel().inpTarget->text(), "_top");
    EXPECT_EQ(Panel().inpMouseOver->text(), "a()");
    EXPECT_EQ(Panel().inpMouseOut->text(), "b()");
    EXPECT_EQ(Panel().inpMouseClick->text(), "c()");
    EXPECT_FALSE(Panel().chkContrast->isChecked());
    EXPECT_EQ(Panel().SwatchColor(), 0x0000FF);
    EXPECT_EQ(Panel().ShownKind(), akRectangle);
    ASSERT_EQ(Grid().rowCount(), 4);
    EXPECT_EQ(Grid().LabelText(0), "X1");
    EXPECT_EQ(Grid().LabelText(3), "Y2");
    EXPECT_EQ(Grid().ValueText(3), "80");
    // Showing the area is no change of the map.
    EXPECT_FALSE(Main().Modified());
    EXPECT_FALSE(State().UpdatingControls);
}

TEST_F(PropertyPanel, GridRowsFollowTheShape) {
    AddCircle(50, 60, 25);
    Main().ShowSelectedArea();
    ASSERT_EQ(Grid().rowCount(), 3);
    EXPECT_EQ(Grid().LabelText(0), "Mittelpunkt: X");
    EXPECT_EQ(Grid().LabelText(2), "Radius");
    AddPolygon({5, 7, 50, 70, 9, 1});
    Main().ShowSelectedArea();
    ASSERT_EQ(Grid().rowCount(), 6);
    EXPECT_EQ(Grid().LabelText(0), "Punkt 1: X");
    EXPECT_EQ(Grid().LabelText(5), "Punkt 3: Y");
    EXPECT_EQ(Grid().ValueText(4), "9");
    EXPECT_EQ(Grid().columnWidth(0), 90);
    EXPECT_EQ(Grid().columnWidth(1), 50);
    EXPECT_EQ(Grid().rowHeight(0), 18);
    EXPECT_FALSE(Grid().item(0, 0)->flags() & Qt::ItemIsEditable);
}

TEST_F(PropertyPanel, ContrastShowsTheButtonFaceColourInTheSwatch) {
    AddRectangle(10, 20, 110, 80); // new areas draw with contrast
    Main().ShowSelectedArea();
    EXPECT_TRUE(Panel().chkContrast->isChecked());
    EXPECT_EQ(Panel().SwatchColor(), clBtnFace);
    EXPECT_EQ(Panel().lblShowColor->palette().color(QPalette::Window), ColorFromCode(clBtnFace));
}

TEST_F(PropertyPanel, EditBoxStoresAndMarksTheMapOnlyWhenLeft) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    ShowAndActivate();
    Panel().inpLink->setFocus();
    QApplication::processEvents();
    TypeText(Panel().inpLink, "a.htm");
    EXPECT_FALSE(Main().Modified());
    EXPECT_EQ(SelectedProperties().Href, "");
    Panel().inpAlt->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(Main().Modified());
    EXPECT_EQ(SelectedProperties().Href, "a.htm");
    EXPECT_EQ(Main().trvOverview->HighlightedNode()->text(0), "a.htm");
}

TEST_F(PropertyPanel, WindowShortcutsWinOverTheEditBoxesOwnKeys) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    ShowAndActivate();
    Panel().inpLink->setFocus();
    Panel().inpLink->setText("anfang.htm");
    Panel().inpLink->setCursorPosition(0);
    // Ctrl+A is a line edit's own key everywhere; a window command with it must still run,
    // as Ctrl+E and Ctrl+K must where the desktop gives them to line edits.
    auto* command = new QAction(&Main());
    command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    Main().addAction(command);
    int runs = 0;
    QObject::connect(command, &QAction::triggered, [&runs] { ++runs; });
    QTest::keyClick(Panel().inpLink, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(Panel().inpLink->hasSelectedText());
}

TEST_F(PropertyPanel, DisabledPanelKeepsShowingTheLastAreaInGrey) {
    AddRectangle(10, 20, 110, 80);
    TLinkAreaProperties props = SelectedProperties();
    props.Href = "alt.htm";
    Map().SetSelectedProperties(props);
    Main().ShowSelectedArea();
    EXPECT_EQ(Panel().palette().color(QPalette::Active, QPalette::WindowText),
              ColorFromCode(clWindowText));
    Map().ClearSelection();
    Main().ShowSelectedArea();
    EXPECT_FALSE(Panel().isEnabled());
    EXPECT_EQ(Panel().inpLink->text(), "alt.htm");
    EXPECT_EQ(Grid().ValueText(0), "10");
    EXPECT_EQ(Panel().palette().color(QPalette::Active, QPalette::WindowText),
              ColorFromCode(clGrayText));
    EXPECT_FALSE(Panel().btnCopyCoords->isEnabled());
    EXPECT_FALSE(Panel().btnPasteCoords->isEnabled());
}

TEST_F(PropertyPanel, AMapThatGoesTakesItsAreasTextsOutOfThePanel) {
    // Within a map the disabled panel keeps the last area's texts; once that map is replaced
    // or closed they belong to nothing.
    const struct {
        const char* Way;
        std::function<void(TfrmMain&)> Replace;
    } ways[] = {
        {"closed", [](TfrmMain& main) { main.ResetEditor(); }},
        {"replaced by a map read aside",
         [](TfrmMain& main) {
             TMapReadResult read;
             read.Map = std::make_unique<TImageMap>();
             read.Bitmaps.SourceBitmap = QImage(50, 40, QImage::Format_RGB32);
             read.Bitmaps.SourceBitmap.fill(Qt::white);
             main.ShowReadMap(std::move(read));
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.Way);
        OpenMap(400, 300);
        AddRectangle(10, 20, 110, 80);
        TLinkAreaProperties props = SelectedProperties();
        props.Href = "alt.htm";
        props.OnClick = "klick()";
        Map().SetSelectedProperties(props);
        Main().ShowSelectedArea();
        way.Replace(Main());
        EXPECT_FALSE(Panel().isEnabled());
        for (const QLineEdit* box : Panel().EditBoxes()) {
            EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
        }
        EXPECT_EQ(Grid().rowCount(), 0);
        EXPECT_EQ(Panel().ShownId(), 0);
    }
}

TEST_F(PropertyPanel, DraggingOverTheGridSelectsTheRowsItPasses) {
    AddPolygon({5, 7, 50, 70, 9, 1}); // six rows
    Main().ShowSelectedArea();
    const struct {
        int From;
        int To;
        bool FromEditedCell; // the press lands in the open cell editor
    } cases[] = {{0, 2, false}, {4, 1, false}, {1, 3, true}, {3, 5, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.From << " to " << c.To << " " << c.FromEditedCell);
        EditCell(c.FromEditedCell ? c.From : 5 - c.From);
        QWidget* viewport = Grid().viewport();
        QWidget* pressed =
            c.FromEditedCell ? Grid().indexWidget(Grid().model()->index(c.From, 1)) : viewport;
        ASSERT_NE(pressed, nullptr);
        // The centre of a row's value cell in the coordinates of the widget that was pressed.
        const auto at = [&](int row) {
            const QPoint centre = Grid().visualRect(Grid().model()->index(row, 1)).center();
            return pressed == viewport ? centre : pressed->mapFrom(viewport, centre);
        };
        QTest::mousePress(pressed, Qt::LeftButton, Qt::NoModifier, at(c.From));
        const int step = c.To > c.From ? 1 : -1;
        for (int row = c.From; row != c.To + step; row += step) {
            QTest::mouseMove(pressed, at(row));
        }
        QTest::mouseRelease(pressed, Qt::LeftButton, Qt::NoModifier, at(c.To));

        EXPECT_EQ(Grid().SelectedRows(), std::pair(std::min(c.From, c.To), std::max(c.From, c.To)));
        Panel().btnCopyCoords->click();
        EXPECT_EQ(State().CoordsBuffer.size(), std::abs(c.To - c.From) + 1);
    }
}

TEST_F(PropertyPanel, StoringCleansEveryValueAndWritesItBack) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    Grid().SetValueText(0, "12a3");
    Grid().SetValueText(1, "-");
    Grid().SetValueText(2, "99999999999");
    Grid().SetValueText(3, "");
    Main().StoreAreaPanel();
    EXPECT_EQ(Grid().ValueText(0), "123");
    EXPECT_EQ(Grid().ValueText(1), "0");
    EXPECT_EQ(Grid().ValueText(2), "2147483647");
    EXPECT_EQ(Grid().ValueText(3), "0");
    // The rectangle normalises itself; the grid keeps the cleaned values.
    EXPECT_EQ(Values(SelectedProperties()), Strings({"123", "0", "2147483647", "0"}));
    Grid().SetValueText(0, "500");
    Grid().SetValueText(2, "5");
    Main().StoreAreaPanel();
    EXPECT_EQ(Grid().ValueText(0), "500");
    EXPECT_EQ(Values(SelectedProperties()), Strings({"5", "0", "500", "0"}));
}

TEST_F(PropertyPanel, GridLetsOnlyDigitsBackspaceAndEnterThroughAndStoresOnEnter) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    QLineEdit* editor = EditCell(0);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    TypeText(editor, "4x-2");
    EXPECT_EQ(Grid().ValueText(0), "42");
    TypeKey(editor, Qt::Key_Backspace, "\b");
    EXPECT_EQ(Grid().ValueText(0), "4");
    EXPECT_EQ(SelectedProperties().Coords[1], "10");
    EXPECT_FALSE(Main().Modified());
    TypeKey(editor, Qt::Key_Return, "\r");
    EXPECT_EQ(SelectedProperties().Coords[1], "4");
    EXPECT_TRUE(Main().Modified());
}

TEST_F(PropertyPanel, ALetterInTheGridChangesNoCellAndLeavesTheMapUnchanged) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    QLineEdit* editor = EditCell(1);
    ASSERT_NE(editor, nullptr);
    TypeText(editor, "q");
    EXPECT_EQ(Grid().ValueText(1), "20");
    TypeKey(editor, Qt::Key_Return, "\r");
    EXPECT_FALSE(Main().Modified());
}

TEST_F(PropertyPanel, MovingToAnotherCellStores) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    QLineEdit* editor = EditCell(0);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    TypeText(editor, "33");
    TypeKey(editor, Qt::Key_Tab, "\t");
    EXPECT_EQ(Grid().currentRow(), 1);
    EXPECT_EQ(SelectedProperties().Coords[1], "33");
}

TEST_F(PropertyPanel, LeavingTheGridStores) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    QLineEdit* editor = EditCell(2);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    TypeText(editor, "300");
    EXPECT_EQ(SelectedProperties().Coords[5], "110");
    Main().FocusControl->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(SelectedProperties().Coords[5], "300");
    EXPECT_EQ(Main().trvOverview->HighlightedNode()->text(0), "(10, 20 -> 300, 80)");
}

TEST_F(PropertyPanel, CopiedRowsArePastedIntoTheRowsSelectedOfAnotherShape) {
    AddRectangle(10, 20, 110, 80);
    AddCircle(200, 150, 40);
    Map().SelectById(1);
    Main().ShowSelectedArea();
    SelectRows(0, 3);
    Panel().btnCopyCoords->click();
    EXPECT_EQ(State().CoordsBuffer, QStringList({"10", "20", "110", "80"}));
    EXPECT_TRUE(Panel().btnPasteCoords->isEnabled());

    Map().SelectById(2);
    Main().ShowSelectedArea();
    Main().SetModified(false);
    SelectRows(0, 2);
    Panel().btnPasteCoords->click();
    EXPECT_EQ(Values(SelectedProperties()), Strings({"10", "20", "110"}));
    EXPECT_TRUE(Main().Modified());

    SelectRows(2, 2);
    Panel().btnPasteCoords->click();
    EXPECT_EQ(Values(SelectedProperties()), Strings({"10", "20", "10"}));
}

TEST_F(PropertyPanel, CtrlCAndCtrlVInTheGridCopyAndPasteCoordinates) {
    AddRectangle(10, 20, 110, 80);
    AddRectangle(1, 2, 3, 4);
    Map().SelectById(1);
    Main().ShowSelectedArea();
    QLineEdit* editor = EditCell(2);
    ASSERT_NE(editor, nullptr);
    TypeKey(editor, Qt::Key_C, "\x03", Qt::ControlModifier);
    EXPECT_EQ(State().CoordsBuffer, QStringList({"110"}));
    EXPECT_EQ(Grid().ValueText(2), "110");

    Map().SelectById(2);
    Main().ShowSelectedArea();
    editor = EditCell(0);
    ASSERT_NE(editor, nullptr);
    TypeKey(editor, Qt::Key_V, "\x16", Qt::ControlModifier);
    EXPECT_EQ(Values(SelectedProperties()), Strings({"3", "2", "110", "4"}));
}

TEST_F(PropertyPanel, PasteWithNothingEverCopiedDoesNothing) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    QLineEdit* editor = EditCell(0);
    ASSERT_NE(editor, nullptr);
    TypeKey(editor, Qt::Key_V, "\x16", Qt::ControlModifier);
    EXPECT_EQ(Grid().ValueText(0), "10");
    EXPECT_FALSE(Main().Modified());
}

} // namespace
} // namespace kvx
