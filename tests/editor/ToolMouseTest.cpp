// The tools and the mouse on the view: drawing, resizing, moving, cursors and status texts.
#include "EditorTestSupport.h"

#include "editor/DisplayView.h"
#include "editor/FocusControl.h"
#include "editor/OverviewTree.h"
#include "editor/PropertyPanel.h"
#include "editor/ToolController.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

namespace kvx {
namespace {

class ToolMouse : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        OpenMap(400, 300);
        SetViewport(400, 300);
    }
    Qt::CursorShape ViewCursor() { return Main().pbxDisplay->cursor().shape(); }
};

TEST_F(ToolMouse, DrawingARectangleCreatesSelectsAndShowsIt) {
    Main().mniNewRectangle->trigger();
    EXPECT_EQ(State().ActiveTool, tlRectangle);
    EXPECT_TRUE(Main().tbtNewRectangle->isChecked());

    Press(10, 10);
    EXPECT_EQ(State().DragState, dsCreating);
    EXPECT_EQ(Main().StatusText(0), "(X: 10, Y: 10)");
    EXPECT_TRUE(Main().Modified());
    ASSERT_EQ(Main().trvOverview->GroupNode(akRectangle)->childCount(), 1);
    MoveTo(50, 40);
    EXPECT_EQ(Main().StatusText(1), "-> (X: 50, Y: 40)");
    Release(50, 40);

    ASSERT_EQ(Map().Entries().size(), 1u);
    EXPECT_EQ(Values(SelectedProperties()), Strings({"10", "10", "50", "40"}));
    EXPECT_EQ(State().DragState, dsIdle);
    EXPECT_EQ(State().ActiveTool, tlEdit);
    EXPECT_TRUE(Main().mniEditArea->isChecked());
    EXPECT_TRUE(Main().tbtEditArea->isChecked());
    EXPECT_EQ(Main().StatusText(0), " X:50, Y:40");
    EXPECT_TRUE(Main().StatusText(1).isEmpty());
    EXPECT_TRUE(Main().pclProperties->isEnabled());
    EXPECT_EQ(Main().pclProperties->strgrCoords->ValueText(2), "50");
    QTreeWidgetItem* node = Main().trvOverview->GroupNode(akRectangle)->child(0);
    EXPECT_EQ(Main().trvOverview->HighlightedNode(), node);
    EXPECT_EQ(node->text(0), "(10, 10 -> 50, 40)");
}

TEST_F(ToolMouse, ShiftWhileDrawingMakesTheRectangleASquareOnThePointersSide) {
    struct TCase {
        QPoint To;
        Qt::KeyboardModifiers Held;
        Strings Coords;
    };
    const std::vector<TCase> cases = {
        {{150, 120}, Qt::ShiftModifier, {"100", "100", "150", "150"}},
        {{60, 130}, Qt::ShiftModifier, {"60", "100", "100", "140"}},
        {{90, 40}, Qt::ShiftModifier, {"40", "40", "100", "100"}},
        {{150, 120}, Qt::NoModifier, {"100", "100", "150", "120"}},
    };
    for (const TCase& c : cases) {
        Main().mniNewRectangle->trigger();
        Press(100, 100);
        MoveTo(c.To.x(), c.To.y(), Qt::LeftButton, c.Held);
        Release(c.To.x(), c.To.y());
        EXPECT_EQ(Values(SelectedProperties()), c.Coords) << c.To.x() << "," << c.To.y();
        Main().mniUndo->trigger();
        EXPECT_TRUE(Map().Entries().empty());
    }
}

TEST_F(ToolMouse, AClickWithoutMovementGivesTheInitialSizeAndMarksTheMapModified) {
    Main().tbtNewRectangle->trigger();
    Click(30, 20);
    EXPECT_EQ(Values(SelectedProperties()), Strings({"30", "20", "31", "21"}));
    EXPECT_EQ(State().ActiveTool, tlEdit);
    EXPECT_TRUE(Main().Modified());

    Main().tbtNewCircle->trigger();
    Click(100, 100);
    EXPECT_EQ(Values(SelectedProperties()), Strings({"100", "100", "1"}));
}

