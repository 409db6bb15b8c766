// The view's picture: at 100 % exactly the part of the image that drawing on the whole image
// gives; at other zooms outlines one view pixel wide and handles of 8 x 8 view pixels.
#include "editor/ImageComposition.h"
#include "model/AreaFromCoordinates.h"
#include "model/Pointer.h"
#include "platform/QtCanvas.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace kvx {
namespace {

// Areas of every shape scattered over an image of the given size, many across its middle
// rows, half of them in contrast mode, the last one selected with its handles.
void AddScatteredAreas(TImageMap& map, int width, int height) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(-100, width + 100);
    std::uniform_int_distribution<int> y(height / 2 - 300, height / 2 + 300);
    std::uniform_int_distribution<int> size(1, 400);
    const auto add = [&](std::uint8_t kind, int left, int top, int right, int bottom,
                         bool contrast) {
        // A circle's radius as a drag from the centre to (right, bottom) gives it.
        const int radius =
            std::abs(right - left) >= std::abs(bottom - top) ? right - left : bottom - top;
        AddAreaFromCoordinates(
            map, kind,
            kind == akRectangle ? std::vector<std::int32_t>{left, top, right, bottom}
            : kind == akCircle
                ? std::vector<std::int32_t>{left, top, radius}
                : std::vector<std::int32_t>{left, top, right, bottom, left, bottom + 50});
        TLinkAreaProperties props;
        map.GetSelectedProperties(props);
        props.Contrast = contrast;
        props.Color = 0x3366CC;
        map.SetSelectedProperties(props);
    };
    for (int i = 0; i < 150; ++i) {
        const int left = x(random);
        const int top = y(random);
        add(static_cast<std::uint8_t>(akRectangle + i % 3), left, top, left + size(random),
            top + size(random), i % 2 == 0);
    }
    // Huge shapes, far beyond the image, crossing both halves.
    add(akCircle, width / 2, height / 2, width / 2 + 9000, height / 2, true);
    add(akRectangle, -50000, -40000, width + 30000, height / 2 + 1, false);
    add(akPolygon, -100000, height / 2 + 3, width + 100000, height / 2 - 2, false);
}

QImage Source(int width, int height, QImage::Format format) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(11);
    for (int row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < width; ++column) {
            line[column] = 0xFF000000U | (random() & 0xFFFFFFU);
        }
    }
    return image.convertToFormat(format);
}

// The noisy 1600 x 1200 image with the scattered areas, which the cut-out tests compose.
struct TScatteredScene {
    static constexpr int Width = 1600;
    static constexpr int Height = 1200;
    const QImage Image = Source(Width, Height, QImage::Format_RGB32);
    TImageMap Map;
    TScatteredScene() { AddScatteredAreas(Map, Width, Height); }
};

struct TCutOutCase {
    QPoint Origin;
    QSize View;
};

TEST(ImageComposition, ViewAtFullSizeIsTheWholeImageDrawingCutOut) {
    TScatteredScene scene;
    const int height = TScatteredScene::Height;
    const QImage& source = scene.Image;
    TImageMap& map = scene.Map;
    QImage whole = source;
    {
        TQtCanvas canvas(whole);
        map.Draw(canvas);
    }
    ASSERT_NE(whole, source); // areas were drawn
    const TCutOutCase cases[] = {
        {{0, 0}, {800, 600}},
        {{333, 517}, {701, 443}},          // odd origin and size: the dots keep their places
        {{900, 600}, {700, 600}},          // up to the bottom-right corner
        {{1, height / 2 - 5}, {1599, 11}}, // a thin band through the huge shapes
    };
    for (const TCutOutCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Origin.x() << "," << c.Origin.y());
        QImage view(c.View, QImage::Format_RGB32);
        view.fill(Qt::green); // every pixel must be overwritten
        ComposeView(source, view, map, {c.Origin, c.View, 1.0});
        ASSERT_EQ(view, whole.copy(QRect(c.Origin, c.View)));
    }
}

// The view pixels of colour in row or column `line` of view, from `from` to `to` (exclusive).
std::vector<int> Marked(const QImage& view, bool row, int line, int from, int to, QRgb colour) {
    std::vector<int> found;
    for (int i = from; i < to; ++i) {
        if (view.pixel(row ? i : line, row ? line : i) == colour) {
            found.push_back(i);
        }
    }
    return found;
}

