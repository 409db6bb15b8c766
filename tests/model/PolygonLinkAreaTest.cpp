#include "model/PolygonLinkArea.h"
#include "RecordingCanvas.h"
#include "model/TextConversion.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <utility>

namespace kvx {
namespace {

using TVertices = std::vector<std::pair<int, int>>;

TVertices VerticesOf(const TPolygonLinkArea& area) {
    TVertices vertices;
    for (const TPolygonPoint& point : area.Points()) {
        vertices.emplace_back(point.X, point.Y);
    }
    return vertices;
}

// Drawn as the polygon tool does: press, then per vertex a move and a left release, then
// one more move of the rubber band and the right release.
TPolygonLinkArea DrawnPolygon(const TVertices& vertices) {
    std::string status;
    TPolygonLinkArea area(vertices[0].first, vertices[0].second, status);
    for (std::size_t i = 1; i < vertices.size(); ++i) {
        area.Modify(0, 0, vertices[i].first, vertices[i].second, mmDragNew, status);
        area.Modify(0, 0, vertices[i].first, vertices[i].second, mmAddPoint, status);
    }
    area.Modify(0, 0, 12345, 678, mmDragNew, status);
    area.Modify(0, 0, 0, 0, mmFinish, status);
    return area;
}

TEST(PolygonLinkArea, CreatesTwoVerticesWithTheRubberBandCurrent) {
    std::string status;
    TPolygonLinkArea area(5, 5, status);
    EXPECT_EQ(status, "(X: 5, Y: 5)");
    EXPECT_EQ(VerticesOf(area), (TVertices{{5, 5}, {6, 6}}));
    EXPECT_EQ(area.PointCount(), 2);
    EXPECT_EQ(area.CurrentPoint(), 1);
    EXPECT_TRUE(area.IsOpen());
    EXPECT_TRUE(area.Editing);
}

TEST(PolygonLinkArea, FinishRightAfterCreateLeavesOneVertex) {
    std::string status;
    TPolygonLinkArea area(5, 5, status);
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(VerticesOf(area), (TVertices{{5, 5}}));
    EXPECT_EQ(area.CurrentPoint(), TPolygonLinkArea::NoPoint);
    EXPECT_FALSE(area.IsOpen());
    std::string html;
    area.GetHtml(false, false, html);
    EXPECT_EQ(html, " <area shape=\"poly\" coords=\"5,5\" href=\"#\" alt=\"\" />\r\n");
    area.Modify(0, 0, 0, 0, mmFinish, status); // a second finish removes nothing
    EXPECT_EQ(area.PointCount(), 1);
}

TEST(PolygonLinkArea, DrawingSequenceWithItsStatusTexts) {
    std::string status;
    TPolygonLinkArea area(0, 0, status);
    area.Modify(0, 0, 100, 0, mmDragNew, status);
    EXPECT_EQ(status, "-> (X: 100, Y: 0)");
    area.Modify(0, 0, 100, 0, mmAddPoint, status);
    EXPECT_EQ(status, "(X: 100, Y: 0)");
    EXPECT_EQ(area.PointCount(), 3);
    EXPECT_EQ(area.CurrentPoint(), 2);
    area.Modify(0, 0, 0, 100, mmDragNew, status);
    area.Modify(0, 0, 0, 100, mmAddPoint, status);
    area.Modify(0, 0, 40, 40, mmDragNew, status);
    EXPECT_EQ(VerticesOf(area), (TVertices{{0, 0}, {100, 0}, {0, 100}, {40, 40}}));
    status = "kept";
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(status, "kept");
    EXPECT_EQ(VerticesOf(area), (TVertices{{0, 0}, {100, 0}, {0, 100}}));
    EXPECT_EQ(area.CurrentPoint(), TPolygonLinkArea::NoPoint);
    EXPECT_FALSE(area.Editing);
}

TEST(PolygonLinkArea, FinishKeepsAGrabbedVertexThatStays) {
    std::string status;
    TPolygonLinkArea area(0, 0, status);
    area.Modify(0, 0, 100, 0, mmAddPoint, status);
    ASSERT_EQ(area.HitTest(1, 1, status), hrHandle);
    area.Modify(0, 0, 0, 0, mmFinish, status);
    EXPECT_EQ(area.CurrentPoint(), 0);
}

struct TInsideCase {
    TVertices Polygon;
    int X;
    int Y;
    bool Inside;
};

TEST(PolygonLinkArea, EvenOddInsideTest) {
    const TVertices triangle = {{0, 0}, {100, 0}, {0, 100}};
    const TVertices reversed = {{0, 0}, {0, 100}, {100, 0}};
    const TVertices arrow = {{0, 0}, {100, 50}, {0, 100}};
    const TInsideCase cases[] = {
        {triangle, 10, 10, true},
        {triangle, 90, 90, false},
        {triangle, 60, 45, false},
        {triangle, 50, 50, true},  // on the edge drawn right to left
        {reversed, 50, 50, false}, // the same edge drawn left to right
        {triangle, 50, 0, true},   // on the top edge, above the edge drawn right to left
        {arrow, 50, 50, true},
        {arrow, 0, 50, false}, // on the vertical edge: the other edges end at this x
        {arrow, 100, 50, false},
        {arrow, -1, 50, false},
        {{{0, 0}, {200, 0}, {200, 200}, {100, 100}, {0, 200}}, 100, 150, false},
        {{{0, 0}, {200, 0}, {200, 200}, {100, 100}, {0, 200}}, 50, 120, true},
        {{{10, 10}}, 10, 10, false},
        {{{0, 0}, {100, 100}}, 50, 50, true}, // on the segment: its backward edge counts
        {{{0, 0}, {100, 100}}, 50, 60, false},
        {{{0, 0}, {100, 100}}, 50, 40, false},
    };
    for (const TInsideCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.X) + "," + std::to_string(c.Y));
        std::string status;
        TPolygonLinkArea area(c.Polygon[0].first, c.Polygon[0].second, status);
        TLinkAreaProperties props;
        for (std::size_t i = 1; i < c.Polygon.size(); ++i) {
            area.Modify(0, 0, 0, 0, mmAddPoint, status);
        }
        area.Modify(0, 0, 0, 0, mmFinish, status);
        for (const auto& [x, y] : c.Polygon) {
            props.Coords.insert(props.Coords.end(), {"", IntToStr(x), "", IntToStr(y)});
        }
        area.SetProperties(props);
        ASSERT_EQ(VerticesOf(area), c.Polygon);
        EXPECT_EQ(area.Contains(c.X, c.Y), c.Inside);
    }
}