TEST_F(ToolMouse, DrawingACircleAtDoubleZoomOnAScrolledView) {
    SetViewport(200, 200);
    Main().mniZoom200->trigger();
    Main().scbHorizontal->setValue(10);
    Main().scbVertical->setValue(0);
    Main().mniNewCircle->trigger();
    Press(40, 40); // image (30, 20)
    EXPECT_EQ(Main().StatusText(0), "Mittelpunkt (X: 30, Y: 20)");
    MoveTo(60, 40); // image (40, 20)
    EXPECT_EQ(Main().StatusText(1), "-> Radius (10)");
    Release(60, 40);
    EXPECT_EQ(Values(SelectedProperties()), Strings({"30", "20", "10"}));
    EXPECT_EQ(Main().StatusText(0), " X:40, Y:20");
}

TEST_F(ToolMouse, PolygonGrowsWithLeftReleasesAndEndsWithTheRightRelease) {
    Main().mniNewPolygon->trigger();
    Press(10, 10);
    MoveTo(50, 10);
    Release(50, 10);
    EXPECT_EQ(Main().StatusText(0), "(X: 50, Y: 10)");
    EXPECT_EQ(State().ActiveTool, tlPolygon);
    EXPECT_EQ(State().DragState, dsCreating);

    Press(50, 10); // further presses change nothing
    MoveTo(50, 50);
    EXPECT_EQ(Main().StatusText(1), "-> (X: 50, Y: 50)");
    Release(50, 50);
    Press(70, 70, Qt::RightButton); // ignored
    EXPECT_EQ(State().DragState, dsCreating);
    Release(70, 70, Qt::RightButton);

    EXPECT_EQ(Map().Entries().size(), 1u);
    EXPECT_EQ(Values(SelectedProperties()), Strings({"10", "10", "50", "10", "50", "50"}));
    EXPECT_EQ(State().ActiveTool, tlEdit);
    EXPECT_EQ(State().DragState, dsIdle);
    EXPECT_EQ(Main().trvOverview->HighlightedNode()->text(0), "(10, 10; ...)");
}

TEST_F(ToolMouse, ChoosingAnotherToolFinishesAPolygonUnderConstruction) {
    Main().mniNewPolygon->trigger();
    Press(10, 10);
    MoveTo(60, 10);
    Release(60, 10);
    MoveTo(60, 60);
    Main().mniNewRectangle->trigger();
    EXPECT_EQ(State().DragState, dsIdle);
    EXPECT_FALSE(Map().HasSelection());
    Map().SelectById(1);
    // The rubber-band vertex is gone: the polygon keeps its two fixed points.
    EXPECT_EQ(Values(SelectedProperties()), Strings({"10", "10", "60", "10"}));
    Map().ClearSelection();

    Press(100, 100); // the rectangle tool works at once
    Release(120, 120);
    EXPECT_EQ(Map().Entries().size(), 2u);
    EXPECT_EQ(SelectedProperties().Kind, akRectangle);
}

TEST_F(ToolMouse, PolygonDrawnByClicksHasExactlyTheClickedPoints) {
    // Four clicks, one of them twice on the same spot, then the finishing right click; once
    // with the pointer moving between the clicks and once jumping.
    const std::vector<QPoint> clicks = {{10, 10}, {60, 10}, {60, 10}, {60, 60}, {10, 60}};
    for (const bool moving : {true, false}) {
        SCOPED_TRACE(moving ? "moving" : "jumping");
        OpenMap(400, 300);
        SetViewport(400, 300);
        Main().mniNewPolygon->trigger();
        for (const QPoint& click : clicks) {
            if (moving) {
                MoveTo(click.x(), click.y(), Qt::NoButton);
            }
            Click(click.x(), click.y());
        }
        Click(200, 200, Qt::RightButton);
        ASSERT_EQ(Map().Entries().size(), 1u);
        EXPECT_EQ(Values(SelectedProperties()),
                  Strings({"10", "10", "60", "10", "60", "60", "10", "60"}));
        EXPECT_EQ(Main().StatusText(0), " X:200, Y:200");
    }
}

