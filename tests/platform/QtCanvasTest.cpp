#include "platform/QtCanvas.h"
#include "CanvasPixels.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>

namespace kvx {
namespace {

using test::TPixelSet;

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

using test::Drawn;

TEST(QtCanvas, RectangleOutlinesItsBoxWithExclusiveRightAndBottom) {
    const QImage image = Drawn(200, 120, [](TCanvas& c) { c.Rectangle(10, 20, 110, 80); });
    EXPECT_EQ(test::PixelsOfColor(image, Black), test::BoxOutline(10, 20, 110, 80));
    const QImage inverted = Drawn(200, 120, [](TCanvas& c) { c.Rectangle(110, 80, 10, 20); });
    EXPECT_EQ(inverted, image);
}

TEST(QtCanvas, EmptyAndTinyRectangles) {
    const QImage blank = test::FilledImage(20, 20);
    EXPECT_EQ(Drawn(20, 20, [](TCanvas& c) { c.Rectangle(5, 5, 5, 15); }), blank);
    EXPECT_EQ(Drawn(20, 20, [](TCanvas& c) { c.Rectangle(5, 5, 15, 5); }), blank);
    EXPECT_EQ(
        test::PixelsOfColor(Drawn(20, 20, [](TCanvas& c) { c.Rectangle(5, 5, 6, 6); }), Black),
        (TPixelSet{{5, 5}}));
    EXPECT_EQ(
        test::PixelsOfColor(Drawn(20, 20, [](TCanvas& c) { c.Rectangle(5, 5, 6, 9); }), Black),
        (TPixelSet{{5, 5}, {5, 6}, {5, 7}, {5, 8}}));
}

TEST(QtCanvas, FilledRectangleIsAHandleSquare) {
    QImage image = test::FilledImage(100, 100, qRgb(128, 128, 128));
    {
        TQtCanvas canvas(image);
        canvas.SetPenStyle(TPenStyle::psSolid);
        canvas.SetPenColor(clBlack);
        canvas.SetBrushColor(clWhite);
        canvas.SetBrushStyle(TBrushStyle::bsSolid);
        canvas.Rectangle(46, 46, 54, 54);
    }
    for (int y = 40; y < 60; ++y) {
        for (int x = 40; x < 60; ++x) {
            const bool inSquare = x >= 46 && x <= 53 && y >= 46 && y <= 53;
            const bool onBorder = inSquare && (x == 46 || x == 53 || y == 46 || y == 53);
            const QRgb expected = onBorder ? Black : (inSquare ? White : qRgb(128, 128, 128));
            ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(QtCanvas, PenColourCodesAreBlueGreenRed) {
    const QImage red = Drawn(20, 20, [](TCanvas& c) {
        c.SetPenColor(0x0000FF);
        c.Rectangle(2, 2, 10, 10);
    });
    EXPECT_EQ(red.pixel(2, 2), qRgb(255, 0, 0));
    const QImage blue = Drawn(20, 20, [](TCanvas& c) {
        c.SetPenColor(0xFF0000);
        c.MoveTo(0, 0);
        c.LineTo(5, 0);
    });
    EXPECT_EQ(blue.pixel(0, 0), qRgb(0, 0, 255));
}

// The outline of [left, right) x [top, bottom) clockwise from the top-left corner.
std::vector<std::pair<int, int>> OutlineWalk(int left, int top, int right, int bottom) {
    std::vector<std::pair<int, int>> walk;
    for (int x = left; x < right; ++x) {
        walk.emplace_back(x, top);
    }
    for (int y = top + 1; y < bottom; ++y) {
        walk.emplace_back(right - 1, y);
    }
    for (int x = right - 2; x >= left; --x) {
        walk.emplace_back(x, bottom - 1);
    }
    for (int y = bottom - 2; y > top; --y) {
        walk.emplace_back(left, y);
    }
    return walk;
}

TEST(QtCanvas, DottedRectangleRunsOneOnTwoOffAroundTheCorners) {
    const QImage image = Drawn(
        40, 30, [](TCanvas& c) { c.Rectangle(10, 10, 20, 16); }, TPenStyle::psDot);
    TPixelSet expected;
    const auto walk = OutlineWalk(10, 10, 20, 16);
    for (std::size_t i = 0; i < walk.size(); i += 3) {
        expected.insert(walk[i]);
    }
    EXPECT_EQ(test::PixelsOfColor(image, Black), expected);
    const QImage solid = Drawn(40, 30, [](TCanvas& c) { c.Rectangle(10, 10, 20, 16); });
    EXPECT_EQ(test::PixelsOfColor(solid, Black).size(), walk.size());
}

TEST(QtCanvas, ClippingHugeRectanglesKeepsTheVisiblePixels) {
    for (const TPenStyle style : {TPenStyle::psSolid, TPenStyle::psDot}) {
        // Left edges congruent modulo the dot period, so both show the same pattern.
        const QImage huge = Drawn(
            100, 100, [](TCanvas& c) { c.Rectangle(-2000000001, 10, 50, 60); }, style);
        const QImage moderate = Drawn(
            100, 100, [](TCanvas& c) { c.Rectangle(-999, 10, 50, 60); }, style);
        EXPECT_EQ(huge, moderate);
        EXPECT_FALSE(test::PixelsOfColor(huge, Black).empty());
        // Wholly visible in a wider image, the same rectangle shifted shows the same pixels.
        const QImage wide = Drawn(
            1200, 100, [](TCanvas& c) { c.Rectangle(0, 10, 1049, 60); }, style);
        EXPECT_EQ(wide.copy(999, 0, 100, 100), moderate);
    }
    const QImage around =
        Drawn(100, 100, [](TCanvas& c) { c.Rectangle(INT_MIN, -5, INT_MAX, 105); });
    EXPECT_EQ(around, test::FilledImage(100, 100));
    const QImage band = Drawn(100, 100, [](TCanvas& c) { c.Rectangle(INT_MIN, 10, INT_MAX, 20); });
    TPixelSet rows;
    for (int x = 0; x < 100; ++x) {
        rows.insert({x, 10});
        rows.insert({x, 19});
    }
    EXPECT_EQ(test::PixelsOfColor(band, Black), rows);
}

struct TLineCase {
    int X0, Y0, X1, Y1;
};

const TLineCase LineCases[] = {
    {5, 10, 25, 10}, {25, 10, 5, 10}, {10, 5, 10, 25}, {10, 25, 10, 5}, {5, 5, 25, 25},
    {25, 25, 5, 5},  {5, 25, 25, 5},  {25, 5, 5, 25},  {3, 4, 27, 13},  {27, 13, 3, 4},
    {3, 13, 27, 4},  {27, 4, 3, 13},  {4, 3, 13, 27},  {13, 27, 4, 3},  {13, 3, 4, 27},
    {4, 27, 13, 3},  {2, 2, 3, 2},    {3, 2, 2, 2},    {6, 6, 8, 7},    {8, 7, 6, 6},
};

TPixelSet LinePixels(const TLineCase& c) {
    return test::PixelsOfColor(Drawn(32, 32,
                                     [&](TCanvas& canvas) {
                                         canvas.MoveTo(c.X0, c.Y0);
                                         canvas.LineTo(c.X1, c.Y1);
                                     }),
                               Black);
}

TEST(QtCanvas, LineToDrawsTheStartButNotTheEndInEveryDirection) {
    for (const TLineCase& c : LineCases) {
        SCOPED_TRACE(::testing::Message() << c.X0 << "," << c.Y0 << " -> " << c.X1 << "," << c.Y1);
        const TPixelSet pixels = LinePixels(c);
        const int dx = c.X1 - c.X0;
        const int dy = c.Y1 - c.Y0;
        const bool xMajor = std::abs(dx) >= std::abs(dy);
        EXPECT_EQ(pixels.size(), static_cast<std::size_t>(std::max(std::abs(dx), std::abs(dy))));
        EXPECT_TRUE(pixels.contains({c.X0, c.Y0}));
        EXPECT_FALSE(pixels.contains({c.X1, c.Y1}));
        std::set<int> majors;
        for (const auto& [x, y] : pixels) {
            majors.insert(xMajor ? x : y);
            // Within a pixel of the true line.
            const double distance = std::abs(dx * (y - c.Y0) - dy * (x - c.X0)) /
                                    std::hypot(static_cast<double>(dx), dy);
            EXPECT_LE(distance, 1.0) << x << "," << y;
        }
        EXPECT_EQ(majors.size(), pixels.size()); // one pixel per column (row when steep)
    }
}

TEST(QtCanvas, BackwardLineIsTheForwardLineWithTheOtherEnd) {
    for (const TLineCase& c : LineCases) {
        SCOPED_TRACE(::testing::Message() << c.X0 << "," << c.Y0 << " -> " << c.X1 << "," << c.Y1);
        TPixelSet expected = LinePixels({c.X1, c.Y1, c.X0, c.Y0});
        expected.erase({c.X1, c.Y1});
        expected.insert({c.X0, c.Y0});
        EXPECT_EQ(LinePixels(c), expected);
    }
}

TEST(QtCanvas, HugeLinesShowTheirVisiblePart) {
    const QImage image = Drawn(100, 50, [](TCanvas& c) {
        c.MoveTo(INT_MAX, 20);
        c.LineTo(INT_MIN, 20);
        c.MoveTo(40, INT_MIN);
        c.LineTo(40, INT_MAX);
    });
    TPixelSet expected;
    for (int x = 0; x < 100; ++x) {
        expected.insert({x, 20});
    }
    for (int y = 0; y < 50; ++y) {
        expected.insert({40, y});
    }
    EXPECT_EQ(test::PixelsOfColor(image, Black), expected);
}

TEST(QtCanvas, ClosedPolylineDrawsEveryVertexOnce) {
    const std::vector<std::pair<int, int>> polygon = {{10, 40}, {30, 10}, {50, 40},
                                                      {40, 41}, {30, 60}, {20, 45}};
    const auto draw = [&](TCanvas& c) {
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const auto& [x0, y0] = polygon[i];
            const auto& [x1, y1] = polygon[(i + 1) % polygon.size()];
            c.MoveTo(x0, y0);
            c.LineTo(x1, y1);
        }
    };
    const TPixelSet pixels = test::PixelsOfColor(Drawn(64, 64, draw), Black);
    std::size_t length = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const auto& [x0, y0] = polygon[i];
        const auto& [x1, y1] = polygon[(i + 1) % polygon.size()];
        length += static_cast<std::size_t>(std::max(std::abs(x1 - x0), std::abs(y1 - y0)));
        EXPECT_TRUE(pixels.contains({x0, y0})) << x0 << "," << y0;
    }
    EXPECT_EQ(pixels.size(), length);
}

TEST(QtCanvas, CircleStaysInsideItsBoxAndTouchesAllFourSides) {
    for (int size = 2; size <= 60; ++size) {
        SCOPED_TRACE(size);
        const TPixelSet pixels = test::PixelsOfColor(
            Drawn(80, 80, [&](TCanvas& c) { c.Ellipse(10, 5, 10 + size, 5 + size); }), Black);
        int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
        for (const auto& [x, y] : pixels) {
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        EXPECT_EQ(left, 10);
        EXPECT_EQ(right, 10 + size - 1);
        EXPECT_EQ(top, 5);
        EXPECT_EQ(bottom, 5 + size - 1);
    }
    EXPECT_EQ(Drawn(20, 20, [](TCanvas& c) { c.Ellipse(5, 5, 5, 15); }), test::FilledImage(20, 20));
    EXPECT_EQ(test::PixelsOfColor(Drawn(20, 20, [](TCanvas& c) { c.Ellipse(5, 5, 6, 9); }), Black),
              (TPixelSet{{5, 5}, {5, 6}, {5, 7}, {5, 8}}));
}

// A circle with radius r and its top at (200, 50), in the box a circle area gives.
void HugeCircleWithTopAt50(TCanvas& c, int r) {
    c.Ellipse(200 - r, 50, 200 + r, 50 + 2 * r);
}

TEST(QtCanvas, HugeEllipseShowsTheArcCrossingTheImage) {
    const QImage image = Drawn(400, 300, [](TCanvas& c) { HugeCircleWithTopAt50(c, 1000000000); });
    TPixelSet row50;
    for (int x = 0; x < 400; ++x) {
        row50.insert({x, 50});
    }
    EXPECT_EQ(test::PixelsOfColor(image, Black), row50);
    const QImage around = Drawn(400, 300, [](TCanvas& c) {
        c.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
        c.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    });
    EXPECT_EQ(around, test::FilledImage(400, 300));
}

TEST(QtCanvas, LargeEllipseFollowsTheTrueCurve) {
    // Radius 5000 is beyond the size QPainter draws directly.
    const int r = 5000;
    ASSERT_GT(2 * r, TQtCanvas::DirectEllipseLimit);
    const TPixelSet pixels = test::PixelsOfColor(
        Drawn(400, 300, [&](TCanvas& c) { HugeCircleWithTopAt50(c, r); }), Black);
    // Through the centres of the box's outermost pixels, as smaller ellipses: a chord is at
    // most 0.125 from the curve, its pixels at most half a pixel from the chord.
    std::set<int> columns;
    const double centerX = 200 - 0.5;
    const double centerY = 50 + r - 0.5;
    const double radius = r - 0.5;
    for (const auto& [x, y] : pixels) {
        columns.insert(x);
        const double trueY = centerY - std::sqrt(radius * radius - (x - centerX) * (x - centerX));
        EXPECT_NEAR(y, trueY, 0.75) << x;
    }
    EXPECT_EQ(columns.size(), 400U);
}

TEST(QtCanvas, LargeEllipseSideIsUnbrokenAndStaysInItsBox) {
    // Rightmost pixel in column 200, centre row 149.5: the arc runs steeply through the image.
    const int r = 5000;
    const TPixelSet pixels = test::PixelsOfColor(
        Drawn(400, 300, [&](TCanvas& c) { c.Ellipse(201 - 2 * r, 150 - r, 201, 150 + r); }), Black);
    std::set<int> rows;
    const double centerX = 201 - r - 0.5;
    const double centerY = 149.5;
    const double radius = r - 0.5;
    for (const auto& [x, y] : pixels) {
        rows.insert(y);
        EXPECT_LE(x, 200);
        const double trueX = centerX + std::sqrt(radius * radius - (y - centerY) * (y - centerY));
        EXPECT_NEAR(x, trueX, 0.75) << y;
    }
    EXPECT_EQ(rows.size(), 300U);
    EXPECT_TRUE(pixels.contains({200, 149}));
}

TEST(QtCanvas, HugeFilledEllipseFillsWhatItCovers) {
    QImage image = test::FilledImage(400, 300);
    {
        TQtCanvas canvas(image);
        canvas.SetPenColor(clBlack);
        canvas.SetBrushColor(0x0000FF);
        canvas.SetBrushStyle(TBrushStyle::bsSolid);
        HugeCircleWithTopAt50(canvas, 1000000000);
    }
    for (const int y : {0, 49, 50, 51, 150, 299}) {
        for (const int x : {0, 1, 200, 398, 399}) {
            const QRgb expected = y < 50 ? White : (y == 50 ? Black : qRgb(255, 0, 0));
            EXPECT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
    }
    QImage covered = test::FilledImage(40, 30);
    {
        TQtCanvas canvas(covered);
        canvas.SetBrushColor(0x00FF00);
        canvas.SetBrushStyle(TBrushStyle::bsSolid);
        canvas.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    }
    EXPECT_EQ(covered, test::FilledImage(40, 30, qRgb(0, 255, 0)));
}

using TDrawing = std::function<void(TCanvas&)>;

TEST(QtCanvas, NotModeInvertsEachPixelOnceAndTwiceRestores) {
    const TDrawing drawings[] = {
        [](TCanvas& c) { c.Rectangle(10, 20, 110, 80); },
        [](TCanvas& c) { c.Rectangle(-50, -50, 60, 70); },
        [](TCanvas& c) { c.Ellipse(20, 15, 90, 70); },
        [](TCanvas& c) { c.Ellipse(30, 30, 31, 32); },
        [](TCanvas& c) { HugeCircleWithTopAt50(c, 5000); },
        [](TCanvas& c) {
            const int points[][2] = {{10, 40}, {30, 10}, {50, 40}, {40, 41}, {30, 60}, {20, 45}};
            for (int i = 0; i < 6; ++i) {
                c.MoveTo(points[i][0], points[i][1]);
                c.LineTo(points[(i + 1) % 6][0], points[(i + 1) % 6][1]);
            }
        },
    };
    for (const TPenStyle style : {TPenStyle::psSolid, TPenStyle::psDot}) {
        int index = 0;
        for (const TDrawing& draw : drawings) {
            SCOPED_TRACE(::testing::Message() << "drawing " << index++);
            const TPixelSet copied = test::PixelsOfColor(Drawn(120, 100, draw, style), Black);
            const QImage original = test::NoisyImage(120, 100);
            QImage image = original;
            {
                TQtCanvas canvas(image);
                canvas.SetPenStyle(style);
                canvas.SetBrushStyle(TBrushStyle::bsClear);
                canvas.SetPenMode(TPenMode::pmNot);
                draw(canvas);
                const TPixelSet inverted = test::ChangedPixels(original, image);
                EXPECT_EQ(inverted, copied);
                for (const auto& [x, y] : inverted) {
                    ASSERT_EQ(image.pixel(x, y), (~original.pixel(x, y)) | 0xFF000000U);
                }
                draw(canvas);
            }
            EXPECT_EQ(image, original);
        }
    }
}

TEST(QtCanvas, ManyHugeShapesAreCheap) {
    QImage image = test::FilledImage(2000, 1500);
    QElapsedTimer timer;
    timer.start();
    {
        TQtCanvas canvas(image);
        canvas.SetBrushStyle(TBrushStyle::bsClear);
        for (int i = 0; i < 1000; ++i) {
            canvas.SetPenStyle(i % 2 == 0 ? TPenStyle::psDot : TPenStyle::psSolid);
            canvas.SetPenMode(i % 3 == 0 ? TPenMode::pmNot : TPenMode::pmCopy);
            canvas.Rectangle(-2000000000 + i, -2000000000, 2000000000, 100 + i);
            canvas.Ellipse(-2000000000, -1000000000 + i, 2000000000, 1000000000 + i);
            canvas.Ellipse(1000 - 1000000 * i, 700 - 1000000 * i, 1000 + 1000000 * i,
                           700 + 1000000 * i);
            canvas.MoveTo(INT_MIN + i, INT_MIN);
            canvas.LineTo(INT_MAX, INT_MAX - i);
        }
    }
    EXPECT_LT(timer.elapsed(), 20000);
}

TEST(QtCanvas, NullImageIsIgnored) {
    QImage none;
    TQtCanvas canvas(none);
    canvas.Rectangle(0, 0, 10, 10);
    canvas.Ellipse(0, 0, 10, 10);
    canvas.MoveTo(0, 0);
    canvas.LineTo(10, 10);
    EXPECT_TRUE(none.isNull());
}

// A part drawn again shows what drawing everything gives there and leaves the rest alone:
// the view composes only the part a moved selection changes. Areas draw with one-pixel pens
// only; QPainter, which draws wider ones, may place their pixels differently under a clip.
TEST(QtCanvas, DrawingKeptToAPartChangesOnlyItsPixelsAndThoseAsTheWholeDrawingDoes) {
    const std::function<void(TCanvas&)> drawings[] = {
        [](TCanvas& c) { // lines both ways and at every slope
            c.MoveTo(5, 10);
            c.LineTo(90, 70);
            c.LineTo(10, 65);
            c.LineTo(60, 2);
        },
        [](TCanvas& c) { // dotted outlines and a filled handle square
            c.SetPenStyle(TPenStyle::psDot);
            c.SetBrushStyle(TBrushStyle::bsClear);
            c.Rectangle(8, 6, 85, 60);
            c.Ellipse(15, 12, 95, 75);
            c.SetPenStyle(TPenStyle::psSolid);
            c.SetBrushStyle(TBrushStyle::bsSolid);
            c.Rectangle(30, 20, 38, 28);
        },
        [](TCanvas& c) { // inverted pixels, drawn twice where shapes cross
            c.SetPenMode(TPenMode::pmNot);
            c.SetBrushStyle(TBrushStyle::bsClear);
            c.Rectangle(10, 10, 70, 50);
            c.Ellipse(25, 5, 90, 70);
        },
    };
    const QRect parts[] = {{20, 15, 40, 30}, {0, 0, 100, 9}, {80, 40, 20, 40}};
    for (std::size_t d = 0; d < std::size(drawings); ++d) {
        const QImage whole = Drawn(100, 80, drawings[d]);
        for (const QRect& part : parts) {
            SCOPED_TRACE(::testing::Message()
                         << "drawing " << d << ", part " << part.x() << "," << part.y());
            QImage kept = test::FilledImage(100, 80);
            {
                QPainter marker(&kept);
                marker.setClipRegion(QRegion(kept.rect()) - part);
                marker.fillRect(kept.rect(), Qt::green);
            }
            {
                TQtCanvas canvas(kept);
                canvas.KeepTo(part);
                drawings[d](canvas);
            }
            for (int y = 0; y < kept.height(); ++y) {
                for (int x = 0; x < kept.width(); ++x) {
                    const QRgb expected =
                        part.contains(x, y) ? whole.pixel(x, y) : QColor(Qt::green).rgb();
                    ASSERT_EQ(kept.pixel(x, y), expected) << x << "," << y;
                }
            }
        }
    }
}

} // namespace
} // namespace kvx
