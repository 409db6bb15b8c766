#include "model/CircleLinkArea.h"
#include "RecordingCanvas.h"
#include "model/TextConversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace kvx {
namespace {

TCircleLinkArea FinishedCircle(int x, int y, int radius) {
    std::string status;
    TCircleLinkArea area(x, y, status);
    area.Modify(0, 0, x + radius, y, mmDragNew, status);
    area.Modify(0, 0, 0, 0, mmFinish, status);
    return area;
}

TEST(CircleLinkArea, CreatesRadiusOneWithoutActiveHandle) {
    std::string status;
    TCircleLinkArea area(100, 50, status);
    EXPECT_EQ(status, "Mittelpunkt (X: 100, Y: 50)");
    EXPECT_EQ(area.CenterX, 100);
    EXPECT_EQ(area.CenterY, 50);
    EXPECT_EQ(area.Radius, 1);
    EXPECT_EQ(area.ActiveHandle, -1);
    EXPECT_TRUE(area.Editing);
}

TEST(CircleLinkArea, ClickOnTheCentreOfAFreshCircleHitsTheRadiusHandle) {
    std::string status;
    TCircleLinkArea area(100, 50, status);
    EXPECT_EQ(area.HitTest(100, 50, status), hrHandle);
    EXPECT_EQ(area.ActiveHandle, 1);
    EXPECT_EQ(status, "ALT: cRadius (1)");
}

TEST(CircleLinkArea, CreationDragTakesTheLongerAxisWithItsSign) {
    std::string status;
    TCircleLinkArea area(100, 100, status);
    area.Modify(0, 0, 70, 110, mmDragNew, status);
    EXPECT_EQ(area.Radius, -30);
    EXPECT_EQ(status, "-> Radius (-30)");
    area.Modify(0, 0, 105, 80, mmDragNew, status);
    EXPECT_EQ(status, "-> Radius (-20)");
    area.Modify(0, 0, 120, 80, mmDragNew, status); // equal lengths: x wins
    EXPECT_EQ(status, "-> Radius (20)");
    area.Modify(0, 0, 70, 110, mmDragNew, status);
    status = "kept";
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(area.Radius, 30);
    EXPECT_FALSE(area.Editing);
    EXPECT_EQ(status, "kept");
}

TEST(CircleLinkArea, RadiusHandleFollowsOnlyHorizontalMovement) {
    TCircleLinkArea area = FinishedCircle(100, 100, 20);
    std::string status;
    ASSERT_EQ(area.HitTest(120, 100, status), hrHandle);
    EXPECT_EQ(status, "ALT: cRadius (20)");
    area.Modify(120, 100, 70, 140, mmDragHandle, status);
    EXPECT_EQ(area.Radius, -30);
    EXPECT_EQ(status, "NEU: Radius (30)");
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(area.Radius, 30);
}

TEST(CircleLinkArea, HandleDragAfterABodyHitChangesNothing) {
    TCircleLinkArea area = FinishedCircle(100, 100, 20);
    std::string status;
    ASSERT_EQ(area.HitTest(100, 100, status), hrBody);
    status = "kept";
    area.Modify(100, 100, 150, 100, mmDragHandle, status);
    EXPECT_EQ(area.Radius, 20);
    EXPECT_EQ(status, "kept");
    EXPECT_TRUE(area.Editing);
}

TEST(CircleLinkArea, MovesOnlyAfterABodyHit) {
    TCircleLinkArea area = FinishedCircle(100, 100, 20);
    std::string status;
    ASSERT_EQ(area.HitTest(95, 95, status), hrBody);
    EXPECT_EQ(status, "ALT: Mittelpunkt (X: 100, Y: 100)");
    area.Move(95, 95, 105, 85, status);
    EXPECT_EQ(area.CenterX, 110);
    EXPECT_EQ(area.CenterY, 90);
    EXPECT_EQ(status, "NEU: Mittelpunkt (X: 110, Y: 90)");

    for (const int x : {130, 300}) { // the radius handle, then a miss
        area.HitTest(x, 90, status);
        status = "kept";
        area.Move(x, 90, x + 50, 140, status);
        EXPECT_EQ(area.CenterX, 110);
        EXPECT_EQ(area.CenterY, 90);
        EXPECT_EQ(status, "kept");
        EXPECT_TRUE(area.Editing);
    }
}

struct TPointCase {
    int X;
    int Y;
    TCursor Cursor;
};

TEST(CircleLinkArea, InsideMeansTruncatedDistanceAtMostRadius) {
    const TCircleLinkArea area = FinishedCircle(0, 0, 10);
    const TPointCase cases[] = {
        {0, 0, crHandPoint}, {0, 10, crHandPoint}, {-6, -8, crHandPoint}, {7, 8, crHandPoint},
        {0, -11, crCross},   {8, 8, crCross},      {-10, 4, crHandPoint}, {-11, 0, crCross},
        {10, 0, crSizeWE},   {14, 4, crSizeWE},    {15, 0, crCross},      {6, -4, crSizeWE},
    };
    for (const TPointCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.X) + "," + std::to_string(c.Y));
        EXPECT_EQ(area.CursorAt(c.X, c.Y), c.Cursor);
    }
}