TEST_F(ToolMouse, AToolChosenDuringADragTakesEffectWhenTheButtonComesUp) {
    const struct {
        bool Drawing; // drawing a rectangle, else moving the rectangle (20, 20) - (60, 60)
        Qt::Key Key;  // with Ctrl, halfway through the drag
        std::uint8_t Tool;
    } cases[] = {
        {false, Qt::Key_4, tlEdit},  {false, Qt::Key_1, tlRectangle}, {false, Qt::Key_3, tlPolygon},
        {true, Qt::Key_2, tlCircle}, {true, Qt::Key_4, tlEdit},
    };
    ShowAndActivate();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "drawing " << c.Drawing << ", tool " << int(c.Tool));
        OpenMap(400, 300);
        SetViewport(400, 300);
        AddRectangle(20, 20, 60, 60);
        Main().ShowSelectedArea();
        const QPoint from = c.Drawing ? QPoint(100, 100) : QPoint(40, 40);
        if (c.Drawing) {
            Main().mniNewRectangle->trigger();
        }
        Press(from.x(), from.y());
        MoveTo(from.x() + 5, from.y());
        QTest::keyClick(&Main(), c.Key, Qt::ControlModifier);
        EXPECT_NE(State().DragState, dsIdle);
        EXPECT_TRUE(Map().HasSelection());
        MoveTo(from.x() + 40, from.y() + 30);
        Release(from.x() + 40, from.y() + 30);

        EXPECT_EQ(State().ActiveTool, c.Tool);
        EXPECT_TRUE(Main().ToolButton(c.Tool)->isChecked());
        EXPECT_EQ(Map().HasSelection(), c.Tool == tlEdit);
        EXPECT_EQ(State().DragState, dsIdle);
        Map().SelectById(c.Drawing ? 2 : 1);
        EXPECT_EQ(Values(SelectedProperties()), c.Drawing ? Strings({"100", "100", "140", "130"})
                                                          : Strings({"60", "50", "100", "90"}));
    }
}

struct THandleCase {
    QPoint Handle; // image point of the handle of the rectangle (20, 20) - (60, 60)
    Qt::CursorShape Cursor;
    Strings Result; // after a drag by (+5, +7)
};

class ResizeByHandle : public ToolMouse, public ::testing::WithParamInterface<THandleCase> {};

TEST_P(ResizeByHandle, DragsTheHandleAtDoubleZoom) {
    const THandleCase& c = GetParam();
    AddRectangle(20, 20, 60, 60);
    Main().mniZoom200->trigger();
    Main().scbHorizontal->setValue(0); // the zoom kept the centre; the image's corner is wanted
    Main().scbVertical->setValue(0);
    Main().SetModified(false);
    const QPoint from = c.Handle * 2;
    Press(from.x(), from.y());
    EXPECT_EQ(State().DragState, dsHandle);
    EXPECT_EQ(ViewCursor(), c.Cursor);
    EXPECT_TRUE(Main().Modified());
    EXPECT_EQ(Main().StatusText(0), "ALT: (X: 20, Y: 20) -> (X: 60, Y:60)");
    MoveTo(from.x() + 10, from.y() + 14);
    Release(from.x() + 10, from.y() + 14);
    EXPECT_EQ(Values(SelectedProperties()), c.Result);
    EXPECT_EQ(State().DragState, dsIdle);
}

INSTANTIATE_TEST_SUITE_P(
    EveryHandle, ResizeByHandle,
    ::testing::Values(THandleCase{{60, 60}, Qt::SizeFDiagCursor, {"20", "20", "65", "67"}},
                      THandleCase{{60, 20}, Qt::SizeBDiagCursor, {"20", "27", "65", "60"}},
                      THandleCase{{20, 60}, Qt::SizeBDiagCursor, {"25", "20", "60", "67"}},
                      THandleCase{{60, 40}, Qt::SizeHorCursor, {"20", "20", "65", "60"}},
                      THandleCase{{40, 60}, Qt::SizeVerCursor, {"20", "20", "60", "67"}},
                      THandleCase{{20, 40}, Qt::SizeHorCursor, {"25", "20", "60", "60"}},
                      THandleCase{{40, 20}, Qt::SizeVerCursor, {"20", "27", "60", "60"}},
                      THandleCase{{20, 20}, Qt::SizeFDiagCursor, {"25", "27", "60", "60"}}));

TEST_F(ToolMouse, HandlesAreCaughtWithinFourViewPixelsAtEveryZoom) {
    AddRectangle(20, 20, 60, 60);
    const struct {
        const char* Zoom;
        int Offset; // view pixels right of and below the centre of the corner handle (60, 60)
        TDragState Expected;
    } cases[] = {
        {"mniZoom25", 4, dsHandle},   {"mniZoom25", 5, dsIdle},  {"mniZoom25", -5, dsMoving},
        {"mniZoom100", 4, dsHandle},  {"mniZoom100", 5, dsIdle}, {"mniZoom100", -5, dsMoving},
        {"mniZoom400", -4, dsHandle}, {"mniZoom400", 5, dsIdle}, {"mniZoom400", -5, dsMoving},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Zoom << " " << c.Offset);
        Main().findChild<QAction*>(QString::fromLatin1(c.Zoom))->trigger();
        Main().scbHorizontal->setValue(0);
        Main().scbVertical->setValue(0);
        Map().SelectById(1);
        const int handle =
            static_cast<int>(ViewCoordinate(60, 0, static_cast<double>(State().ZoomFactor)));
        const int at = handle + c.Offset;
        Press(at, at);
        EXPECT_EQ(State().DragState, c.Expected);
        Release(at, at);
        Map().SelectById(1);
        EXPECT_EQ(Values(SelectedProperties()), Strings({"20", "20", "60", "60"}));
    }
}

