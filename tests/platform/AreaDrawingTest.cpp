#include "CanvasPixels.h"
#include "model/CircleLinkArea.h"
#include "model/ImageMap.h"
#include "model/PolygonLinkArea.h"
#include "model/RectangleLinkArea.h"
#include "platform/QtCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace kvx {
namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

std::unique_ptr<TLinkArea> FinishedArea(int kind) {
    std::string status;
    std::unique_ptr<TLinkArea> area;
    switch (kind) {
    case akRectangle:
        area = std::make_unique<TRectangleLinkArea>(10, 20, status);
        area->Modify(0, 0, 110, 80, mmDragNew, status);
        break;
    case akCircle:
        area = std::make_unique<TCircleLinkArea>(60, 50, status);
        area->Modify(0, 0, 90, 50, mmDragNew, status);
        break;
    default:
        area = std::make_unique<TPolygonLinkArea>(20, 10, status);
        area->Modify(0, 0, 100, 40, mmDragNew, status);
        area->Modify(0, 0, 100, 40, mmAddPoint, status);
        area->Modify(0, 0, 30, 90, mmDragNew, status);
        area->Modify(0, 0, 30, 90, mmAddPoint, status);
        break;
    }
    area->Modify(0, 0, 0, 0, mmFinish, status);
    return area;
}

void Draw(const TLinkArea& area, QImage& image, bool selected) {
    TQtCanvas canvas(image);
    area.Draw(canvas, selected);
}

// The 8 x 8 handle around (hx, hy): black border, white inside.
void ExpectHandle(const QImage& image, int hx, int hy) {
    for (int y = hy - 4; y < hy + 4; ++y) {
        for (int x = hx - 4; x < hx + 4; ++x) {
            const bool border = x == hx - 4 || x == hx + 3 || y == hy - 4 || y == hy + 3;
            ASSERT_EQ(image.pixel(x, y), border ? Black : White)
                << "handle " << hx << "," << hy << " pixel " << x << "," << y;
        }
    }
}

TEST(AreaDrawing, SelectedFinishedAreasShowTheirHandles) {
    const QImage noise = test::NoisyImage(160, 120);
    QImage rectangle = noise;
    Draw(*FinishedArea(akRectangle), rectangle, true);
    for (const auto& [hx, hy] : std::vector<std::pair<int, int>>{
             {10, 20}, {10, 50}, {60, 20}, {110, 50}, {60, 80}, {10, 80}, {110, 20}, {110, 80}}) {
        ExpectHandle(rectangle, hx, hy);
    }
    QImage circle = noise;
    Draw(*FinishedArea(akCircle), circle, true);
    ExpectHandle(circle, 90, 50);
    QImage polygon = noise;
    Draw(*FinishedArea(akPolygon), polygon, true);
    ExpectHandle(polygon, 20, 10);
    ExpectHandle(polygon, 100, 40);
    ExpectHandle(polygon, 30, 90);
}

TEST(AreaDrawing, ContrastOutlineDrawnTwiceRestoresTheImage) {
    const QImage noise = test::NoisyImage(160, 120);
    for (const int kind : {akRectangle, akCircle, akPolygon}) {
        SCOPED_TRACE(kind);
        std::unique_ptr<TLinkArea> area = FinishedArea(kind);
        area->Color = 0x0000FF; // not used while inverting
        for (const bool selected : {false, true}) {
            std::string status;
            if (selected) {
                area->Move(0, 0, 0, 0, status); // being moved: no handles
            }
            QImage image = noise;
            {
                TQtCanvas canvas(image);
                area->Draw(canvas, selected);
                const test::TPixelSet changed = test::ChangedPixels(noise, image);
                EXPECT_FALSE(changed.empty());
                EXPECT_TRUE(test::PixelsOfColor(image, qRgb(255, 0, 0)).empty());
                area->Draw(canvas, selected);
            }
            EXPECT_EQ(image, noise);
        }
    }
}

TEST(AreaDrawing, ColourOutlineDottedUnselectedAndSolidSelected) {
    std::unique_ptr<TLinkArea> area = FinishedArea(akRectangle);
    area->Contrast = false;
    area->Color = 0x0000FF;
    const QRgb red = qRgb(255, 0, 0);
    QImage unselected = test::FilledImage(160, 120);
    Draw(*area, unselected, false);
    const test::TPixelSet outline = test::BoxOutline(10, 20, 110, 80);
    const test::TPixelSet dots = test::PixelsOfColor(unselected, red);
    EXPECT_EQ(dots.size(), (outline.size() + 2) / 3);
    for (const auto& pixel : dots) {
        EXPECT_TRUE(outline.contains(pixel));
    }
    std::string status;
    area->Move(0, 0, 0, 0, status);
    QImage editing = test::FilledImage(160, 120);
    Draw(*area, editing, true);
    EXPECT_EQ(test::PixelsOfColor(editing, red), outline);
}

TEST(AreaDrawing, NewAreasHaveNoHandlesUntilFinished) {
    TImageMap map;
    std::string status;
    map.AddArea(akRectangle, 10, 10, status);
    map.ModifySelected(0, 0, 50, 40, mmDragNew, status);
    QImage image = test::FilledImage(80, 60);
    {
        TQtCanvas canvas(image);
        map.Draw(canvas);
    }
    EXPECT_EQ(test::ChangedPixels(test::FilledImage(80, 60), image),
              test::BoxOutline(10, 10, 50, 40));
    map.ModifySelected(0, 0, 0, 0, mmFinish, status);
    QImage finished = test::FilledImage(80, 60);
    {
        TQtCanvas canvas(finished);
        map.Draw(canvas);
    }
    ExpectHandle(finished, 10, 10);
    ExpectHandle(finished, 50, 40);
}

} // namespace
} // namespace kvx
