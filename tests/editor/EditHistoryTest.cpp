// The undo history of the edit layer: random edits on random maps, all undone and redone,
// with the tree, the view's picture and the unsaved-changes state checked at every step.
#include "EditorTestSupport.h"

#include "editor/DisplayView.h"
#include "editor/ImageComposition.h"
#include "editor/MapEdits.h"
#include "editor/OverviewTree.h"
#include "model/AreaFromCoordinates.h"

#include <random>

namespace kvx {
namespace {

class EditHistory : public TEditorTest {
protected:
    std::mt19937 Random;

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Random); }
    TMapEdits& Edits() { return Main().Edits(); }

    std::string Html() {
        std::string html;
        Map().GetHtml(400, 300, true, false, html);
        return html;
    }

    // A map read from a file: random areas of every shape on a 400 x 300 image.
    void ReadRandomMap() {
        TMapReadResult read;
        read.Map = std::make_unique<TImageMap>();
        read.Map->Name = "karte";
        read.Bitmaps.SourceBitmap = QImage(400, 300, QImage::Format_RGB32);
        read.Bitmaps.SourceBitmap.fill(Qt::white);
        for (int i = Between(0, 30); i > 0; --i) {
            const auto kind = static_cast<std::uint8_t>(Between(akRectangle, akPolygon));
            std::vector<std::int32_t> coords;
            for (int n = kind == akCircle      ? 3
                         : kind == akRectangle ? 4
                                               : Between(2, 5) * 2;
                 n > 0; --n) {
                coords.push_back(Between(0, 380));
            }
            AddAreaFromCoordinates(*read.Map, kind, coords);
        }
        read.Map->ClearSelection();
        Main().ShowReadMap(std::move(read));
    }

    // A point of a random area (a vertex or corner, or a circle's centre) and its id.
    std::pair<std::int32_t, QPoint> SomeArea() {
        const auto& entry = Map().Entries()[static_cast<std::size_t>(
            Between(0, static_cast<int>(Map().Entries().size()) - 1))];
        TLinkAreaProperties props;
        entry.Area->GetProperties(props);
        return {entry.Id, QPoint(std::stoi(props.Coords[1]), std::stoi(props.Coords[3]))};
    }

    void RandomEdit() {
        std::string status;
        const int action = Map().Entries().empty() ? 0 : Between(0, 7);
        if (action == 0) {
            const auto kind = static_cast<std::uint8_t>(Between(akRectangle, akPolygon));
            Edits().BeginDrawing(kind, QPoint(Between(0, 399), Between(0, 299)), status);
            for (int i = kind == akPolygon ? Between(1, 4) : 1; i > 0; --i) {
                const QPoint p(Between(0, 399), Between(0, 299));
                Edits().DragDrawing(p, status);
                if (kind == akPolygon) {
                    Edits().FixPolygonVertex(p, status);
                }
            }
            Edits().FinishGesture();
            return;
        }
        const auto [id, point] = SomeArea();
        Edits().Select(id);
        TLinkAreaProperties props;
        Map().GetSelectedProperties(props);
        switch (action) {
        case 1:
        case 2: {
            const THitResult grip = Edits().Grab(TPointer::AtPixel(point.x(), point.y()), status);
            if (grip != hrNone) {
                Edits().DragGrabbed(grip, point, point + QPoint(Between(-9, 9), Between(-9, 9)),
                                    status);
                Edits().FinishGesture();
            }
            break;
        }
        case 3:
            props.Href = Between(0, 1) ? "" : "seite" + std::to_string(Between(0, 9)) + ".htm";
            props.Contrast = Between(0, 1) == 1;
            props.Color = Between(0, 0xFFFFFF);
            props.Coords[1] = std::to_string(Between(0, 399));
            Edits().StoreArea(props);
            break;
        case 4:
            Edits().DeleteSelected();
            break;
        case 5:
            Edits().DuplicateSelected();
            break;
        case 6:
            Edits().BringSelectedToFront();
            break;
        default: {
            TMapFields fields = Edits().Fields();
            fields.Name = "karte" + std::to_string(Between(0, 3));
            fields.Border = std::to_string(Between(0, 2));
            Edits().ChangeMapProperties(fields);
            break;
        }
        }
    }

    // The view shows what composing the whole view anew gives, even where only the part of a
    // moved selection was composed again.
    void ExpectViewAgrees(const std::string& where) {
        const QImage& shown = Main().pbxDisplay->BackBuffer();
        ASSERT_EQ(shown.size(), Main().pbxDisplay->size()) << where;
        const TEditorState& state = Main().State();
        QImage fresh(shown.size(), QImage::Format_RGB32);
        ComposeView(Main().Document().SourceBitmap, fresh, Map(),
                    {state.ViewOrigin, state.VisibleImageSize, double{state.ZoomFactor}});
        ASSERT_TRUE(shown == fresh) << where;
    }

    // Every area has its node with its text in its shape's group, and there are no others.
    void ExpectTreeAgrees(const std::string& where) {
        int nodes = 0;
        for (const std::uint8_t kind : {akRectangle, akCircle, akPolygon}) {
            nodes += Main().trvOverview->GroupNode(kind)->childCount();
        }
        ASSERT_EQ(static_cast<std::size_t>(nodes), Map().Entries().size()) << where;
        for (const TLinkAreaEntry& entry : Map().Entries()) {
            TLinkAreaProperties props;
            entry.Area->GetProperties(props);
            const QTreeWidgetItem* node = Main().trvOverview->FindAreaNode(props.Kind, entry.Id);
            ASSERT_NE(node, nullptr) << where;
            EXPECT_EQ(node->text(0), AreaNodeText(props.Kind, props.Href, props.Coords)) << where;
        }
    }
};

TEST_F(EditHistory, RandomEditsAreUndoneAndRedoneToTheSameBytes) {
    SetViewport(400, 300);
    for (const unsigned seed : {1U, 2U, 3U}) {
        Random.seed(seed);
        ReadRandomMap();
        const std::string start = Html();
        QUndoStack& stack = Edits().Stack();
        // The history's index that was saved last; -1 once no undo or redo reaches it.
        int saved = 0;
        std::string savedHtml = start;
        const auto check = [&](const std::string& where) {
            ExpectTreeAgrees(where);
            ExpectViewAgrees(where);
            EXPECT_EQ(Main().Modified(), stack.index() != saved) << where;
            if (stack.index() == saved) {
                EXPECT_EQ(Html(), savedHtml) << where;
            }
        };
        for (int edit = 0; edit < 1000; ++edit) {
            const int before = stack.index();
            RandomEdit();
            if (stack.index() != before && saved > before) {
                saved = -1; // the steps after the one edited on are gone
            }
            if (Between(0, 50) == 0) {
                Edits().MarkSaved();
                saved = stack.index();
                savedHtml = Html();
            }
            ASSERT_NO_FATAL_FAILURE(check("edit " + std::to_string(edit)));
        }
        const std::string final = Html();
        while (stack.canUndo()) {
            stack.undo();
            ASSERT_NO_FATAL_FAILURE(check("undo to " + std::to_string(stack.index())));
        }
        EXPECT_EQ(Html(), start) << seed;
        while (stack.canRedo()) {
            stack.redo();
            ASSERT_NO_FATAL_FAILURE(check("redo to " + std::to_string(stack.index())));
        }
        EXPECT_EQ(Html(), final) << seed;
    }
}

} // namespace
} // namespace kvx