TEST(PolygonLinkArea, SlopesAreComparedInSinglePrecision) {
    // Exactly, (5e7, 5e7) lies above the first edge (slope 1.00000001) and so outside; in
    // single precision both slopes are 1.0 and the edge does not count.
    const TPolygonLinkArea area = DrawnPolygon({{0, 0}, {100000000, 100000001}, {0, 100000001}});
    EXPECT_TRUE(area.Contains(50000000, 50000000));
    EXPECT_TRUE(area.Contains(1000, 2000));
    EXPECT_FALSE(area.Contains(2000, 1000));
}

TEST(PolygonLinkArea, WhileOpenTheClosingEdgeCountsForTheInside) {
    std::string status;
    TPolygonLinkArea area(0, 0, status);
    area.Modify(0, 0, 100, 0, mmDragNew, status);
    area.Modify(0, 0, 100, 0, mmAddPoint, status);
    area.Modify(0, 0, 0, 100, mmDragNew, status);
    ASSERT_TRUE(area.IsOpen());
    EXPECT_EQ(VerticesOf(area), (TVertices{{0, 0}, {100, 0}, {0, 100}}));
    EXPECT_TRUE(area.Contains(10, 10));
}

TEST(PolygonLinkArea, HitTestPrefersTheFirstVertexInReachOverTheInside) {
    TPolygonLinkArea area = DrawnPolygon({{0, 0}, {3, 0}, {100, 0}, {0, 100}});
    std::string status;
    EXPECT_EQ(area.HitTest(2, 1, status), hrHandle);
    EXPECT_EQ(area.CurrentPoint(), 0);
    EXPECT_EQ(status, "ALT: (X: 0, Y: 0)");
    EXPECT_EQ(area.CursorAt(2, 1), crSizeAll);
    EXPECT_EQ(area.HitTest(7, 4, status), hrHandle);
    EXPECT_EQ(area.CurrentPoint(), 1);
    EXPECT_EQ(status, "ALT: (X: 3, Y: 0)");
    EXPECT_EQ(area.HitTest(20, 30, status), hrBody);
    EXPECT_EQ(area.CurrentPoint(), TPolygonLinkArea::NoPoint);
    EXPECT_EQ(status, "ALT: (X: 20, Y: 30)");
    EXPECT_EQ(area.CursorAt(20, 30), crHandPoint);
    status = "kept";
    EXPECT_EQ(area.HitTest(90, 90, status), hrNone);
    EXPECT_EQ(status, "kept");
    EXPECT_EQ(area.CursorAt(90, 90), crCross);
}

TEST(PolygonLinkArea, DraggingAVertexMovesOnlyThatVertex) {
    TPolygonLinkArea area = DrawnPolygon({{0, 0}, {100, 0}, {0, 100}});
    std::string status;
    ASSERT_EQ(area.HitTest(101, -2, status), hrHandle);
    area.Modify(101, -2, 111, 3, mmDragHandle, status);
    EXPECT_EQ(status, "NEU: (X: 110, Y: 5)");
    area.Modify(111, 3, 112, 4, mmDragHandle, status);
    EXPECT_EQ(VerticesOf(area), (TVertices{{0, 0}, {111, 6}, {0, 100}}));
    EXPECT_TRUE(area.Editing);
}

TEST(PolygonLinkArea, DraggingWithoutAGrabbedVertexChangesNothing) {
    TPolygonLinkArea area = DrawnPolygon({{0, 0}, {100, 0}, {0, 100}});
    std::string status = "kept";
    area.HitTest(500, 500, status);
    area.Modify(0, 0, 10, 10, mmDragHandle, status);
    EXPECT_EQ(status, "kept");
    EXPECT_EQ(VerticesOf(area), (TVertices{{0, 0}, {100, 0}, {0, 100}}));
}

