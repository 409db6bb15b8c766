// The area actions: to front, duplicate, delete, colour and contrast.
#include "EditorTestSupport.h"

#include "editor/AreaActions.h"
#include "editor/MapEdits.h"
#include "editor/OverviewTree.h"
#include "editor/PropertyPanel.h"
#include "platform/QtCanvas.h"
#include "support/ScriptedDialogService.h"

namespace kvx {
namespace {

class AreaActions : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        OpenMap(400, 300);
        SetViewport(400, 300);
    }
    TPropertyPanel& Panel() { return *Main().pclProperties; }
    void SetHref(const std::string& href) {
        TLinkAreaProperties props = SelectedProperties();
        props.Href = href;
        Map().SetSelectedProperties(props);
    }
    std::vector<std::int32_t> ListOrder() {
        std::vector<std::int32_t> ids;
        for (const auto& entry : Map().Entries()) {
            ids.push_back(entry.Id);
        }
        return ids;
    }
};

TEST_F(AreaActions, ToFrontAsksAndMovesTheAreaToTheFirstPlace) {
    AddRectangle(10, 10, 100, 100);
    AddRectangle(50, 50, 150, 150);
    Main().ShowSelectedArea();
    TScriptedDialogs dialogs;
    dialogs.AnswerMessage(TMsgResult::Ok);
    Panel().btnLinkAreaToFront->click();
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].Text,
              "Soll die aktive Verweisfläche in den Vordergrund gerückt werden?");
    EXPECT_EQ(dialogs.Questions()[0].Kind, TMsgKind::Confirmation);
    EXPECT_EQ(dialogs.Questions()[0].Buttons, TMsgButtons::OkCancel);
    EXPECT_EQ(ListOrder(), std::vector<std::int32_t>({2, 1}));
    EXPECT_TRUE(Main().Modified());
    // It is the first area element of the definition now.
    std::string html;
    Map().GetHtml(400, 300, false, false, html);
    EXPECT_LT(html.find("coords=\"50,50,150,150\""), html.find("coords=\"10,10,100,100\""));
    // The tree keeps its order.
    EXPECT_EQ(TOverviewTree::NodeId(Main().trvOverview->GroupNode(akRectangle)->child(0)), 1);
}

TEST_F(AreaActions, CancelledConfirmationsChangeNothing) {
    AddRectangle(10, 10, 100, 100);
    AddRectangle(50, 50, 150, 150);
    Main().ShowSelectedArea();
    TScriptedDialogs dialogs;
    dialogs.AnswerMessage(TMsgResult::Cancel).AnswerMessage(TMsgResult::Cancel);
    Panel().btnLinkAreaToFront->click();
    Panel().btnDelLinkArea->click();
    EXPECT_EQ(dialogs.MessageTexts().at(1),
              "Soll die aktive Verweisfläche wirklich gelöscht werden?");
    EXPECT_EQ(ListOrder(), std::vector<std::int32_t>({1, 2}));
    EXPECT_EQ(Map().SelectedId(), 2);
    EXPECT_FALSE(Main().Modified());
}

TEST_F(AreaActions, DuplicateMakesAnIdenticalSelectedCopyOffsetBelowRightWithItsOwnNode) {
    AddRectangle(10, 20, 110, 80);
    TLinkAreaProperties original = SelectedProperties();
    original.Href = "seite.htm";
    original.Alt = "Start";
    original.OnClick = "go()";
    original.Contrast = false;
    original.Color = 0x00FF00;
    Map().SetSelectedProperties(original);
    AddCircle(200, 200, 20);
    Map().SelectById(1);
    Main().ShowSelectedArea();

    Panel().btnCloneLinkArea->click();

    ASSERT_EQ(Map().Entries().size(), 3u);
    EXPECT_EQ(Map().SelectedId(), 3);
    TLinkAreaProperties copy = SelectedProperties();
    EXPECT_EQ(Values(copy), Strings({"20", "30", "120", "90"}));
    EXPECT_EQ(copy.Href, "seite.htm");
    EXPECT_EQ(copy.Alt, "Start");
    EXPECT_EQ(copy.OnClick, "go()");
    EXPECT_EQ(copy.Color, 0x00FF00);
    EXPECT_FALSE(copy.Contrast);
    QTreeWidgetItem* group = Main().trvOverview->GroupNode(akRectangle);
    ASSERT_EQ(group->childCount(), 2);
    EXPECT_EQ(group->child(1)->text(0), "seite.htm");
    EXPECT_EQ(Main().trvOverview->HighlightedNode(), group->child(1));
    EXPECT_TRUE(Panel().isEnabled());
    EXPECT_TRUE(Main().Modified());

    // Editing the copy leaves the original alone.
    Panel().inpLink->setText("kopie.htm");
    Main().StoreAreaPanel();
    EXPECT_EQ(group->child(1)->text(0), "kopie.htm");
    EXPECT_EQ(group->child(0)->text(0), "seite.htm");
    Map().SelectById(1);
    EXPECT_EQ(SelectedProperties().Href, "seite.htm");
}

