#include "model/ImageMap.h"
#include "RecordingCanvas.h"
#include "model/CircleLinkArea.h"
#include "model/RectangleLinkArea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace kvx {
namespace {

// Adds a finished rectangle from (x1, y1) to (x2, y2) and returns its id.
std::int32_t AddRectangle(TImageMap& map, int x1, int y1, int x2, int y2) {
    std::string status;
    map.AddArea(akRectangle, x1, y1, status);
    map.ModifySelected(0, 0, x2, y2, mmDragNew, status);
    map.ModifySelected(0, 0, 0, 0, mmFinish, status);
    return map.SelectedId();
}

std::vector<std::int32_t> IdsOf(const TImageMap& map) {
    std::vector<std::int32_t> ids;
    for (const TLinkAreaEntry& entry : map.Entries()) {
        ids.push_back(entry.Id);
    }
    return ids;
}

TEST(ImageMap, StartsEmptyWithBorderZero) {
    const TImageMap map;
    EXPECT_EQ(map.Border, "0");
    EXPECT_TRUE(map.Name.empty());
    EXPECT_TRUE(map.Entries().empty());
    EXPECT_FALSE(map.HasSelection());
    EXPECT_EQ(map.LastId(), 0);
}

TEST(ImageMap, AddAreaAppendsSelectsAndReportsTheCreation) {
    TImageMap map;
    std::string status;
    map.AddArea(akCircle, 40, 50, status);
    EXPECT_EQ(status, "Mittelpunkt (X: 40, Y: 50)");
    map.AddArea(akPolygon, 1, 2, status);
    EXPECT_EQ(status, "(X: 1, Y: 2)");
    map.AddArea(akRectangle, 3, 4, status);
    EXPECT_EQ(status, "(X: 3, Y: 4)");
    EXPECT_EQ(IdsOf(map), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(map.SelectedId(), 3);
    EXPECT_TRUE(map.SelectedArea()->Editing);
    EXPECT_NE(dynamic_cast<const TRectangleLinkArea*>(map.SelectedArea()), nullptr);
}

TEST(ImageMap, UnknownKindIsRefusedWithoutUsingAnId) {
    TImageMap map;
    std::string status = "kept";
    EXPECT_THROW(map.AddArea(4, 1, 1, status), std::invalid_argument);
    EXPECT_THROW(map.AddArea(0, 1, 1, status), std::invalid_argument);
    EXPECT_EQ(status, "kept");
    EXPECT_TRUE(map.Entries().empty());
    AddRectangle(map, 0, 0, 5, 5);
    EXPECT_EQ(IdsOf(map), (std::vector<std::int32_t>{1}));
}

TEST(ImageMap, IdsAreNeverReused) {
    TImageMap map;
    AddRectangle(map, 0, 0, 10, 10);
    AddRectangle(map, 20, 0, 30, 10);
    AddRectangle(map, 40, 0, 50, 10);
    map.SelectById(2);
    EXPECT_TRUE(map.DeleteSelected());
    EXPECT_FALSE(map.HasSelection());
    AddRectangle(map, 60, 0, 70, 10);
    EXPECT_EQ(IdsOf(map), (std::vector<std::int32_t>{1, 3, 4}));
    EXPECT_EQ(map.LastId(), 4);
}

TEST(ImageMap, SelectedAreaKeepsPriorityInTheOverlap) {
    TImageMap map;
    const std::int32_t a = AddRectangle(map, 0, 0, 100, 100);
    const std::int32_t b = AddRectangle(map, 50, 50, 150, 150);
    std::string status;
    ASSERT_EQ(map.SelectedId(), b);
    EXPECT_EQ(map.HitTest(75, 75, status), hrBody);
    EXPECT_EQ(map.SelectedId(), b);
    EXPECT_EQ(status, "ALT: (X: 50, Y: 50) -> (X: 150, Y:150)");
    map.ClearSelection();
    EXPECT_EQ(map.HitTest(75, 75, status), hrBody);
    EXPECT_EQ(map.SelectedId(), a);
}

TEST(ImageMap, MissClearsTheSelectionAndLeavesTheStatus) {
    TImageMap map;
    AddRectangle(map, 0, 0, 100, 100);
    std::string status = "kept";
    EXPECT_EQ(map.HitTest(300, 300, status), hrNone);
    EXPECT_FALSE(map.HasSelection());
    EXPECT_EQ(status, "kept");
}

TEST(ImageMap, HitOnAnotherAreaSelectsItWithTheHandleForTheDrag) {
    TImageMap map;
    const std::int32_t a = AddRectangle(map, 0, 0, 100, 100);
    AddRectangle(map, 200, 0, 300, 100);
    std::string status;
    EXPECT_EQ(map.HitTest(100, 100, status), hrHandle);
    EXPECT_EQ(map.SelectedId(), a);
    EXPECT_EQ(map.CursorAt(100, 100), crSizeNWSE);
    EXPECT_TRUE(map.ModifySelected(100, 100, 120, 110, mmDragHandle, status));
    EXPECT_EQ(status, "NEU: (X: 0, Y: 0) -> (X: 120, Y:110)");
    EXPECT_TRUE(map.MoveSelected(0, 0, 5, 5, status));
    EXPECT_EQ(status, "NEU: (X: 5, Y: 5) -> (X: 125, Y:115)");
}

TEST(ImageMap, CursorReactsOnlyToTheSelectedArea) {
    TImageMap map;
    AddRectangle(map, 0, 0, 100, 100);
    EXPECT_EQ(map.CursorAt(50, 50), crHandPoint);
    map.ClearSelection();
    EXPECT_EQ(map.CursorAt(50, 50), crCross);
}

TEST(ImageMap, OperationsOnNoSelectionDoNothing) {
    TImageMap map;
    AddRectangle(map, 0, 0, 100, 100);
    map.ClearSelection();
    std::string status = "kept";
    EXPECT_FALSE(map.ModifySelected(0, 0, 5, 5, mmDragNew, status));
    EXPECT_FALSE(map.MoveSelected(0, 0, 5, 5, status));
    EXPECT_FALSE(map.DeleteSelected());
    EXPECT_FALSE(map.BringSelectedToFront());
    EXPECT_EQ(status, "kept");
    TLinkAreaProperties props;
    props.Kind = akCircle;
    props.Id = 9;
    props.Href = "caller's";
    map.GetSelectedProperties(props);
    EXPECT_EQ(props.Kind, akNone);
    EXPECT_EQ(props.Id, 0);
    EXPECT_EQ(props.Href, "caller's");
    props.Coords = {"X1", "1", "Y1", "1", "X2", "2", "Y2", "2"};
    map.SetSelectedProperties(props);
    map.SelectById(1);
    EXPECT_TRUE(map.SelectedArea()->Href.empty());
    EXPECT_EQ(map.Entries().size(), 1U);
}

TEST(ImageMap, SelectByIdWithAnUnknownIdKeepsTheSelection) {
    TImageMap map;
    AddRectangle(map, 0, 0, 10, 10);
    const std::int32_t second = AddRectangle(map, 20, 0, 30, 10);
    map.SelectById(77);
    EXPECT_EQ(map.SelectedId(), second);
    map.SelectById(1);
    EXPECT_EQ(map.SelectedId(), 1);
}

TEST(ImageMap, PropertiesCarryTheEntryIdBothWays) {
    TImageMap map;
    AddRectangle(map, 0, 0, 10, 10);
    AddRectangle(map, 20, 0, 30, 10);
    TLinkAreaProperties props;
    map.GetSelectedProperties(props);
    EXPECT_EQ(props.Kind, akRectangle);
    EXPECT_EQ(props.Id, 2);
    props.Href = "neu.htm";
    props.Coords[1] = "25";
    map.SetSelectedProperties(props);
    EXPECT_EQ(map.SelectedArea()->Href, "neu.htm");
    const auto* rectangle = dynamic_cast<const TRectangleLinkArea*>(map.SelectedArea());
    ASSERT_NE(rectangle, nullptr);
    EXPECT_EQ(rectangle->X1, 25);
}

TEST(ImageMap, BringSelectedToFrontMovesItFirstInHitAndHtmlOrder) {
    TImageMap map;
    AddRectangle(map, 0, 0, 100, 100);
    AddRectangle(map, 50, 50, 150, 150);
    const std::int32_t third = AddRectangle(map, 60, 60, 160, 160);
    map.SelectById(1);
    EXPECT_FALSE(map.BringSelectedToFront());
    EXPECT_EQ(IdsOf(map), (std::vector<std::int32_t>{1, 2, 3}));
    map.SelectById(third);
    EXPECT_TRUE(map.BringSelectedToFront());
    EXPECT_EQ(IdsOf(map), (std::vector<std::int32_t>{3, 1, 2}));
    EXPECT_EQ(map.SelectedId(), third);
    map.ClearSelection();
    std::string status;
    map.HitTest(75, 75, status);
    EXPECT_EQ(map.SelectedId(), third);
}

TEST(ImageMap, DrawsInListOrderWithOnlyTheSelectedHighlighted) {
    TImageMap map;
    AddRectangle(map, 0, 0, 10, 10);
    std::string status;
    map.AddArea(akCircle, 100, 100, status);
    map.ModifySelected(0, 0, 120, 100, mmDragNew, status);
    map.ModifySelected(0, 0, 0, 0, mmFinish, status);
    map.SelectById(1);
    test::TRecordingCanvas canvas;
    map.Draw(canvas);
    const std::vector<std::string> shapes = canvas.Shapes();
    ASSERT_EQ(shapes.size(), 10U); // the rectangle, its 8 handles, the circle
    EXPECT_EQ(shapes.front(), "rect 0 0 10 10");
    EXPECT_EQ(shapes.back(), "ellipse 80 80 120 120");
    EXPECT_EQ(canvas.Calls[1], "pen solid");
    const auto circlePen = std::find(canvas.Calls.rbegin(), canvas.Calls.rend(), "pen dot");
    EXPECT_NE(circlePen, canvas.Calls.rend());
}

TEST(ImageMap, DeletingTheOnlyAreaLeavesAnEmptyList) {
    TImageMap map;
    AddRectangle(map, 0, 0, 10, 10);
    EXPECT_TRUE(map.DeleteSelected());
    EXPECT_TRUE(map.Entries().empty());
    EXPECT_EQ(map.SelectedArea(), nullptr);
    EXPECT_EQ(map.SelectedId(), 0);
}

} // namespace
} // namespace kvx