TEST_F(ToolMouse, MovingAnAreaKeepsItsSizeAndRefreshesItsSummary) {
    AddRectangle(20, 20, 60, 60);
    Main().ShowSelectedArea();
    Press(40, 45);
    EXPECT_EQ(State().DragState, dsMoving);
    EXPECT_EQ(ViewCursor(), Qt::PointingHandCursor);
    MoveTo(45, 50);
    EXPECT_EQ(Main().StatusText(1), "NEU: (X: 25, Y: 25) -> (X: 65, Y:65)");
    MoveTo(50, 47);
    Release(50, 47);
    EXPECT_EQ(Values(SelectedProperties()), Strings({"30", "22", "70", "62"}));
    EXPECT_EQ(Main().trvOverview->HighlightedNode()->text(0), "(30, 22 -> 70, 62)");
    EXPECT_EQ(Main().pclProperties->strgrCoords->ValueText(0), "30");
}

TEST_F(ToolMouse, DraggingLeftOfTheViewGivesNegativeCoordinates) {
    Main().mniNewRectangle->trigger();
    Press(5, 5);
    MoveTo(-10, 20);
    EXPECT_EQ(Main().StatusText(1), "-> (X: -10, Y: 20)");
    Release(-10, 20);
    EXPECT_EQ(Values(SelectedProperties()), Strings({"-10", "5", "5", "20"}));
}

TEST_F(ToolMouse, TheSelectedAreaWinsTheHitTestWhereAreasOverlap) {
    AddRectangle(10, 10, 100, 100); // A, first in the list
    AddRectangle(50, 50, 150, 150); // B
    Map().ClearSelection();
    Click(120, 120);
    ASSERT_EQ(Map().SelectedId(), 2);
    Click(70, 70);
    EXPECT_EQ(Map().SelectedId(), 2);
    Click(300, 250);
    EXPECT_FALSE(Map().HasSelection());
    Click(70, 70);
    EXPECT_EQ(Map().SelectedId(), 1);
}

TEST_F(ToolMouse, PressOnEmptySpaceClearsTheSelectionAndKeepsTheStatusText) {
    AddRectangle(10, 10, 100, 100);
    Main().ShowSelectedArea();
    Main().SetStatusText(0, "vorher");
    Press(300, 250);
    EXPECT_FALSE(Map().HasSelection());
    EXPECT_FALSE(Main().pclProperties->isEnabled());
    EXPECT_EQ(Main().trvOverview->HighlightedNode(), nullptr);
    EXPECT_EQ(ViewCursor(), Qt::CrossCursor);
    EXPECT_EQ(Main().StatusText(0), "vorher");
    EXPECT_EQ(State().DragState, dsIdle);
}

TEST_F(ToolMouse, PanelShowsThePreviousAreaUntilTheRelease) {
    AddRectangle(10, 10, 60, 60);
    AddRectangle(200, 200, 260, 260);
    Map().SelectById(1);
    Main().ShowSelectedArea();
    Press(230, 230);
    EXPECT_EQ(Map().SelectedId(), 2);
    EXPECT_EQ(Main().pclProperties->strgrCoords->ValueText(0), "10");
    Release(230, 230);
    EXPECT_EQ(Main().pclProperties->strgrCoords->ValueText(0), "200");
}

TEST_F(ToolMouse, StoringDuringADragNeverWritesTheShownAreaIntoTheGrabbedOne) {
    AddRectangle(10, 10, 60, 60);
    AddPolygon({200, 200, 260, 200, 230, 260});
    Map().SelectById(1);
    Main().ShowSelectedArea();
    Main().pclProperties->inpLink->setText("a.htm");
    Press(225, 215);                   // grabs the polygon; the panel still shows the rectangle
    Main().StoreAreaPanelIfSelected(); // as a command's shortcut during the drag would
    EXPECT_EQ(Values(SelectedProperties()), Strings({"200", "200", "260", "200", "230", "260"}));
    EXPECT_EQ(SelectedProperties().Href, "");
    Release(225, 215);
    Map().SelectById(1);
    EXPECT_EQ(SelectedProperties().Href, "a.htm"); // stored at the press
}