TEST(ImageComposition, OutlinesStayOnePixelWideAndHandlesKeepTheirSizeAtEveryZoom) {
    constexpr QRgb blue = 0xFF0000FF;
    constexpr QRgb black = 0xFF000000;
    QImage source(800, 600, QImage::Format_RGB32);
    source.fill(Qt::white);
    TImageMap map;
    for (const auto& coords : {std::vector<std::int32_t>{500, 100, 700, 500},    // dotted
                               std::vector<std::int32_t>{100, 100, 400, 400}}) { // selected
        AddAreaFromCoordinates(map, akRectangle, coords);
        TLinkAreaProperties props;
        map.GetSelectedProperties(props);
        props.Contrast = false;
        props.Color = 0xFF0000; // blue as 0x00BBGGRR
        map.SetSelectedProperties(props);
        map.SelectById(map.LastId());
    }
    for (const double scale : {0.25, 1.0, 4.0}) {
        SCOPED_TRACE(::testing::Message() << scale * 100 << " %");
        const auto at = [scale](std::int64_t c) {
            return static_cast<int>(ViewCoordinate(c, 0, scale));
        };
        const QSize size(static_cast<int>(800 * scale), static_cast<int>(600 * scale));
        QImage view(size, QImage::Format_RGB32);
        ComposeView(source, view, map, {{0, 0}, source.size(), scale});

        // The selected rectangle's two sides, each one view pixel wide, through the middle of
        // the image pixels they mark.
        EXPECT_EQ(Marked(view, true, at(150), 0, at(450), blue),
                  (std::vector<int>{at(100), at(399)}));
        // Its corner handle: 8 x 8 view pixels with a black border around its centre.
        const int hx = at(100);
        const int hy = at(100);
        EXPECT_EQ(Marked(view, true, hy - HandleReach, hx - 8, hx + 8, black).size(), 8u);
        EXPECT_EQ(Marked(view, false, hx - HandleReach, hy - 8, hy + 8, black).size(), 8u);
        EXPECT_EQ(view.pixel(hx, hy), 0xFFFFFFFFU);
        // The dotted outline of the other: every third view pixel of its side, so still seen
        // at a quarter.
        const std::vector<int> dots = Marked(view, false, at(500), at(100), at(500), blue);
        const int side = at(499) - at(100) + 1;
        EXPECT_GE(dots.size(), static_cast<std::size_t>(side / 3 - 1));
        EXPECT_LE(dots.size(), static_cast<std::size_t>(side / 3 + 1));
    }
}

TEST(ImageComposition, ShapesAtTheEndsOfTheCoordinateRangeDrawTheirVisiblePartAtEveryZoom) {
    constexpr std::int32_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t high = std::numeric_limits<std::int32_t>::max();
    QImage source(400, 300, QImage::Format_RGB32);
    source.fill(Qt::white);
    const struct {
        std::uint8_t Kind;
        std::vector<std::int32_t> Coords;
    } cases[] = {
        // Coordinates within 0 .. 74 are seen at every zoom (400 % shows 100 x 75 pixels).
        {akRectangle, {low, 20, high, 60}},         // top and bottom seen, sides far away
        {akCircle, {50, 40, high}},                 // its arc never comes near
        {akCircle, {50, high - 1000, high - 1030}}, // the top of its arc runs through row 30
        {akPolygon, {low, 50, high, 50, 0, high}},  // an edge across the whole image
    };
    for (const auto& c : cases) {
        for (const double scale : {0.25, 1.0, 4.0}) {
            SCOPED_TRACE(::testing::Message() << int{c.Kind} << " at " << scale * 100 << " %");
            TImageMap map;
            AddAreaFromCoordinates(map, c.Kind, c.Coords);
            map.ClearSelection();
            const QSize visible(static_cast<int>(400 / std::max(scale, 1.0)),
                                static_cast<int>(300 / std::max(scale, 1.0)));
            QImage view(static_cast<int>(visible.width() * scale),
                        static_cast<int>(visible.height() * scale), QImage::Format_RGB32);
            ComposeView(source, view, map, {{0, 0}, visible, scale});
            int drawn = 0;
            for (int y = 0; y < view.height(); ++y) {
                for (int x = 0; x < view.width(); ++x) {
                    drawn += view.pixel(x, y) != 0xFFFFFFFFU ? 1 : 0;
                }
            }
            const bool seen = !(c.Kind == akCircle && c.Coords[1] == 40);
            EXPECT_EQ(drawn > 0, seen);
        }
    }
}

TEST(ImageComposition, AMovedSelectionComposedInItsPartGivesTheWholeComposition) {
    TScatteredScene scene;
    const int height = TScatteredScene::Height;
    const QImage& source = scene.Image;
    TImageMap& map = scene.Map;
    const auto& entries = map.Entries();
    const std::int32_t last = entries.back().Id; // the huge polygon
    // Selections moving between ordinary areas, from and to none, and to a huge shape.
    const std::pair<std::int32_t, std::int32_t> moves[] = {{entries[10].Id, entries[11].Id},
                                                           {entries[40].Id, entries[97].Id},
                                                           {0, entries[5].Id},
                                                           {entries[5].Id, 0},
                                                           {entries[20].Id, last},
                                                           {last, entries[151].Id}};
    int moved = 0;
    for (const double scale : {0.25, 0.5, 1.0, 1.5, 4.0}) {
        // Within the image at every zoom, as a view always is.
        const QSize viewSize(300, 200);
        const TViewPlacement placement{{350, height / 2 - 200},
                                       QSize(static_cast<int>(viewSize.width() / scale),
                                             static_cast<int>(viewSize.height() / scale)),
                                       scale};
        for (const auto& [from, to] : moves) {
            SCOPED_TRACE(::testing::Message() << scale * 100 << " %, " << from << " -> " << to);
            const auto select = [&map](std::int32_t id) {
                map.ClearSelection();
                map.SelectById(id);
            };
            QImage view(viewSize, QImage::Format_RGB32);
            select(from);
            ComposeView(source, view, map, placement);
            const QImage before = view;
            select(to);
            const QRect part =
                AreaViewReach(map, from, placement) | AreaViewReach(map, to, placement);
            ComposeViewPart(source, view, map, placement, part);
            QImage whole(viewSize, QImage::Format_RGB32);
            ComposeView(source, whole, map, placement);
            ASSERT_TRUE(view == whole);
            moved += before == whole ? 0 : 1;
        }
    }
    EXPECT_GE(moved, 10); // many moves change what the view shows
}

} // namespace
} // namespace kvx