TEST_F(AreaActions, DuplicatedPolygonsKeepTheirNumberOfPoints) {
    for (const std::vector<int>& points :
         {std::vector<int>{5, 5, 50, 5, 80, 40, 50, 90, 5, 60}, std::vector<int>{30, 30}}) {
        AddPolygon(points);
        Main().ShowSelectedArea();
        const TLinkAreaProperties original = SelectedProperties();
        ASSERT_EQ(original.Coords.size(), points.size() * 2);
        Panel().btnCloneLinkArea->click();
        Strings moved;
        for (const int value : points) {
            moved.push_back(std::to_string(value + 10));
        }
        EXPECT_EQ(Values(SelectedProperties()), moved);
        EXPECT_NE(SelectedProperties().Id, original.Id);
    }
}

TEST_F(AreaActions, DuplicatesStayInsideTheImage) {
    struct TCase {
        std::uint8_t Kind;
        std::vector<int> Coords;
        Strings Copy;
    };
    const std::vector<TCase> cases = {
        {akRectangle, {350, 250, 395, 295}, {"354", "254", "399", "299"}},
        {akRectangle, {0, 0, 399, 299}, {"0", "0", "399", "299"}},
        {akCircle, {390, 100, 5}, {"394", "110", "5"}},
        {akPolygon, {10, 10, 395, 20, 200, 290}, {"14", "19", "399", "29", "204", "299"}},
    };
    for (const TCase& c : cases) {
        const std::vector<int>& v = c.Coords;
        if (c.Kind == akRectangle) {
            AddRectangle(v[0], v[1], v[2], v[3]);
        } else if (c.Kind == akCircle) {
            AddCircle(v[0], v[1], v[2]);
        } else {
            AddPolygon(v);
        }
        Main().ShowSelectedArea();
        const std::size_t count = Map().Entries().size();
        Panel().btnCloneLinkArea->click();
        EXPECT_EQ(Values(SelectedProperties()), c.Copy);
        Main().Edits().Stack().undo();
        EXPECT_EQ(Map().Entries().size(), count);
    }
}

TEST_F(AreaActions, DeletingTheOnlyAreaLeavesEmptyGroupsAndADisabledPanel) {
    AddCircle(100, 100, 20);
    Main().ShowSelectedArea();
    TScriptedDialogs dialogs;
    dialogs.AnswerMessage(TMsgResult::Ok);
    Panel().btnDelLinkArea->click();
    EXPECT_TRUE(Map().Entries().empty());
    EXPECT_FALSE(Map().HasSelection());
    for (const std::uint8_t kind : {akRectangle, akCircle, akPolygon}) {
        EXPECT_EQ(Main().trvOverview->GroupNode(kind)->childCount(), 0);
    }
    EXPECT_EQ(Main().trvOverview->HighlightedNode(), nullptr);
    EXPECT_FALSE(Panel().isEnabled());
    EXPECT_TRUE(Main().Modified());
}

TEST_F(AreaActions, ChosenColourIsStoredWithoutContrastAndOffersItselfNextTime) {
    AddRectangle(10, 20, 110, 80);
    Main().ShowSelectedArea();
    ASSERT_TRUE(Panel().chkContrast->isChecked());
    TScriptedDialogs dialogs;
    dialogs.AnswerColor(QColor(255, 0, 0)).AnswerColor(std::nullopt);
    Panel().btnSelectColor->click();
    EXPECT_EQ(dialogs.Questions().at(0).InitialColor, QColor(Qt::black));
    EXPECT_FALSE(Panel().chkContrast->isChecked());
    EXPECT_EQ(Panel().SwatchColor(), 0x0000FF);
    EXPECT_EQ(SelectedProperties().Color, 0x0000FF);
    EXPECT_FALSE(SelectedProperties().Contrast);
    EXPECT_TRUE(Main().Modified());

    Main().SetModified(false);
    Panel().btnSelectColor->click(); // cancelled
    EXPECT_EQ(dialogs.Questions().at(1).InitialColor, QColor(255, 0, 0));
    EXPECT_EQ(SelectedProperties().Color, 0x0000FF);
    EXPECT_FALSE(Main().Modified());
}

TEST_F(AreaActions, TickingContrastStoresColourZeroAndUntickingTheButtonFaceCode) {
    AddRectangle(10, 20, 110, 80);
    SetSelectedColor(0x123456);
    Main().ShowSelectedArea();
    ASSERT_FALSE(Main().Modified());

    Panel().chkContrast->click();
    EXPECT_EQ(Panel().SwatchColor(), clBtnFace);
    EXPECT_TRUE(SelectedProperties().Contrast);
    EXPECT_EQ(SelectedProperties().Color, 0);
    EXPECT_TRUE(Main().Modified());

    Panel().chkContrast->click();
    EXPECT_FALSE(SelectedProperties().Contrast);
    EXPECT_EQ(SelectedProperties().Color, static_cast<TColor>(0xFF00000F));
    EXPECT_EQ(Panel().SwatchColor(), clBtnFace);
}

} // namespace
} // namespace kvx