TEST_F(ToolMouse, HoveringShowsTheHandleCursorsOfTheSelectedAreaOnly) {
    AddRectangle(10, 10, 60, 60);
    AddRectangle(200, 200, 260, 260);
    Map().SelectById(1);
    const struct {
        QPoint At;
        Qt::CursorShape Cursor;
    } cases[] = {{{60, 60}, Qt::SizeFDiagCursor},    {{60, 10}, Qt::SizeBDiagCursor},
                 {{35, 60}, Qt::SizeVerCursor},      {{10, 35}, Qt::SizeHorCursor},
                 {{30, 40}, Qt::PointingHandCursor}, {{230, 230}, Qt::CrossCursor},
                 {{120, 120}, Qt::CrossCursor}};
    for (const auto& c : cases) {
        MoveTo(c.At.x(), c.At.y(), Qt::NoButton);
        EXPECT_EQ(ViewCursor(), c.Cursor) << c.At.x() << "," << c.At.y();
        EXPECT_EQ(Main().StatusText(0), PositionText(c.At.x(), c.At.y()));
    }
}

TEST_F(ToolMouse, IdleMovementAtQuarterZoomShowsTheImagePosition) {
    OpenMap(2000, 2000);
    SetViewport(400, 300);
    Main().mniZoom25->trigger();
    MoveTo(3, 1, Qt::NoButton);
    EXPECT_EQ(Main().StatusText(0), " X:12, Y:4");
}

TEST_F(ToolMouse, RightButtonNeitherPressesNorEndsAnEditDrag) {
    AddRectangle(20, 20, 60, 60);
    Press(40, 40, Qt::RightButton);
    EXPECT_EQ(State().DragState, dsIdle);
    Press(40, 40);
    MoveTo(45, 40);
    Release(45, 40, Qt::RightButton);
    EXPECT_EQ(State().DragState, dsMoving);
    MoveTo(50, 40);
    Release(50, 40);
    EXPECT_EQ(Values(SelectedProperties()), Strings({"30", "20", "70", "60"}));
}

TEST_F(ToolMouse, ChoosingTheActiveToolAgainKeepsItsButtonDown) {
    Main().tbtEditArea->trigger();
    EXPECT_TRUE(Main().tbtEditArea->isChecked());
    EXPECT_TRUE(Main().mniEditArea->isChecked());
    Main().mniNewPolygon->trigger();
    Main().mniNewPolygon->trigger();
    EXPECT_TRUE(Main().mniNewPolygon->isChecked());
    EXPECT_TRUE(Main().tbtNewPolygon->isChecked());
    EXPECT_EQ(State().ActiveTool, tlPolygon);
}

TEST_F(ToolMouse, ChoosingADrawingToolStoresThePanelAndClearsTheSelection) {
    AddRectangle(20, 20, 60, 60);
    Main().ShowSelectedArea();
    Main().pclProperties->inpLink->setText("seite.htm");
    Main().mniEditArea->trigger();
    EXPECT_TRUE(Map().HasSelection());
    EXPECT_TRUE(Main().pclProperties->isEnabled());

    Main().tbtNewCircle->trigger();
    EXPECT_TRUE(Main().mniNewCircle->isChecked());
    EXPECT_FALSE(Map().HasSelection());
    EXPECT_FALSE(Main().pclProperties->isEnabled());
    Map().SelectById(1);
    EXPECT_EQ(SelectedProperties().Href, "seite.htm");
}

TEST_F(ToolMouse, APressMovesTheFocusToTheSinkWhichStoresTheEditBox) {
    AddRectangle(20, 20, 60, 60);
    Main().ShowSelectedArea();
    ShowAndActivate();
    Main().pclProperties->inpAlt->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(Main().pclProperties->inpAlt->hasFocus());
    Main().pclProperties->inpAlt->setText("Haus");
    Press(300, 250);
    EXPECT_TRUE(Main().FocusControl->hasFocus());
    Map().SelectById(1);
    EXPECT_EQ(SelectedProperties().Alt, "Haus");
}

TEST_F(ToolMouse, ScrollingMovesTheFocusToTheSink) {
    OpenMap(2000, 2000);
    SetViewport(400, 300);
    ShowAndActivate();
    Main().trvOverview->setFocus();
    QApplication::processEvents();
    Main().scbVertical->setValue(100);
    EXPECT_TRUE(Main().FocusControl->hasFocus());
    EXPECT_EQ(State().ViewOrigin.y(), 100);
}

} // namespace
} // namespace kvx
