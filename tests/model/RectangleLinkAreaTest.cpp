#include "model/RectangleLinkArea.h"
#include "RecordingCanvas.h"
#include "model/TextConversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace kvx {
namespace {

// A finished rectangle from (10, 20) to (110, 80): midX 60, midY 50.
TRectangleLinkArea FinishedRectangle() {
    std::string status;
    TRectangleLinkArea area(10, 20, status);
    area.Modify(0, 0, 110, 80, mmDragNew, status);
    area.Modify(0, 0, 0, 0, mmFinish, status);
    return area;
}

TEST(RectangleLinkArea, CreatesOneByOneRectangleBeingEdited) {
    std::string status;
    TRectangleLinkArea area(5, 7, status);
    EXPECT_EQ(status, "(X: 5, Y: 7)");
    EXPECT_EQ(area.X1, 5);
    EXPECT_EQ(area.Y1, 7);
    EXPECT_EQ(area.X2, 6);
    EXPECT_EQ(area.Y2, 8);
    EXPECT_EQ(area.ActiveHandle, 0);
    EXPECT_TRUE(area.Editing);
    EXPECT_TRUE(area.Contrast);
    EXPECT_EQ(area.Color, 0);
}

TEST(RectangleLinkArea, CreationDraggedUpAndLeftIsSwappedAtFinish) {
    std::string status;
    TRectangleLinkArea area(50, 60, status);
    area.Modify(999, 999, 20, 30, mmDragNew, status);
    EXPECT_EQ(status, "-> (X: 20, Y: 30)");
    EXPECT_EQ(area.X2, 20);
    EXPECT_EQ(area.Y2, 30);
    status = "unchanged";
    area.Modify(1, 2, 3, 4, mmFinish, status);
    EXPECT_EQ(status, "unchanged");
    EXPECT_FALSE(area.Editing);
    EXPECT_EQ(area.X1, 20);
    EXPECT_EQ(area.Y1, 30);
    EXPECT_EQ(area.X2, 50);
    EXPECT_EQ(area.Y2, 60);
}

struct THitCase {
    int X;
    int Y;
    THitResult Result;
    int Handle;
    TCursor Cursor;
};

TEST(RectangleLinkArea, HitTestAndCursorAtHandlesEdgesAndInside) {
    const THitCase cases[] = {
        {110, 80, hrHandle, 1, crSizeNWSE}, {114, 84, hrHandle, 1, crSizeNWSE},
        {106, 76, hrHandle, 1, crSizeNWSE}, {110, 20, hrHandle, 2, crSizeNESW},
        {10, 80, hrHandle, 3, crSizeNESW},  {110, 50, hrHandle, 4, crSizeWE},
        {60, 80, hrHandle, 5, crSizeNS},    {10, 50, hrHandle, 6, crSizeWE},
        {60, 20, hrHandle, 7, crSizeNS},    {10, 20, hrHandle, 8, crSizeNWSE},
        {6, 16, hrHandle, 8, crSizeNWSE},   {64, 16, hrHandle, 7, crSizeNS},
        {40, 40, hrBody, 0, crHandPoint},   {110, 40, hrBody, 0, crHandPoint},
        {30, 80, hrBody, 0, crHandPoint},   {111, 40, hrNone, -1, crCross},
        {5, 20, hrNone, -1, crCross},       {115, 80, hrNone, -1, crCross},
        {60, 85, hrNone, -1, crCross},      {60, 15, hrNone, -1, crCross},
    };
    for (const THitCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.X) + "," + std::to_string(c.Y));
        TRectangleLinkArea area = FinishedRectangle();
        std::string status = "before";
        EXPECT_EQ(area.HitTest(c.X, c.Y, status), c.Result);
        EXPECT_EQ(area.ActiveHandle, c.Handle);
        EXPECT_EQ(area.CursorAt(c.X, c.Y), c.Cursor);
        EXPECT_EQ(status, c.Result == hrNone ? "before" : "ALT: (X: 10, Y: 20) -> (X: 110, Y:80)");
    }
}

TEST(RectangleLinkArea, FreshRectangleIsEnlargedFromTheBottomRight) {
    std::string status;
    TRectangleLinkArea area(100, 100, status);
    EXPECT_EQ(area.HitTest(98, 103, status), hrHandle);
    EXPECT_EQ(area.ActiveHandle, 1);
    EXPECT_EQ(area.CursorAt(98, 103), crSizeNWSE);
}

struct TDragCase {
    int Handle;
    int X1, Y1, X2, Y2;
};

