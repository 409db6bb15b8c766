// Undo and redo of every user action through the window's shortcuts, and the keys that take
// back a polygon's vertices while it is drawn.
#include "EditorTestSupport.h"

#include "editor/FocusControl.h"
#include "editor/MapEdits.h"
#include "editor/OverviewTree.h"
#include "editor/PropertyPanel.h"
#include "support/ScriptedDialogService.h"

#include <QApplication>
#include <QTest>
#include <functional>

namespace kvx {
namespace {

// What undo and redo must bring back: the definition's bytes, the selection, the tree and
// the area the panel shows.
struct TEditorPicture {
    std::string Html;
    std::int32_t Selected = 0;
    QStringList Tree;
    bool PanelEnabled = false;
    QString PanelLink;
    friend bool operator==(const TEditorPicture&, const TEditorPicture&) = default;
};

void PrintTo(const TEditorPicture& picture, std::ostream* out) {
    *out << picture.Html << " selected " << picture.Selected << " tree "
         << picture.Tree.join(QLatin1Char(' ')).toStdString() << " panel "
         << picture.PanelLink.toStdString();
}

class UndoRedo : public TEditorTest {
protected:
    void SetUp() override {
        TEditorTest::SetUp();
        OpenMap(400, 300);
        SetViewport(400, 300);
        ShowAndActivate();
        AddPolygon({200, 20, 300, 20, 250, 120});
        AddRectangle(10, 10, 100, 100);
        Main().Edits().Select(2);
    }
    TPropertyPanel& Panel() { return *Main().pclProperties; }

