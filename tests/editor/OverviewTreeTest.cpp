// The overview tree: its nodes, their texts, and the selection following it both ways.
#include "EditorTestSupport.h"

#include "editor/OverviewTree.h"
#include "editor/PropertyPanel.h"

#include <QApplication>
#include <QStyledItemDelegate>
#include <QTest>
#include <functional>

namespace kvx {
namespace {

TEST(AreaNodeText, ShowsTheHrefOrElseASummaryOfTheCoordinates) {
    const std::vector<std::string> rectangle = {"X1", "10", "Y1", "20", "X2", "110", "Y2", "80"};
    const std::vector<std::string> circle = {"Mittelpunkt: X", "50", "Mittelpunkt: Y", "60",
                                             "Radius",         "25"};
    const std::vector<std::string> polygon = {"Punkt 1: X", "5",  "Punkt 1: Y", "7",
                                              "Punkt 2: X", "50", "Punkt 2: Y", "70",
                                              "Punkt 3: X", "9",  "Punkt 3: Y", "1"};
    EXPECT_EQ(AreaNodeText(akRectangle, "", rectangle), "(10, 20 -> 110, 80)");
    EXPECT_EQ(AreaNodeText(akCircle, "", circle), "(M: 50, 60; R: 25)");
    EXPECT_EQ(AreaNodeText(akPolygon, "", polygon), "(5, 7; ...)");
    EXPECT_EQ(AreaNodeText(akCircle, "seite.htm", circle), "seite.htm");
}

// The tree keeps laid-out node texts and pictures to repaint fast; what it paints must stay
// what Qt's own item painting gives, highlighted or not, texts cut short or not.
TEST(OverviewTreePainting, NodesLookAsQtPaintsThem) {
    const std::string hrefs[] = {"seite.htm", "https://example.org/ein/sehr/langer/pfad/seite.htm",
                                 "<b>fett</b> & Ümläute", ""};
    const struct {
        int Width;
        int Highlighted; // index into hrefs, -1 for none
    } cases[] = {{260, -1}, {260, 1}, {120, 0}, {120, 1}, {400, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Width << " px, node " << c.Highlighted);
        TOverviewTree tree;
        tree.resize(c.Width, 200);
        tree.BuildMapNodes(QStringLiteral("karte"));
        std::vector<QTreeWidgetItem*> nodes;
        for (const std::string& href : hrefs) {
            TLinkAreaProperties props;
            props.Kind = static_cast<std::uint8_t>(akRectangle + nodes.size() % 3);
            props.Id = static_cast<std::int32_t>(nodes.size()) + 1;
            props.Href = href;
            props.Coords = {"X", "10", "Y", "20", "X", "30", "Y", "40"};
            nodes.push_back(tree.AddAreaNode(props));
        }
        tree.expandAll();
        if (c.Highlighted >= 0) {
            tree.Highlight(nodes[static_cast<std::size_t>(c.Highlighted)]);
        }
        const QImage kept = tree.grab().toImage();
        QStyledItemDelegate qtOwn;
        tree.setItemDelegate(&qtOwn);
        const QImage qt = tree.grab().toImage();
        EXPECT_TRUE(kept == qt);
    }
}

class OverviewTree : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        OpenMap(400, 300);
        SetViewport(400, 300);
    }
    TOverviewTree& Tree() { return *Main().trvOverview; }
    QTreeWidgetItem* AreaNode(std::uint8_t kind, int index) {
        return Tree().GroupNode(kind)->child(index);
    }
    // A click on a node as the user makes it.
    void ClickNode(QTreeWidgetItem* node) {
        Tree().scrollToItem(node);
        const QRect rect = Tree().visualItemRect(node);
        QTest::mouseClick(Tree().viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
};

TEST_F(OverviewTree, MapWithoutAreasShowsTheMapNodeAndThreeEmptyGroups) {
    ASSERT_EQ(Tree().topLevelItemCount(), 1);
    QTreeWidgetItem* map = Tree().topLevelItem(0);
    EXPECT_EQ(map->text(0), "karte");
    EXPECT_TRUE(map->isExpanded());
    ASSERT_EQ(map->childCount(), 3);
    const char* texts[] = {"Rechteckige Verweisflächen", "Kreisförmige Verweisflächen",
                           "Polygone Verweisflächen"};
    const int images[] = {1, 3, 5};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(map->child(i)->text(0), QString::fromUtf8(texts[i]));
        EXPECT_EQ(map->child(i)->data(0, TOverviewTree::ImageIndexRole).toInt(), images[i]);
        EXPECT_EQ(map->child(i)->childCount(), 0);
        EXPECT_FALSE(TOverviewTree::NodeId(map->child(i)));
    }
    EXPECT_EQ(map->data(0, TOverviewTree::ImageIndexRole).toInt(), 0);
    EXPECT_FALSE(TOverviewTree::NodeId(map));
    EXPECT_EQ(Tree().editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(Tree().indentation(), 19);
}

TEST_F(OverviewTree, AreaNodesGoIntoTheirShapesGroupWithIdAndPicture) {
    AddRectangle(10, 20, 110, 80);
    AddCircle(50, 60, 25);
    AddPolygon({5, 7, 50, 70, 9, 1, 30, 30});
    AddRectangle(1, 2, 3, 4);
    ASSERT_EQ(Tree().GroupNode(akRectangle)->childCount(), 2);
    EXPECT_EQ(AreaNode(akRectangle, 0)->text(0), "(10, 20 -> 110, 80)");
    EXPECT_EQ(AreaNode(akRectangle, 1)->text(0), "(1, 2 -> 3, 4)");
    EXPECT_EQ(AreaNode(akCircle, 0)->text(0), "(M: 50, 60; R: 25)");
    EXPECT_EQ(AreaNode(akPolygon, 0)->text(0), "(5, 7; ...)");
    EXPECT_EQ(TOverviewTree::NodeId(AreaNode(akRectangle, 1)), 4);
    EXPECT_EQ(TOverviewTree::NodeId(AreaNode(akPolygon, 0)), 3);
    EXPECT_EQ(AreaNode(akCircle, 0)->data(0, TOverviewTree::ImageIndexRole).toInt(), 4);
    // Adding does not highlight.
    EXPECT_EQ(Tree().HighlightedNode(), nullptr);
}

TEST_F(OverviewTree, ClickingAnAreaNodeSelectsItsAreaByIdAndShowsIt) {
    AddRectangle(10, 10, 50, 50);
    AddRectangle(100, 100, 150, 150);
    for (const std::int32_t id : {1, 2}) {
        Map().SelectById(id);
        Main().ShowSelectedArea();
        Main().pclProperties->inpLink->setText("gleich.htm");
        Main().StoreAreaPanel();
    }
    Map().ClearSelection();
    Main().ShowSelectedArea();
    Main().mniNewRectangle->trigger();
    Main().show();
    QApplication::processEvents();

    ClickNode(AreaNode(akRectangle, 1));
    EXPECT_EQ(Map().SelectedId(), 2);
    EXPECT_EQ(State().ActiveTool, tlEdit);
    EXPECT_TRUE(Main().tbtEditArea->isChecked());
    EXPECT_TRUE(Main().mniEditArea->isChecked());
    EXPECT_TRUE(Main().pclProperties->isEnabled());
    EXPECT_EQ(Main().pclProperties->strgrCoords->ValueText(0), "100");
    // Two nodes show the same href; the id decided.
    EXPECT_EQ(AreaNode(akRectangle, 0)->text(0), AreaNode(akRectangle, 1)->text(0));
    ClickNode(AreaNode(akRectangle, 0));
    EXPECT_EQ(Map().SelectedId(), 1);
}

TEST_F(OverviewTree, MovingToTheMapOrAGroupNodeClearsTheSelectionAndLeavesNothingHighlighted) {
    AddRectangle(10, 10, 50, 50);
    AddCircle(100, 100, 20);
    Main().show();
    QApplication::processEvents();
    // Qt applies its own selection after it reports the move; none may be left on the node.
    const struct {
        const char* Way;
        std::function<void()> Move;
    } ways[] = {
        {"click on the map node", [this] { ClickNode(Tree().MapNode()); }},
        {"click on a group node", [this] { ClickNode(Tree().GroupNode(akPolygon)); }},
        {"up from the first area of a group",
         [this] {
             ClickNode(AreaNode(akRectangle, 0));
             QTest::keyClick(&Tree(), Qt::Key_Up);
         }},
        {"down from the last area of a group",
         [this] {
             ClickNode(AreaNode(akRectangle, 0));
             QTest::keyClick(&Tree(), Qt::Key_Down);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.Way);
        Map().SelectById(2);
        Main().ShowSelectedArea();
        way.Move();
        EXPECT_FALSE(Map().HasSelection());
        EXPECT_FALSE(Main().pclProperties->isEnabled());
        EXPECT_EQ(Tree().HighlightedNode(), nullptr);
        EXPECT_TRUE(Tree().selectedItems().isEmpty());
        // The next click on an area node selects it at once.
        ClickNode(AreaNode(akCircle, 0));
        EXPECT_EQ(Map().SelectedId(), 2);
        EXPECT_EQ(Tree().selectedItems(), QList<QTreeWidgetItem*>{AreaNode(akCircle, 0)});
    }
}

TEST_F(OverviewTree, AClickBesideTheNodesKeepsTheSelectionAndItsHighlight) {
    AddRectangle(10, 10, 50, 50);
    Main().ShowSelectedArea();
    Main().show();
    QApplication::processEvents();
    const QPoint below =
        Tree().visualItemRect(AreaNode(akRectangle, 0)).bottomLeft() + QPoint(5, 150);
    QTest::mouseClick(Tree().viewport(), Qt::LeftButton, Qt::NoModifier, below);
    EXPECT_EQ(Map().SelectedId(), 1);
    EXPECT_EQ(Tree().HighlightedNode(), AreaNode(akRectangle, 0));
    EXPECT_TRUE(AreaNode(akRectangle, 0)->isSelected());
}

TEST_F(OverviewTree, MovingToAnotherAreaNodeStoresThePanelIntoTheAreaShownBefore) {
    AddRectangle(10, 10, 50, 50);
    AddRectangle(100, 100, 150, 150);
    Map().SelectById(1);
    Main().ShowSelectedArea();
    Main().show();
    QApplication::processEvents();
    Main().pclProperties->inpLink->setText("erste.htm");
    ClickNode(AreaNode(akRectangle, 1));
    Map().SelectById(1);
    EXPECT_EQ(SelectedProperties().Href, "erste.htm");
    EXPECT_EQ(AreaNode(akRectangle, 0)->text(0), "erste.htm");
    EXPECT_EQ(AreaNode(akRectangle, 1)->text(0), "(100, 100 -> 150, 150)");
}

TEST_F(OverviewTree, HighlightFollowsTheSelectionOnTheCanvas) {
    AddRectangle(10, 10, 50, 50);
    AddCircle(200, 200, 30);
    Map().ClearSelection();
    Click(30, 30);
    EXPECT_EQ(Tree().HighlightedNode(), AreaNode(akRectangle, 0));
    Click(200, 200);
    EXPECT_EQ(Tree().HighlightedNode(), AreaNode(akCircle, 0));
    Click(350, 20);
    EXPECT_EQ(Tree().HighlightedNode(), nullptr);
}

TEST_F(OverviewTree, NodeTextFollowsTheHrefAsItIsStoredAndCleared) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    Main().pclProperties->inpLink->setText("ziel.htm");
    Main().StoreAreaPanel();
    EXPECT_EQ(AreaNode(akRectangle, 0)->text(0), "ziel.htm");
    Main().pclProperties->inpLink->clear();
    Main().StoreAreaPanel();
    EXPECT_EQ(AreaNode(akRectangle, 0)->text(0), "(10, 20 -> 110, 80)");
}

TEST_F(OverviewTree, ResetEmptiesTheTreeAndANewMapRebuildsIt) {
    AddRectangle(10, 20, 110, 80);
    Main().ResetEditor();
    EXPECT_EQ(Tree().topLevelItemCount(), 0);
    EXPECT_EQ(Tree().GroupNode(akRectangle), nullptr);
    OpenMap(100, 100);
    EXPECT_EQ(Tree().topLevelItemCount(), 1);
    EXPECT_EQ(Tree().GroupNode(akRectangle)->childCount(), 0);
}

TEST_F(OverviewTree, MapNodeAndCaptionTakeANewName) {
    Main().ShowMapName("neu");
    EXPECT_EQ(Tree().MapNode()->text(0), "neu");
    EXPECT_EQ(Main().windowTitle(), "Korvane 2 [neu][*]");
}

} // namespace
} // namespace kvx