TEST(RectangleLinkArea, DraggingEachHandleChangesItsEdges) {
    // Dragged by (+3, +5) from the handle point.
    const TDragCase cases[] = {
        {1, 10, 20, 113, 85}, {2, 10, 25, 113, 80}, {3, 13, 20, 110, 85}, {4, 10, 20, 113, 80},
        {5, 10, 20, 110, 85}, {6, 13, 20, 110, 80}, {7, 10, 25, 110, 80}, {8, 13, 25, 110, 80},
    };
    const int handleX[] = {0, 110, 110, 10, 110, 60, 10, 60, 10};
    const int handleY[] = {0, 80, 20, 80, 50, 80, 50, 20, 20};
    for (const TDragCase& c : cases) {
        SCOPED_TRACE(c.Handle);
        TRectangleLinkArea area = FinishedRectangle();
        std::string status;
        const int x = handleX[c.Handle];
        const int y = handleY[c.Handle];
        ASSERT_EQ(area.HitTest(x, y, status), hrHandle);
        ASSERT_EQ(area.ActiveHandle, c.Handle);
        area.Modify(x, y, x + 3, y + 5, mmDragHandle, status);
        EXPECT_TRUE(area.Editing);
        EXPECT_EQ(area.X1, c.X1);
        EXPECT_EQ(area.Y1, c.Y1);
        EXPECT_EQ(area.X2, c.X2);
        EXPECT_EQ(area.Y2, c.Y2);
        EXPECT_EQ(status, "NEU: (X: " + IntToStr(c.X1) + ", Y: " + IntToStr(c.Y1) +
                              ") -> (X: " + IntToStr(c.X2) + ", Y:" + IntToStr(c.Y2) + ")");
    }
}

TEST(RectangleLinkArea, CornerDraggedAcrossKeepsItsHandleUntilFinish) {
    TRectangleLinkArea area = FinishedRectangle();
    std::string status;
    ASSERT_EQ(area.HitTest(10, 20, status), hrHandle);
    area.Modify(10, 20, 150, 30, mmDragHandle, status);
    area.Modify(150, 30, 160, 100, mmDragHandle, status);
    EXPECT_EQ(area.X1, 160);
    EXPECT_EQ(area.Y1, 100);
    EXPECT_EQ(status, "NEU: (X: 160, Y: 100) -> (X: 110, Y:80)");
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(area.X1, 110);
    EXPECT_EQ(area.Y1, 80);
    EXPECT_EQ(area.X2, 160);
    EXPECT_EQ(area.Y2, 100);
}

TEST(RectangleLinkArea, DragWithoutHandleOnlyReportsAndAddPointOnlyStartsEditing) {
    TRectangleLinkArea area = FinishedRectangle();
    std::string status;
    area.HitTest(40, 40, status); // body
    area.Modify(40, 40, 50, 50, mmDragHandle, status);
    EXPECT_EQ(status, "NEU: (X: 10, Y: 20) -> (X: 110, Y:80)");
    area.Modify(0, 0, 0, 0, mmFinish, status);
    status = "kept";
    area.Modify(40, 40, 70, 70, mmAddPoint, status);
    EXPECT_TRUE(area.Editing);
    EXPECT_EQ(status, "kept");
    EXPECT_EQ(area.X2, 110);
}

TEST(RectangleLinkArea, MoveKeepsTheSizeWhateverWasHit) {
    TRectangleLinkArea area = FinishedRectangle();
    std::string status;
    area.HitTest(500, 500, status); // a miss does not stop a move
    area.Move(40, 40, 15, 75, status);
    EXPECT_TRUE(area.Editing);
    EXPECT_EQ(area.X1, -15);
    EXPECT_EQ(area.Y1, 55);
    EXPECT_EQ(area.X2 - area.X1, 100);
    EXPECT_EQ(area.Y2 - area.Y1, 60);
    EXPECT_EQ(status, "NEU: (X: -15, Y: 55) -> (X: 85, Y:115)");
}

TEST(RectangleLinkArea, ZeroWidthRectangleIsInsideOnlyOnItsLine) {
    std::string status;
    TRectangleLinkArea area(10, 20, status);
    area.Modify(0, 0, 10, 80, mmDragNew, status);
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(area.CursorAt(10, 60), crHandPoint);
    EXPECT_EQ(area.CursorAt(11, 60), crCross);
    std::string html;
    area.GetHtml(false, false, html);
    EXPECT_EQ(html, " <area shape=\"rect\" coords=\"10,20,10,80\" href=\"#\" alt=\"\" />\r\n");
}