    TEditorPicture Picture() {
        TEditorPicture picture;
        Map().GetHtml(400, 300, true, false, picture.Html);
        picture.Selected = Map().SelectedId();
        for (const std::uint8_t kind : {akRectangle, akCircle, akPolygon}) {
            const QTreeWidgetItem* group = Main().trvOverview->GroupNode(kind);
            for (int i = 0; i < group->childCount(); ++i) {
                picture.Tree << QStringLiteral("%1:%2")
                                    .arg(TOverviewTree::NodeId(group->child(i)).value_or(-1))
                                    .arg(group->child(i)->text(0));
            }
        }
        picture.PanelEnabled = Panel().isEnabled();
        picture.PanelLink = picture.PanelEnabled ? Panel().inpLink->text() : QString();
        return picture;
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Main();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    void TypeIntoLink(const QString& text) {
        Panel().inpLink->setFocus();
        QApplication::processEvents();
        TypeText(Panel().inpLink, text);
        Panel().inpAlt->setFocus(); // leaving the box stores it
        QApplication::processEvents();
    }
    void EditCell(int row, const QString& text) {
        Panel().setCurrentWidget(Panel().tbsCoordinates);
        TCoordinatesGrid& grid = *Panel().strgrCoords;
        grid.setFocus();
        grid.setCurrentCell(row, 1);
        QApplication::processEvents();
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        TypeText(editor, text);
        TypeKey(editor, Qt::Key_Return, "\r");
    }
    void SelectRow(int row) {
        Panel().strgrCoords->clearSelection();
        Panel().strgrCoords->setRangeSelected(QTableWidgetSelectionRange(row, 1, row, 1), true);
    }
};

struct TActionCase {
    const char* Name;
    std::function<void(TScriptedDialogs&)> Do;
    // The tool the action uses, chosen by its shortcut before (0: the edit tool as it is).
    int ToolKey = 0;
};

TEST_F(UndoRedo, EveryActionIsOneStepThatTheShortcutsTakeBackAndBringAgain) {
    const std::vector<TActionCase> cases = {
        {"Rechteck zeichnen",
         [this](TScriptedDialogs&) {
             Drag({150, 150}, {200, 220});
         },
         Qt::Key_1},
        {"Kreis zeichnen",
         [this](TScriptedDialogs&) {
             Drag({300, 200}, {330, 200});
         },
         Qt::Key_2},
        {"Polygon zeichnen",
         [this](TScriptedDialogs&) {
             for (const QPoint p : {QPoint(20, 200), QPoint(80, 200), QPoint(50, 260)}) {
                 Click(p.x(), p.y());
             }
             Click(50, 260, Qt::RightButton);
         },
         Qt::Key_3},
        {"Verweisfläche verschieben",
         [this](TScriptedDialogs&) {
             Drag({50, 50}, {60, 70});
         }},
        {"Größe der Verweisfläche ändern",
         [this](TScriptedDialogs&) {
             Drag({100, 100}, {120, 130});
         }},
        {"Verweisfläche löschen",
         [this](TScriptedDialogs& dialogs) {
             dialogs.AnswerMessage(TMsgResult::Ok);
             Panel().btnDelLinkArea->click();
         }},
        {"Verweisfläche löschen",
         [this](TScriptedDialogs& dialogs) {
             Click(50, 50);
             dialogs.AnswerMessage(TMsgResult::Ok);
             Key(Qt::Key_Delete);
         }},
        {"Verweisfläche verschieben",
         [this](TScriptedDialogs&) {
             Click(50, 50);
             Key(Qt::Key_Right);
             Key(Qt::Key_Right);
             Key(Qt::Key_Down, Qt::ShiftModifier);
         }},
        {"Verweisfläche duplizieren",
         [this](TScriptedDialogs&) { Panel().btnCloneLinkArea->click(); }},
        {"Verweisfläche in den Vordergrund",
         [this](TScriptedDialogs& dialogs) {
             dialogs.AnswerMessage(TMsgResult::Ok);
             Panel().btnLinkAreaToFront->click();
         }},
        {"Umrissfarbe ändern",
         [this](TScriptedDialogs& dialogs) {
             dialogs.AnswerColor(QColor(255, 0, 0));
             Panel().btnSelectColor->click();
         }},
        {"Kontrastdarstellung ändern", [this](TScriptedDialogs&) { Panel().chkContrast->click(); }},
        {"Eigenschaften ändern", [this](TScriptedDialogs&) { TypeIntoLink("a.htm"); }},
        {"Koordinaten ändern", [this](TScriptedDialogs&) { EditCell(0, "42"); }},
        {"Koordinaten einfügen",
         [this](TScriptedDialogs&) {
             SelectRow(2);
             Panel().btnCopyCoords->click();
             SelectRow(1);
             Panel().btnPasteCoords->click();
         }},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const TActionCase& c = cases[i];
        SetUp(); // a fresh window for every action
        if (c.ToolKey != 0) {
            Key(c.ToolKey, Qt::ControlModifier); // the tool's choice is no step
        }
        const TEditorPicture before = Picture();
        EXPECT_FALSE(Main().mniUndo->isEnabled()) << c.Name;
        TScriptedDialogs dialogs;
        c.Do(dialogs);
        const TEditorPicture after = Picture();
        EXPECT_NE(after.Html, before.Html) << c.Name;
        EXPECT_TRUE(Main().Modified()) << c.Name;
        EXPECT_EQ(Main().mniUndo->text(), QStringLiteral("&Rückgängig: %1").arg(c.Name));
        EXPECT_EQ(Main().Edits().Stack().count(), 1) << c.Name;

        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Picture(), before) << c.Name;
        EXPECT_FALSE(Main().Modified()) << c.Name;
        EXPECT_EQ(Main().mniRedo->text(), QStringLiteral("&Wiederherstellen: %1").arg(c.Name));
        // Both redo keys: Ctrl+Shift+Z for every other action, Ctrl+Y for the rest.
        if (i % 2 == 0) {
            Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        } else {
            Key(Qt::Key_Y, Qt::ControlModifier);
        }
        EXPECT_EQ(Picture(), after) << c.Name;
        EXPECT_TRUE(Main().Modified()) << c.Name;
        TearDown();
    }
    SetUp();
}

TEST_F(UndoRedo, APressThatChangesNothingLeavesNoStepAndADragDisablesUndo) {
    Click(50, 50);
    EXPECT_EQ(Main().Edits().Stack().count(), 0);
    EXPECT_FALSE(Main().Modified());
    Drag({50, 50}, {60, 60});
    ASSERT_TRUE(Main().mniUndo->isEnabled());
    Press(60, 60);
    MoveTo(70, 70);
    EXPECT_FALSE(Main().mniUndo->isEnabled());
    EXPECT_FALSE(Main().tbtUndo->isEnabled());
    Release(70, 70);
    EXPECT_TRUE(Main().tbtUndo->isEnabled());
}

TEST_F(UndoRedo, BackspaceAndCtrlZTakeBackPolygonVerticesAndEscapeDropsThePolygon) {
    const std::string start = Picture().Html;
    Key(Qt::Key_3, Qt::ControlModifier);
    for (const QPoint p : {QPoint(20, 200), QPoint(80, 200), QPoint(50, 260)}) {
        Click(p.x(), p.y());
    }
    const auto fixedValues = [this] {
        Strings values = Values(SelectedProperties());
        values.resize(values.size() - 2); // the rubber band's point
        return values;
    };
    Key(Qt::Key_Backspace);
    EXPECT_EQ(fixedValues(), Strings({"20", "200", "80", "200"}));
    EXPECT_EQ(Main().mniUndo->text(), "&Rückgängig: Eckpunkt setzen");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(fixedValues(), Strings({"20", "200"}));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Picture().Html, start) << "with only the first vertex left, the polygon goes";
    EXPECT_EQ(Main().trvOverview->GroupNode(akPolygon)->childCount(), 1);

    Click(20, 200);
    Click(80, 200);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Picture().Html, start);
    EXPECT_EQ(Main().Edits().Stack().count(), 0);
    EXPECT_FALSE(Main().Modified());
}

} // namespace
} // namespace kvx
