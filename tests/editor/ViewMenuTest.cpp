// The view's context menu and the vertices of finished polygons: a double-click on an edge
// inserts one, the menu inserts and deletes them and acts on the area under the pointer.
#include "EditorTestSupport.h"

#include "editor/DisplayView.h"
#include "editor/MapEdits.h"
#include "support/ScriptedDialogService.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace kvx {
namespace {

class ViewMenu : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        OpenMap(400, 300);
        SetViewport(400, 300);
        ShowAndActivate();
        AddRectangle(10, 10, 100, 100);                     // 1
        AddPolygon({200, 20, 300, 20, 300, 120, 200, 120}); // 2
        AddPolygon({20, 200, 120, 200, 70, 280});           // 3
        QTest::keyClick(&Main(), Qt::Key_4, Qt::ControlModifier);
    }
    // Opens the menu at view point at and chooses choice when it is enabled (else closes
    // it); the entries shown, a disabled one with a leading "-".
    std::vector<QString> OpenMenu(QPoint at, const QString& choice) {
        auto shown = std::make_shared<std::vector<QString>>();
        QTimer::singleShot(0, [shown, choice] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                ADD_FAILURE() << "no menu";
                return;
            }
            QAction* pick = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator() || !action->isVisible()) {
                    continue;
                }
                shown->push_back((action->isEnabled() ? "" : "-") + action->text());
                if (action->text() == choice && action->isEnabled()) {
                    pick = action;
                }
            }
            if (pick != nullptr) {
                menu->setActiveAction(pick);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, Main().pbxDisplay->mapToGlobal(at));
        QApplication::sendEvent(Main().pbxDisplay, &event);
        return *shown;
    }
    Strings ValuesOf(std::int32_t id) {
        Main().Edits().Select(id);
        return Values(SelectedProperties());
    }
};

struct TMenuCase {
    const char* Name;
    QPoint At;
    // The menu entry chosen; empty: a double-click at At instead.
    QString Choice;
    std::vector<QString> Shown;
    // The step made (empty: none), the area then selected and its values.
    QString Step;
    std::int32_t Selected;
    Strings After;
};

TEST_F(ViewMenu, EveryEntryAndTheDoubleClickOnAnEdgeAreOneStepEach) {
    const std::vector<QString> areaEntries = {"Duplizieren", "Löschen", "In den Vordergrund"};
    const std::vector<QString> square = {"Duplizieren", "Löschen", "In den Vordergrund",
                                         "Punkt einfügen", "-Punkt löschen"};
    const std::vector<TMenuCase> cases = {
        {"double-click on an edge",
         {250, 20},
         {},
         {},
         "Punkt einfügen",
         2,
         {"200", "20", "250", "20", "300", "20", "300", "120", "200", "120"}},
        {"double-click on a vertex", {300, 20}, {}, {}, {}, 2, {}},
        {"insert from the menu",
         {301, 70},
         "Punkt einfügen",
         square,
         "Punkt einfügen",
         2,
         {"200", "20", "300", "20", "301", "70", "300", "120", "200", "120"}},
        {"delete a vertex",
         {298, 122},
         "Punkt löschen",
         {"Duplizieren", "Löschen", "In den Vordergrund", "-Punkt einfügen", "Punkt löschen"},
         "Punkt löschen",
         2,
         {"200", "20", "300", "20", "200", "120"}},
        {"never below three vertices",
         {20, 200},
         "Punkt löschen",
         {"Duplizieren", "Löschen", "In den Vordergrund", "-Punkt einfügen", "-Punkt löschen"},
         {},
         3,
         {}},
        {"duplicate",
         {50, 50},
         "Duplizieren",
         areaEntries,
         "Verweisfläche duplizieren",
         4,
         {"20", "20", "110", "110"}},
        {"delete", {50, 50}, "Löschen", areaEntries, "Verweisfläche löschen", 0, {}},
        {"to front",
         {60, 230},
         "In den Vordergrund",
         {"Duplizieren", "Löschen", "In den Vordergrund", "-Punkt einfügen", "-Punkt löschen"},
         "Verweisfläche in den Vordergrund",
         3,
         {}},
        {"empty space",
         {380, 280},
         "Duplizieren",
         {"-Duplizieren", "-Löschen", "-In den Vordergrund"},
         {},
         0,
         {}},
    };
    for (const TMenuCase& c : cases) {
        SetUp();
        std::string before;
        Map().GetHtml(400, 300, true, false, before);
        TScriptedDialogs dialogs;
        if (c.Choice == "Löschen" || c.Choice == "In den Vordergrund") {
            dialogs.AnswerMessage(TMsgResult::Ok); // the question of the panel's button
        }
        if (c.Choice.isEmpty()) {
            DoubleClick(c.At.x(), c.At.y());
        } else {
            EXPECT_EQ(OpenMenu(c.At, c.Choice), c.Shown) << c.Name;
        }
        EXPECT_EQ(Main().Edits().Stack().count(), c.Step.isEmpty() ? 0 : 1) << c.Name;
        EXPECT_EQ(Main().Edits().Stack().undoText(), c.Step) << c.Name;
        EXPECT_EQ(Map().SelectedId(), c.Selected) << c.Name;
        if (!c.After.empty()) {
            EXPECT_EQ(Values(SelectedProperties()), c.After) << c.Name;
        }
        if (!c.Step.isEmpty()) {
            Main().mniUndo->trigger();
            std::string undone;
            Map().GetHtml(400, 300, true, false, undone);
            EXPECT_EQ(undone, before) << c.Name;
        }
        TearDown();
    }
    SetUp();
}

TEST_F(ViewMenu, NoMenuWhileAPolygonIsDrawnSoTheRightButtonEndsIt) {
    QTest::keyClick(&Main(), Qt::Key_3, Qt::ControlModifier);
    Click(150, 200);
    Click(250, 200);
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (auto* menu = QApplication::activePopupWidget()) {
            opened = true;
            menu->close();
        }
    });
    Press(250, 260, Qt::RightButton);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(250, 260),
                            Main().pbxDisplay->mapToGlobal(QPoint(250, 260)));
    QApplication::sendEvent(Main().pbxDisplay, &event);
    Release(250, 260, Qt::RightButton);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(Main().Edits().Stack().undoText(), "Polygon zeichnen");
    EXPECT_EQ(Values(SelectedProperties()), Strings({"150", "200", "250", "200"}));
}

} // namespace
} // namespace kvx