TEST(CircleLinkArea, HugeDistancesDoNotOverflow) {
    TCircleLinkArea area = FinishedCircle(0, 0, 5);
    TLinkAreaProperties props;
    props.Coords = {"", "0", "", "0", "", IntToStr(INT_MAX)};
    area.SetProperties(props);
    std::string status;
    EXPECT_EQ(area.HitTest(-INT_MAX, 0, status), hrBody);
    EXPECT_EQ(area.HitTest(INT_MIN, 0, status), hrNone);
    EXPECT_EQ(area.HitTest(INT_MIN, INT_MIN, status), hrNone);
    props.Coords = {"", IntToStr(INT_MIN), "", IntToStr(INT_MIN), "", IntToStr(INT_MAX)};
    area.SetProperties(props);
    EXPECT_EQ(area.HitTest(INT_MAX, INT_MAX, status), hrNone);
    EXPECT_EQ(area.HitTest(INT_MIN + 1000, INT_MIN + 1000, status), hrBody);
}

TEST(CircleLinkArea, RadiusZeroHasItsHandleOnTheCentre) {
    std::string status;
    TCircleLinkArea area(50, 50, status);
    area.Modify(0, 0, 50, 50, mmDragNew, status);
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(area.Radius, 0);
    EXPECT_EQ(area.HitTest(50, 50, status), hrHandle);
    std::string html;
    area.GetHtml(false, false, html);
    EXPECT_EQ(html, " <area shape=\"circle\" coords=\"50,50,0\" href=\"#\" alt=\"\" />\r\n");
}

TEST(CircleLinkArea, NegativeRadiusFromPropertiesStaysUntilFinish) {
    TCircleLinkArea area = FinishedCircle(100, 100, 20);
    TLinkAreaProperties props;
    props.Coords = {"Mittelpunkt: X", "100", "Mittelpunkt: Y", "100", "Radius", "-5"};
    area.SetProperties(props);
    EXPECT_EQ(area.Radius, -5);
    std::string status = "kept";
    EXPECT_EQ(area.HitTest(100, 100, status), hrNone); // nothing is inside
    EXPECT_EQ(status, "kept");
    EXPECT_EQ(area.HitTest(95, 100, status), hrHandle); // the handle lies left of the centre
    std::string html;
    area.GetHtml(false, false, html);
    EXPECT_EQ(html, " <area shape=\"circle\" coords=\"100,100,-5\" href=\"#\" alt=\"\" />\r\n");
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(area.Radius, 5);
}

TEST(CircleLinkArea, FinishOfTheMostNegativeRadiusGivesTheLargestPositive) {
    TCircleLinkArea area = FinishedCircle(0, 0, 1);
    TLinkAreaProperties props;
    props.Coords = {"", "0", "", "0", "", IntToStr(INT_MIN)};
    area.SetProperties(props);
    std::string status;
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(area.Radius, INT_MAX);
}

TEST(CircleLinkArea, PropertiesRoundTripAndConversionErrors) {
    TCircleLinkArea area = FinishedCircle(200, 150, 40);
    TLinkAreaProperties props;
    area.GetProperties(props);
    EXPECT_EQ(props.Kind, akCircle);
    const std::vector<std::string> expected = {"Mittelpunkt: X", "200", "Mittelpunkt: Y", "150",
                                               "Radius",         "40"};
    EXPECT_EQ(props.Coords, expected);

    props.OnClick = "zeige(1)";
    props.Coords[1] = "7";
    props.Coords[3] = "";
    EXPECT_THROW(area.SetProperties(props), EConvertError);
    EXPECT_EQ(area.OnClick, "zeige(1)");
    EXPECT_EQ(area.CenterX, 7);
    EXPECT_EQ(area.CenterY, 150);

    props.Coords = {"Mittelpunkt: X", "1", "Mittelpunkt: Y", "2", "Radius"};
    EXPECT_THROW(area.SetProperties(props), std::out_of_range);
    EXPECT_EQ(area.CenterY, 2);
    EXPECT_EQ(area.Radius, 40);
}

TEST(CircleLinkArea, DrawsItsBoxAndOneHandleWhenSelectedAndFinished) {
    TCircleLinkArea area = FinishedCircle(200, 150, 40);
    test::TRecordingCanvas canvas;
    area.Draw(canvas, true);
    const std::vector<std::string> expected = {"ellipse 160 110 240 190", "rect 236 146 244 154"};
    EXPECT_EQ(canvas.Shapes(), expected);
    canvas.Calls.clear();
    area.Draw(canvas, false);
    EXPECT_EQ(canvas.Shapes().size(), 1U);
}

} // namespace
} // namespace kvx
