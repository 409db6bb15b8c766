// The keys of the view: arrows move the selected area, Delete deletes it after the question;
// a text field keeps its own keys.
#include "EditorTestSupport.h"

#include "editor/MapEdits.h"
#include "editor/PropertyPanel.h"
#include "support/ScriptedDialogService.h"

#include <QApplication>
#include <QTest>

namespace kvx {
namespace {

class ViewKeys : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        OpenMap(400, 300);
        SetViewport(400, 300);
        ShowAndActivate();
        AddCircle(300, 200, 20);
        AddRectangle(10, 20, 110, 80);
        Key(Qt::Key_4, Qt::ControlModifier);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Main();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    Strings ValuesOf(std::int32_t id) {
        const std::int32_t selected = Map().SelectedId();
        Map().SelectById(id);
        Strings values = Values(SelectedProperties());
        Map().SelectById(selected);
        return values;
    }
};

struct TKeyCase {
    const char* Name;
    // Clicks (view points) and keys in the order given; a click at {-1, -1} puts the focus
    // into the link field instead.
    std::vector<std::pair<QPoint, std::pair<int, Qt::KeyboardModifiers>>> Input;
    Strings Rectangle;
    Strings Circle;
    int Steps;
};

TEST_F(ViewKeys, ArrowsMoveTheSelectedAreaAndPressesInARowAreOneStep) {
    const Strings rect = {"10", "20", "110", "80"};
    const Strings circle = {"300", "200", "20"};
    const auto key = [](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        return std::pair{QPoint(), std::pair{k, m}};
    };
    const auto click = [](int x, int y) {
        return std::pair{QPoint(x, y), std::pair{0, Qt::KeyboardModifiers()}};
    };
    const std::vector<TKeyCase> cases = {
        {"one pixel each way",
         {click(50, 50), key(Qt::Key_Right), key(Qt::Key_Right), key(Qt::Key_Up)},
         {"12", "19", "112", "79"},
         circle,
         1},
        {"ten with Shift",
         {click(50, 50), key(Qt::Key_Left, Qt::ShiftModifier),
          key(Qt::Key_Down, Qt::ShiftModifier)},
         {"0", "30", "100", "90"},
         circle,
         1},
        {"a circle moves its centre",
         {click(300, 200), key(Qt::Key_Down), key(Qt::Key_Left, Qt::ShiftModifier)},
         rect,
         {"290", "201", "20"},
         1},
        {"another area starts another step",
         {click(50, 50), key(Qt::Key_Right), click(300, 200), key(Qt::Key_Right)},
         {"11", "20", "111", "80"},
         {"301", "200", "20"},
         2},
        {"back where it was leaves no step",
         {click(50, 50), key(Qt::Key_Right), key(Qt::Key_Left)},
         rect,
         circle,
         0},
        {"not in a text field",
         {click(50, 50), click(-1, -1), key(Qt::Key_Left), key(Qt::Key_Delete)},
         rect,
         circle,
         0},
    };
    for (const TKeyCase& c : cases) {
        SetUp();
        const TScriptedDialogs dialogs; // a question here would be a fault, not a hang
        for (const auto& [point, press] : c.Input) {
            if (press.first != 0) {
                Key(press.first, press.second);
            } else if (point.x() < 0) {
                Main().pclProperties->inpLink->setFocus();
                QApplication::processEvents();
            } else {
                Click(point.x(), point.y());
            }
        }
        EXPECT_EQ(ValuesOf(1), c.Circle) << c.Name;
        EXPECT_EQ(ValuesOf(2), c.Rectangle) << c.Name;
        EXPECT_EQ(Main().Edits().Stack().count(), c.Steps) << c.Name;
        EXPECT_EQ(Main().Modified(), c.Steps > 0) << c.Name;
        EXPECT_TRUE(dialogs.MessageTexts().empty()) << c.Name;
        for (int i = 0; i < c.Steps; ++i) {
            Key(Qt::Key_Z, Qt::ControlModifier);
        }
        EXPECT_EQ(ValuesOf(1), circle) << c.Name;
        EXPECT_EQ(ValuesOf(2), rect) << c.Name;
        TearDown();
    }
    SetUp();
}

TEST_F(ViewKeys, DeleteAsksAsTheButtonDoes) {
    for (const TMsgResult answer : {TMsgResult::Cancel, TMsgResult::Ok}) {
        SetUp();
        Click(50, 50);
        TScriptedDialogs dialogs;
        dialogs.AnswerMessage(answer);
        Key(Qt::Key_Delete);
        EXPECT_EQ(
            dialogs.MessageTexts(),
            std::vector<QString>({"Soll die aktive Verweisfläche wirklich gelöscht werden?"}));
        EXPECT_EQ(Map().Entries().size(), answer == TMsgResult::Ok ? 1u : 2u);
        TearDown();
    }
    SetUp();
}

} // namespace
} // namespace kvx