TEST(PolygonLinkArea, MoveShiftsEveryVertexAndReportsTheMouse) {
    TPolygonLinkArea area = DrawnPolygon({{0, 0}, {100, 0}, {0, 100}});
    std::string status;
    area.Move(10, 10, 15, 30, status);
    EXPECT_EQ(VerticesOf(area), (TVertices{{5, 20}, {105, 20}, {5, 120}}));
    EXPECT_EQ(status, "NEU: (X: 15, Y: 30)");
    EXPECT_TRUE(area.Editing);
}

TEST(PolygonLinkArea, PropertiesHaveFourEntriesPerVertex) {
    TPolygonLinkArea area = DrawnPolygon({{300, 50}, {350, 120}, {260, 120}});
    TLinkAreaProperties props;
    area.GetProperties(props);
    EXPECT_EQ(props.Kind, akPolygon);
    const std::vector<std::string> expected = {"Punkt 1: X", "300", "Punkt 1: Y", "50",
                                               "Punkt 2: X", "350", "Punkt 2: Y", "120",
                                               "Punkt 3: X", "260", "Punkt 3: Y", "120"};
    EXPECT_EQ(props.Coords, expected);

    for (std::size_t i = 1; i < props.Coords.size(); i += 2) {
        props.Coords[i] = IntToStr(static_cast<std::int64_t>(i));
    }
    area.SetProperties(props);
    EXPECT_EQ(VerticesOf(area), (TVertices{{1, 3}, {5, 7}, {9, 11}}));
    EXPECT_EQ(area.PointCount(), 3);
}

TEST(PolygonLinkArea, SetPropertiesStopsAtTheFaultyOrMissingValue) {
    TPolygonLinkArea area = DrawnPolygon({{0, 0}, {100, 0}, {0, 100}});
    TLinkAreaProperties props;
    props.Target = "_top";
    props.Coords = {"", "1", "", "2", "", "x3", "", "4", "", "5", "", "6"};
    EXPECT_THROW(area.SetProperties(props), EConvertError);
    EXPECT_EQ(area.Target, "_top");
    EXPECT_EQ(VerticesOf(area), (TVertices{{1, 2}, {100, 0}, {0, 100}}));

    props.Coords = {"", "7", "", "8", "", "9", "", "10"}; // two vertices' worth for three
    EXPECT_THROW(area.SetProperties(props), std::out_of_range);
    EXPECT_EQ(VerticesOf(area), (TVertices{{7, 8}, {9, 10}, {0, 100}}));
}

TEST(PolygonLinkArea, DrawsAnOpenChainWhileOpenAndTheClosingEdgeAfterwards) {
    std::string status;
    TPolygonLinkArea area(0, 0, status);
    area.Modify(0, 0, 100, 0, mmDragNew, status);
    area.Modify(0, 0, 100, 0, mmAddPoint, status);
    area.Modify(0, 0, 0, 100, mmDragNew, status);
    test::TRecordingCanvas open;
    area.Draw(open, true);
    EXPECT_EQ(open.Shapes(),
              (std::vector<std::string>{"move 0 0", "line 100 0", "move 100 0", "line 0 100"}));

    area.Modify(0, 0, 0, 100, mmAddPoint, status);
    area.Modify(0, 0, 0, 0, mmFinish, status);
    test::TRecordingCanvas closed;
    area.Draw(closed, true);
    EXPECT_EQ(closed.Shapes(),
              (std::vector<std::string>{"move 0 0", "line 100 0", "move 100 0", "line 0 100",
                                        "move 0 100", "line 0 0", "rect -4 -4 4 4",
                                        "rect 96 -4 104 4", "rect -4 96 4 104"}));
}

} // namespace
} // namespace kvx

namespace kvx {
namespace {

// Row spans must say exactly what Contains says pixel by pixel, for any vertex order,
// direction, vertical edges and self-crossings.
TEST(PolygonRowSpans, AgreeWithContainsOnEveryPixel) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-40, 40);
    std::uniform_int_distribution<int> corners(3, 7);
    for (int round = 0; round < 300; ++round) {
        TVertices vertices(static_cast<std::size_t>(corners(random)));
        for (auto& vertex : vertices) {
            vertex = {coordinate(random), coordinate(random)};
        }
        const TPolygonLinkArea area = DrawnPolygon(vertices);
        for (int y = -42; y <= 42; ++y) {
            std::vector<std::pair<std::int64_t, std::int64_t>> expected;
            for (int x = -42; x <= 42; ++x) {
                if (!area.Contains(x, y)) {
                    continue;
                }
                if (!expected.empty() && expected.back().second + 1 == x) {
                    expected.back().second = x;
                } else {
                    expected.emplace_back(x, x);
                }
            }
            ASSERT_EQ(area.RowSpans(y), expected) << "round " << round << ", row " << y;
        }
    }
}

} // namespace
} // namespace kvx
