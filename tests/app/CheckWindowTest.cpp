// "Karte prüfen" (F7): the window lists the open map's findings, follows every change made
// through the edit layer, and a double-click on a finding selects its area.
#include "CommandsTestSupport.h"

#include "app/FrmCheckResults.h"
#include "editor/MapEdits.h"
#include "editor/OverviewTree.h"

#include <QApplication>
#include <QTreeWidget>

namespace kvx::test {
namespace {

class CheckWindow : public TCommandsTest {
protected:
    // The rule column of every row, in order.
    QStringList Rules() {
        QApplication::processEvents();
        QStringList rules;
        const QTreeWidget& list = *Commands().CheckResults().lstFindings;
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            rules << list.topLevelItem(row)->text(3);
        }
        return rules;
    }
};

TEST_F(CheckWindow, ListsTheFindingsAndFollowsEveryChange) {
    CreateMap(QSize(200, 100));
    Main().mniCheckMap->trigger();
    ASSERT_TRUE(Commands().CheckResults().isVisible());
    EXPECT_EQ(Rules(), QStringList{"img-alt-missing"});

    // A small area without description; the window follows without being asked.
    DrawRectangle(10, 10, 20, 20, "#");
    EXPECT_EQ(Rules(), (QStringList{"img-alt-missing", "area-alt-missing", "target-too-small",
                                    "link-placeholder"}));
    // Undone (its link, then the drawing), the area's findings go with it.
    Main().Edits().Stack().undo();
    Main().Edits().Stack().undo();
    EXPECT_EQ(Rules(), QStringList{"img-alt-missing"});
}

TEST_F(CheckWindow, ADoubleClickOnAFindingSelectsItsArea) {
    CreateMap(QSize(200, 100));
    DrawRectangle(10, 10, 60, 60, "a.htm");
    DrawRectangle(100, 10, 150, 60, "#");
    Main().mniCheckMap->trigger();
    QTreeWidget& list = *Commands().CheckResults().lstFindings;
    Rules();
    const QList<QTreeWidgetItem*> placeholder =
        list.findItems("link-placeholder", Qt::MatchExactly, 3);
    ASSERT_EQ(placeholder.size(), 1);
    emit list.itemDoubleClicked(placeholder.front(), 0);
    ASSERT_TRUE(Map().HasSelection());
    EXPECT_EQ(
        Map().Entries()[static_cast<std::size_t>(Map().IndexOf(Map().SelectedId()))].Area->Href,
        "#");
    EXPECT_EQ(TOverviewTree::NodeId(Main().trvOverview->HighlightedNode()), Map().SelectedId());
}

} // namespace
} // namespace kvx::test
