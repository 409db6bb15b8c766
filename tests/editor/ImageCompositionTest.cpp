// The composed picture of a large image is drawn in two bands on two threads; it must be
// exactly what one canvas on the whole image draws.
#include "editor/ImageComposition.h"
#include "model/AreaFromCoordinates.h"
#include "platform/QtCanvas.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
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

struct TCompositionCase {
    int Width;
    int Height;
    QImage::Format Format;
};

TEST(ImageComposition, TwoBandsGiveWhatOneCanvasOnTheWholeImageGives) {
    const TCompositionCase cases[] = {
        {1600, 1200, QImage::Format_RGB32},
        {1500, 1001, QImage::Format_RGB32}, // odd height: bands of unequal size
        {1400, 900, QImage::Format_ARGB32}, // copied through QPainter
        {300, 200, QImage::Format_RGB32},   // small: one band
    };
    for (const TCompositionCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Width << " x " << c.Height);
        const QImage source = Source(c.Width, c.Height, c.Format);
        TImageMap map;
        AddScatteredAreas(map, c.Width, c.Height);

        QImage expected = source.convertToFormat(QImage::Format_RGB32);
        {
            TQtCanvas canvas(expected);
            map.Draw(canvas);
        }
        QImage work(c.Width, c.Height, QImage::Format_RGB32);
        work.fill(Qt::green); // every pixel must be overwritten
        ComposeImage(source, work, map);
        ASSERT_EQ(work, expected);
        EXPECT_NE(work, source.convertToFormat(QImage::Format_RGB32)); // areas were drawn
    }
}

} // namespace
} // namespace kvx
