// The one-pixel outlines the canvas works out itself: dotted and solid lines and ellipses.
#include "CanvasPixels.h"
#include "platform/QtCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace kvx {
namespace {

using test::TPixelSet;
using TDrawing = std::function<void(TCanvas&)>;

const QRgb Black = qRgb(0, 0, 0);

TPixelSet Pixels(int width, int height, const TDrawing& draw, TPenStyle style) {
    return test::PixelsOfColor(test::Drawn(width, height, draw, style), Black);
}

TDrawing Line(int x0, int y0, int x1, int y1) {
    return [=](TCanvas& c) {
        c.MoveTo(x0, y0);
        c.LineTo(x1, y1);
    };
}

TDrawing Ellipse(int left, int top, int right, int bottom) {
    return [=](TCanvas& c) { c.Ellipse(left, top, right, bottom); };
}

struct TLine {
    int X0, Y0, X1, Y1;
};

TEST(QtCanvasOutline, LinePixelsAreTheNearestOnesAndDotsEveryThirdFromTheStart) {
    const TLine lines[] = {{5, 10, 60, 10}, {60, 10, 5, 10}, {10, 5, 10, 60}, {10, 60, 10, 5},
                           {3, 4, 61, 33},  {61, 33, 3, 4},  {3, 33, 61, 4},  {4, 3, 33, 61},
                           {33, 61, 4, 3},  {5, 5, 55, 55},  {55, 5, 5, 55},  {7, 7, 9, 8}};
    for (const TLine& l : lines) {
        SCOPED_TRACE(::testing::Message() << l.X0 << "," << l.Y0 << " -> " << l.X1 << "," << l.Y1);
        const TDrawing draw = Line(l.X0, l.Y0, l.X1, l.Y1);
        const TPixelSet solid = Pixels(64, 64, draw, TPenStyle::psSolid);
        const bool xMajor = std::abs(l.X1 - l.X0) >= std::abs(l.Y1 - l.Y0);
        TPixelSet expected;
        for (const auto& [x, y] : solid) {
            // The pixel nearest to the true line in its column (row when steep).
            const double exact = xMajor ? l.Y0 + double(x - l.X0) * (l.Y1 - l.Y0) / (l.X1 - l.X0)
                                        : l.X0 + double(y - l.Y0) * (l.X1 - l.X0) / (l.Y1 - l.Y0);
            EXPECT_LE(std::abs((xMajor ? y : x) - exact), 0.5) << x << "," << y;
            const int along = xMajor ? std::abs(x - l.X0) : std::abs(y - l.Y0);
            if (along % 3 == 0) {
                expected.insert({x, y});
            }
        }
        EXPECT_EQ(Pixels(64, 64, draw, TPenStyle::psDot), expected);
    }
}

struct TBoxCase {
    int Width, Height;
};

const TBoxCase EllipseBoxes[] = {{2, 2},   {3, 3},   {4, 4},   {5, 3},   {3, 8},  {9, 9},
                                 {20, 20}, {21, 21}, {60, 20}, {21, 61}, {2, 40}, {97, 96}};

TEST(QtCanvasOutline, DottedEllipseIsEveryThirdPixelOfTheSolidOne) {
    for (const TBoxCase& box : EllipseBoxes) {
        SCOPED_TRACE(::testing::Message() << box.Width << " x " << box.Height);
        const TDrawing draw = Ellipse(10, 10, 10 + box.Width, 10 + box.Height);
        const TPixelSet solid = Pixels(120, 120, draw, TPenStyle::psSolid);
        const TPixelSet dotted = Pixels(120, 120, draw, TPenStyle::psDot);
        EXPECT_TRUE(std::includes(solid.begin(), solid.end(), dotted.begin(), dotted.end()));
        EXPECT_EQ(dotted.size(), (solid.size() + 2) / 3);
    }
}

TEST(QtCanvasOutline, EllipseIsSymmetricCloseToTheCurveAndUnbroken) {
    for (const TBoxCase& box : EllipseBoxes) {
        SCOPED_TRACE(::testing::Message() << box.Width << " x " << box.Height);
        const int left = 10;
        const int top = 10;
        const int right = left + box.Width;
        const int bottom = top + box.Height;
        const TPixelSet pixels =
            Pixels(120, 120, Ellipse(left, top, right, bottom), TPenStyle::psSolid);
        // Through the centres of the box's outermost pixels.
        const double cx = (left + right - 1) / 2.0;
        const double cy = (top + bottom - 1) / 2.0;
        const double a = (box.Width - 1) / 2.0;
        const double b = (box.Height - 1) / 2.0;
        std::vector<std::pair<double, double>> curve;
        for (int i = 0; i < 4000; ++i) {
            const double angle = 2 * std::numbers::pi * i / 4000;
            curve.emplace_back(cx + a * std::cos(angle), cy + b * std::sin(angle));
        }
        for (const auto& [x, y] : pixels) {
            EXPECT_TRUE(pixels.contains({left + right - 1 - x, y})) << x << "," << y;
            EXPECT_TRUE(pixels.contains({x, top + bottom - 1 - y})) << x << "," << y;
            double nearest = INFINITY;
            for (const auto& [px, py] : curve) {
                nearest = std::min(nearest, std::hypot(x - px, y - py));
            }
            EXPECT_LT(nearest, 1.0) << x << "," << y;
        }
        // Every point of the curve has a pixel next to it: no gaps.
        for (const auto& [px, py] : curve) {
            const int x = static_cast<int>(std::lround(px));
            const int y = static_cast<int>(std::lround(py));
            bool covered = false;
            for (int dy = -1; dy <= 1 && !covered; ++dy) {
                for (int dx = -1; dx <= 1 && !covered; ++dx) {
                    covered = pixels.contains({x + dx, y + dy});
                }
            }
            ASSERT_TRUE(covered) << "curve point near " << x << "," << y;
        }
    }
}

TEST(QtCanvasOutline, OutlinesCutAtTheImageBorderKeepTheirPixels) {
    // Each drawing cut by a small image, and 100 pixels further right and down wholly or
    // largely inside a larger one.
    struct TCase {
        TDrawing Small;
        TDrawing Large;
    };
    const TCase cases[] = {
        {Ellipse(-40, -30, 61, 50), Ellipse(60, 70, 161, 150)},
        {Ellipse(30, 70, 150, 130), Ellipse(130, 170, 250, 230)},
        {Line(-500, -20, 80, 70), Line(-400, 80, 180, 170)},
        {Line(90, 150, 20, -300), Line(190, 250, 120, -200)},
    };
    for (const TPenStyle style : {TPenStyle::psSolid, TPenStyle::psDot}) {
        int index = 0;
        for (const TCase& c : cases) {
            SCOPED_TRACE(::testing::Message() << "case " << index++);
            const TPixelSet small = Pixels(100, 100, c.Small, style);
            TPixelSet cropped;
            for (const auto& [x, y] : Pixels(300, 300, c.Large, style)) {
                if (x >= 100 && y >= 100 && x < 200 && y < 200) {
                    cropped.insert({x - 100, y - 100});
                }
            }
            EXPECT_FALSE(small.empty());
            EXPECT_EQ(small, cropped);
        }
    }
}

// A canvas on a band of rows draws what a canvas on the whole image draws in those rows.
TEST(QtCanvasOutline, BandsShowTheirRowsOfTheWholeImage) {
    constexpr int width = 9100;
    constexpr int height = 61;
    const TDrawing drawings[] = {
        Ellipse(40, 5, 9040, 55), // wider than QPainter is given, yet inside the image
        Ellipse(-30, 20, 70, 40),
        Ellipse(100, -20000, 30000, 20030), // huge and reaching out of the image
        Line(3, 2, 8000, 58),
        Line(7000, 60, 7030, -5),
        [](TCanvas& c) { c.Rectangle(10, 10, 9000, 50); },
    };
    for (const TPenStyle style : {TPenStyle::psSolid, TPenStyle::psDot}) {
        for (const TPenMode mode : {TPenMode::pmCopy, TPenMode::pmNot}) {
            const auto draw = [&](TCanvas& c) {
                c.SetBrushStyle(TBrushStyle::bsClear);
                c.SetPenStyle(style);
                c.SetPenColor(clBlack);
                c.SetPenMode(mode);
                for (const TDrawing& drawing : drawings) {
                    drawing(c);
                }
            };
            QImage whole = test::NoisyImage(width, height);
            QImage banded = whole;
            {
                TQtCanvas canvas(whole);
                draw(canvas);
            }
            for (const auto& [top, bottom] : {std::pair{0, 29}, std::pair{29, height}}) {
                QImage band(banded.bits() + top * banded.bytesPerLine(), width, bottom - top,
                            banded.bytesPerLine(), QImage::Format_RGB32);
                TQtCanvas canvas(band, top, height);
                draw(canvas);
            }
            EXPECT_EQ(banded, whole) << "dotted " << (style == TPenStyle::psDot) << ", not mode "
                                     << (mode == TPenMode::pmNot);
        }
    }
}

} // namespace
} // namespace kvx