TEST(RectangleLinkArea, GetPropertiesGivesTheGridAndLeavesId) {
    TRectangleLinkArea area = FinishedRectangle();
    area.Href = "a.htm";
    area.Color = 255;
    area.Contrast = false;
    TLinkAreaProperties props;
    props.Id = 42;
    area.GetProperties(props);
    EXPECT_EQ(props.Kind, akRectangle);
    EXPECT_EQ(props.Id, 42);
    EXPECT_EQ(props.Href, "a.htm");
    EXPECT_EQ(props.Color, 255);
    EXPECT_FALSE(props.Contrast);
    const std::vector<std::string> expected = {"X1", "10", "Y1", "20", "X2", "110", "Y2", "80"};
    EXPECT_EQ(props.Coords, expected);
}

TEST(RectangleLinkArea, SetPropertiesNormalisesAndKeepsEditing) {
    TRectangleLinkArea area = FinishedRectangle();
    TLinkAreaProperties props;
    props.Alt = "Start";
    props.Contrast = false;
    props.Color = 0x00FF00;
    props.Coords = {"X1", "50", "Y1", "90", "X2", "10", "Y2", "-5"};
    area.SetProperties(props);
    EXPECT_EQ(area.Alt, "Start");
    EXPECT_EQ(area.Color, 0x00FF00);
    EXPECT_FALSE(area.Contrast);
    EXPECT_EQ(area.X1, 10);
    EXPECT_EQ(area.Y1, -5);
    EXPECT_EQ(area.X2, 50);
    EXPECT_EQ(area.Y2, 90);
    EXPECT_FALSE(area.Editing);
}

TEST(RectangleLinkArea, SetPropertiesStopsAtTheFaultyValueAndStaysNormalised) {
    TRectangleLinkArea area = FinishedRectangle();
    TLinkAreaProperties props;
    props.Href = "neu.htm";
    props.Coords = {"X1", "500", "Y1", "12a", "X2", "1", "Y2", "2"};
    try {
        area.SetProperties(props);
        FAIL() << "no error raised";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
    }
    EXPECT_EQ(area.Href, "neu.htm");
    // X1 took 500 before the fault; the pair is swapped so the invariant holds.
    EXPECT_EQ(area.X1, 110);
    EXPECT_EQ(area.X2, 500);
    EXPECT_EQ(area.Y1, 20);
    EXPECT_EQ(area.Y2, 80);
}

TEST(RectangleLinkArea, SetPropertiesWithTooFewCoordinatesRaisesWithoutReadingBeyond) {
    TRectangleLinkArea area = FinishedRectangle();
    TLinkAreaProperties props;
    props.Coords = {"X1", "1", "Y1", "2", "X2", "3"};
    EXPECT_THROW(area.SetProperties(props), std::out_of_range);
    EXPECT_EQ(area.X1, 1);
    EXPECT_EQ(area.Y1, 2);
    EXPECT_EQ(area.X2, 3);
    EXPECT_EQ(area.Y2, 80);
}

TEST(RectangleLinkArea, DrawsOutlineThenHandlesInTheirOrder) {
    TRectangleLinkArea area = FinishedRectangle();
    test::TRecordingCanvas canvas;
    area.Draw(canvas, true);
    const std::vector<std::string> expected = {
        "rect 10 20 110 80", "rect 6 16 14 24",    "rect 6 46 14 54",
        "rect 56 16 64 24",  "rect 106 46 114 54", "rect 56 76 64 84",
        "rect 6 76 14 84",   "rect 106 16 114 24", "rect 106 76 114 84"};
    EXPECT_EQ(canvas.Shapes(), expected);
}

TEST(RectangleLinkArea, CoordinatesAtTheLimitsWrapWithoutUndefinedBehaviour) {
    std::string status;
    TRectangleLinkArea area(INT_MAX, INT_MIN, status);
    EXPECT_EQ(area.X2, INT_MIN);
    EXPECT_EQ(area.Y2, INT_MIN + 1);
    area.Move(INT_MIN, INT_MAX, INT_MAX, INT_MIN, status);
    EXPECT_EQ(area.X1, INT_MAX - 1);
    EXPECT_EQ(area.Y1, INT_MIN + 1);
    // The handles of the wrapped rectangle stay where they are, far apart.
    EXPECT_EQ(area.HitTest(0, 0, status), hrNone);
    test::TRecordingCanvas canvas;
    area.Modify(0, 0, 0, 0, mmFinish, status);
    area.Draw(canvas, true);
    EXPECT_EQ(canvas.Shapes().size(), 9U);
}

} // namespace
} // namespace kvx
