// What the view and the tree show once the mouse lets go of an area: the picture a full render
// gives, no step for a gesture that changed nothing, and the area's node highlighted in view.
#include "EditorTestSupport.h"

#include "editor/DisplayView.h"
#include "editor/MapEdits.h"
#include "editor/OverviewTree.h"

#include <QTreeWidgetItem>
#include <functional>

namespace kvx {
namespace {

class ClickPicture : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        OpenMap(400, 300);
        SetViewport(400, 300);
    }
};

TEST_F(ClickPicture, AGestureThatChangesNothingShowsWhatAFullRenderShowsAndLeavesNoStep) {
    struct TCase {
        const char* Name;
        std::function<void()> Gesture;
        std::int32_t Selected; // 1 the rectangle, 2 the circle, 0 none
    };
    // The rectangle (1) is selected before each gesture.
    const std::vector<TCase> cases = {
        {"click on the other area", [this] { Click(300, 150); }, 2},
        {"click on the selected area", [this] { Click(100, 85); }, 1},
        {"click beside every area", [this] { Click(20, 250); }, 0},
        // The drag hides the handles; letting go where it began must bring them back.
        {"body dragged away and back",
         [this] {
             Press(100, 85);
             MoveTo(130, 110);
             MoveTo(100, 85);
             Release(100, 85);
         },
         1},
        {"corner dragged away and back",
         [this] {
             Press(150, 120);
             MoveTo(170, 140);
             MoveTo(150, 120);
             Release(150, 120);
         },
         1},
    };
    AddRectangle(50, 50, 150, 120);
    AddCircle(300, 150, 40);
    for (const TCase& c : cases) {
        Click(100, 85);
        ASSERT_EQ(Map().SelectedId(), 1) << c.Name;
        const int steps = Main().Edits().Stack().count();
        c.Gesture();
        EXPECT_EQ(Map().SelectedId(), c.Selected) << c.Name;
        EXPECT_EQ(Main().Edits().Stack().count(), steps) << c.Name;
        const QImage shown = Main().pbxDisplay->BackBuffer().copy();
        Main().RenderView();
        EXPECT_EQ(Main().pbxDisplay->BackBuffer(), shown) << c.Name;
    }
}

TEST_F(ClickPicture, AClickOnAnAreaHighlightsItsNodeWhereTheTreeShowsIt) {
    // 300 areas in a grid of 20 x 20 pixel cells, far more nodes than the tree shows at once.
    for (int row = 0; row < 15; ++row) {
        for (int column = 0; column < 20; ++column) {
            AddRectangle(column * 20 + 2, row * 20 + 2, column * 20 + 17, row * 20 + 17);
        }
    }
    Map().ClearSelection();
    Main().resize(1000, 700);
    ShowAndActivate();
    TOverviewTree& tree = *Main().trvOverview;
    const struct {
        int Index;
        QPoint Cell;
    } cases[] = {{299, {19, 14}}, {0, {0, 0}}, {150, {10, 7}}, {201, {1, 10}}};
    for (const auto& c : cases) {
        Click(c.Cell.x() * 20 + 10, c.Cell.y() * 20 + 10);
        const std::int32_t id = Map().Entries()[static_cast<std::size_t>(c.Index)].Id;
        ASSERT_EQ(Map().SelectedId(), id) << c.Index;
        QTreeWidgetItem* node = tree.HighlightedNode();
        ASSERT_NE(node, nullptr) << c.Index;
        EXPECT_EQ(TOverviewTree::NodeId(node), id) << c.Index;
        EXPECT_TRUE(tree.viewport()->rect().contains(tree.visualItemRect(node))) << c.Index;
    }
}

} // namespace
} // namespace kvx
