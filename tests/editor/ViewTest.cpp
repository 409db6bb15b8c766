// View sizing, scrolling, zoom, the view-to-image conversion and what the view shows.
#include "EditorTestSupport.h"

#include "editor/DisplayView.h"
#include "editor/ViewController.h"
#include "editor/ViewMath.h"
#include "images/ImageBitmap.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace kvx {
namespace {

TEST(ViewMath, RoundsHalvesToEvenAndTruncatesTowardZero) {
    EXPECT_EQ(RoundHalfEven(50.5), 50);
    EXPECT_EQ(RoundHalfEven(51.5), 52);
    EXPECT_EQ(RoundHalfEven(300.25), 300);
    EXPECT_EQ(TruncTowardZero(-0.75), 0);
    EXPECT_EQ(TruncTowardZero(166.67), 166);
}

TEST(ViewMath, HorizontalFitComparesRealNumbersVerticalTruncatedIntegers) {
    // 2401 pixels at 25 % need 600.25 window pixels.
    const TViewAxis h = HorizontalViewAxis(2401, 600, 0.25f);
    EXPECT_TRUE(h.Scrolls);
    EXPECT_EQ(h.Visible, 2400);
    EXPECT_EQ(h.ViewLength, 600);
    const TViewAxis v = VerticalViewAxis(2401, 600, 0.25f);
    EXPECT_FALSE(v.Scrolls);
    EXPECT_EQ(v.Visible, 2401);
    EXPECT_EQ(v.ViewLength, 600);
}

TEST(ViewMath, ScrollPositionNeverShowsBeyondTheImage) {
    EXPECT_EQ(ClampScrollPosition(900, 1000, 400), 600);
    EXPECT_EQ(ClampScrollPosition(601, 1000, 400), 600);
    EXPECT_EQ(ClampScrollPosition(600, 1000, 400), 600);
    EXPECT_EQ(ClampScrollPosition(250, 1000, 400), 250);
}

TEST(ViewMath, ViewPointsTurnIntoImagePointsWithoutClamping) {
    EXPECT_EQ(ViewToImagePoint({5, 7}, 2.0f, {10, 0}), QPoint(12, 3));
    EXPECT_EQ(ViewToImagePoint({3, 1}, 0.25f, {0, 0}), QPoint(12, 4));
    EXPECT_EQ(ViewToImagePoint({3, 1}, 0.25f, {100, 50}), QPoint(112, 54));
    EXPECT_EQ(ViewToImagePoint({-1, -1}, 2.0f, {0, 0}), QPoint(0, 0));
    EXPECT_EQ(ViewToImagePoint({-5, 7}, 1.0f, {0, 0}), QPoint(-5, 7));
    EXPECT_EQ(ViewToImagePoint({7, 7}, 3.0f, {0, 0}), QPoint(2, 2));
}

TEST_F(TEditorTest, LargeImageAtQuarterZoomScrollsOnlyHorizontally) {
    OpenMap(2401, 1201);
    State().ViewportSize = QSize(600, 300);
    Main().mniZoom25->trigger();
    EXPECT_EQ(State().ZoomFactor, 0.25f);
    EXPECT_TRUE(Main().scbHorizontal->isEnabled());
    EXPECT_EQ(State().VisibleImageSize, QSize(2400, 1201));
    EXPECT_EQ(Main().pbxDisplay->size(), QSize(600, 300));
    // Qt's range leaves out the page: 2401 pixels with 2400 of them visible give 1.
    EXPECT_EQ(Main().scbHorizontal->pageStep(), 2400);
    EXPECT_EQ(Main().scbHorizontal->maximum(), 1);
    EXPECT_FALSE(Main().scbVertical->isEnabled());
}

struct TZoomSizeCase {
    int ImageWidth;
    int Zoom;
    int Viewport;
    int ViewWidth;
    int Visible;
};

class ViewSizeAtZoom : public TEditorTest, public ::testing::WithParamInterface<TZoomSizeCase> {};

TEST_P(ViewSizeAtZoom, ViewWidthFollowsTheRoundingRules) {
    const TZoomSizeCase& c = GetParam();
    OpenMap(c.ImageWidth, 10);
    State().ViewportSize = QSize(c.Viewport, 400);
    Main().findChild<QAction*>(QStringLiteral("mniZoom%1").arg(c.Zoom))->trigger();
    EXPECT_EQ(Main().pbxDisplay->width(), c.ViewWidth);
    EXPECT_EQ(State().VisibleImageSize.width(), c.Visible);
}

INSTANTIATE_TEST_SUITE_P(Rounding, ViewSizeAtZoom,
                         ::testing::Values(TZoomSizeCase{101, 50, 600, 50, 101},
                                           TZoomSizeCase{103, 50, 600, 52, 103},
                                           TZoomSizeCase{1000, 300, 500, 498, 166},
                                           TZoomSizeCase{100, 400, 600, 400, 100},
                                           TZoomSizeCase{151, 400, 600, 600, 150}));

TEST_F(TEditorTest, ScrollBarStopsWhereTheImageEnds) {
    OpenMap(1000, 50);
    SetViewport(400, 300);
    EXPECT_EQ(State().VisibleImageSize.width(), 400);
    Main().scbHorizontal->setValue(900);
    EXPECT_EQ(Main().scbHorizontal->value(), 600);
    EXPECT_EQ(State().ViewOrigin.x(), 600);
    Main().scbHorizontal->setValue(250);
    EXPECT_EQ(State().ViewOrigin.x(), 250);
}

TEST_F(TEditorTest, ClickInTheTroughMovesHalfTheVisiblePartFromWhereTheBarStood) {
    // Qt moves the slider by its page step before it reports the action; the large step
    // must start from the position before it, and stop where the image ends.
    const struct {
        bool Horizontal;
        int ImageLength;
        int Start;
        QAbstractSlider::SliderAction Action;
        int Expected;
    } cases[] = {
        {true, 1000, 0, QAbstractSlider::SliderPageStepAdd, 200},
        {true, 1000, 590, QAbstractSlider::SliderPageStepAdd, 600},
        {true, 1000, 600, QAbstractSlider::SliderPageStepSub, 400},
        {true, 1000, 10, QAbstractSlider::SliderPageStepSub, 0},
        // Less to scroll than the view shows: the step still reaches the end.
        {true, 500, 0, QAbstractSlider::SliderPageStepAdd, 100},
        {true, 500, 100, QAbstractSlider::SliderPageStepSub, 0},
        {false, 1000, 100, QAbstractSlider::SliderPageStepAdd, 250},
        {false, 1000, 690, QAbstractSlider::SliderPageStepAdd, 700},
        {false, 1000, 140, QAbstractSlider::SliderPageStepSub, 0},
        {true, 1000, 300, QAbstractSlider::SliderSingleStepAdd, 301},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Horizontal << " " << c.ImageLength << " from "
                                        << c.Start << " action " << c.Action);
        OpenMap(c.Horizontal ? c.ImageLength : 50, c.Horizontal ? 50 : c.ImageLength);
        SetViewport(400, 300); // large steps: 200 across, 150 down
        QScrollBar* bar = c.Horizontal ? Main().scbHorizontal : Main().scbVertical;
        bar->setValue(c.Start);
        ASSERT_EQ(bar->value(), c.Start);
        bar->triggerAction(c.Action);
        EXPECT_EQ(bar->value(), c.Expected);
        const QPoint origin = State().ViewOrigin;
        EXPECT_EQ(c.Horizontal ? origin.x() : origin.y(), c.Expected);
    }
}

TEST_F(TEditorTest, ZoomItemsKeepTheViewsCentreWhereTheRangeAllows) {
    OpenMap(1000, 1000);
    SetViewport(400, 400);
    Main().scbHorizontal->setValue(300);
    Main().scbVertical->setValue(200);
    ASSERT_EQ(State().ViewOrigin, QPoint(300, 200)); // centre (500, 400)
    const struct {
        QAction* Item;
        QPoint Origin;
    } steps[] = {
        {Main().mniZoom200, {400, 300}},                        // 200 visible
        {Main().mniZoom50, {100, 0}},                           // 800 visible
        {Main().findChild<QAction*>("popZoom100"), {300, 200}}, // back again
        {Main().mniZoom25, {0, 0}},                             // the image fits
    };
    for (const auto& step : steps) {
        step.Item->trigger();
        EXPECT_EQ(State().ViewOrigin, step.Origin) << step.Item->objectName().toStdString();
    }
    EXPECT_FALSE(Main().scbHorizontal->isEnabled());
    EXPECT_FALSE(Main().scbVertical->isEnabled());
    Main().mniZoom200->trigger();
    Main().scbHorizontal->setValue(100);
    Main().tbtZoom->click(); // centre (200, 500) at 200 %
    EXPECT_EQ(State().ViewOrigin, QPoint(0, 300));
}

TEST_F(TEditorTest, ZoomItemsOfMenuAndPopupFollowEachOtherAndTheStatusBar) {
    OpenMap(100, 100);
    Main().mniZoom200->trigger();
    EXPECT_EQ(State().ZoomFactor, 2.0f);
    EXPECT_EQ(Main().StatusText(2), "Zoom: 200%");
    EXPECT_TRUE(Main().findChild<QAction*>("popZoom200")->isChecked());
    Main().findChild<QAction*>("popZoom25")->trigger();
    EXPECT_EQ(State().ZoomFactor, 0.25f);
    EXPECT_TRUE(Main().mniZoom25->isChecked());
    EXPECT_EQ(Main().StatusText(2), "Zoom: 25%");
    Main().tbtZoom->click();
    EXPECT_EQ(State().ZoomFactor, 1.0f);
    EXPECT_TRUE(Main().mniZoom100->isChecked());
    EXPECT_TRUE(Main().findChild<QAction*>("popZoom100")->isChecked());
    EXPECT_EQ(Main().StatusText(2), "Zoom: 100%");
}

TEST_F(TEditorTest, ViewToImageUsesZoomAndOrigin) {
    OpenMap(1000, 1000);
    SetViewport(100, 100);
    Main().mniZoom200->trigger();
    Main().scbHorizontal->setValue(10);
    Main().scbVertical->setValue(0);
    EXPECT_EQ(Main().ViewToImage({5, 7}), QPoint(12, 3));
    Main().mniZoom25->trigger();
    Main().scbHorizontal->setValue(20);
    Main().scbVertical->setValue(30);
    EXPECT_EQ(Main().ViewToImage({3, 1}), QPoint(32, 34));
}

void Wheel(QWidget* view, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           QPointF at = QPointF(10, 10)) {
    QWheelEvent event(at, view->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &event);
}

TEST_F(TEditorTest, MouseWheelScrollsTheImageByAnEighthOfTheVisiblePart) {
    OpenMap(1000, 1000);
    SetViewport(400, 400);
    Wheel(Main().pbxDisplay, {0, -120});
    EXPECT_EQ(State().ViewOrigin, QPoint(0, 50));
    Wheel(Main().pbxDisplay, {0, -120}, Qt::ShiftModifier);
    EXPECT_EQ(State().ViewOrigin, QPoint(50, 50));
    Wheel(Main().pbxDisplay, {0, 480});
    EXPECT_EQ(State().ViewOrigin, QPoint(50, 0));
    for (int i = 0; i < 30; ++i) {
        Wheel(Main().pbxDisplay, {-120, 0});
    }
    EXPECT_EQ(State().ViewOrigin, QPoint(600, 0));
}

TEST_F(TEditorTest, CtrlWheelStepsThroughTheZoomLevelsKeepingThePointUnderThePointer) {
    OpenMap(1000, 1000);
    SetViewport(400, 400);
    Main().scbHorizontal->setValue(300);
    Main().scbVertical->setValue(200);
    const QPoint pointer(120, 60);
    const QPoint imagePoint(420, 260);
    const struct {
        int Delta;
        float Zoom;
        bool KeepsPoint; // false where the scroll bars cannot reach
    } steps[] = {{120, 2.0f, true},    {120, 3.0f, true},   {120, 4.0f, true},  {120, 4.0f, true},
                 {-120, 3.0f, true},   {-120, 2.0f, true},  {-120, 1.0f, true}, {-120, 0.5f, true},
                 {-120, 0.25f, false}, {-120, 0.25f, false}};
    for (const auto& step : steps) {
        Wheel(Main().pbxDisplay, {0, step.Delta}, Qt::ControlModifier, pointer);
        const int percent = static_cast<int>(step.Zoom * 100);
        EXPECT_EQ(State().ZoomFactor, step.Zoom) << percent;
        EXPECT_TRUE(
            Main().findChild<QAction*>(QStringLiteral("mniZoom%1").arg(percent))->isChecked());
        EXPECT_EQ(Main().StatusText(2), QStringLiteral("Zoom: %1%").arg(percent));
        if (step.KeepsPoint) {
            EXPECT_EQ(Main().ViewToImage(pointer), imagePoint) << percent;
        }
    }
    EXPECT_EQ(State().ViewOrigin, QPoint(0, 0));
}

TEST_F(TEditorTest, FitToWindowShowsTheWholeImageWithoutACheckedZoomItem) {
    const struct {
        QSize Image;
        float Zoom;
        const char* Status;
    } cases[] = {
        {{1000, 500}, 0.4f, "Zoom: 40%"},
        {{300, 900}, 400.0f / 900.0f, "Zoom: 44%"},
        {{100, 80}, 4.0f, "Zoom: 400%"},
    };
    for (const auto& c : cases) {
        OpenMap(c.Image.width(), c.Image.height());
        ShowAndActivate();
        SetViewport(400, 400);
        Main().mniZoom200->trigger();
        QTest::keyClick(&Main(), Qt::Key_0, Qt::ControlModifier);
        EXPECT_NEAR(State().ZoomFactor, c.Zoom, 1e-6) << c.Status;
        EXPECT_EQ(Main().StatusText(2), c.Status);
        EXPECT_EQ(Main().grpZoomItems->checkedAction(), nullptr) << c.Status;
        EXPECT_EQ(Main().grpZoomPopup->checkedAction(), nullptr) << c.Status;
        EXPECT_FALSE(Main().scbHorizontal->isEnabled());
        EXPECT_FALSE(Main().scbVertical->isEnabled());
        const QSize shown = Main().pbxDisplay->size();
        EXPECT_TRUE(shown.width() <= 400 && shown.height() <= 400) << c.Status;
        EXPECT_TRUE(shown.width() >= 399 || shown.height() >= 399) << c.Status;
    }
}

QRgb ViewPixel(TfrmMain& main, int x, int y) {
    return main.pbxDisplay->BackBuffer().pixel(x, y);
}

TEST_F(TEditorTest, RenderShowsTheAreasOnTheImageWithoutTouchingTheSource) {
    OpenMap(100, 80, Qt::white);
    SetViewport(400, 400);
    AddRectangle(10, 10, 50, 40);
    SetSelectedColor(0x0000FF); // red as 0x00BBGGRR
    Main().RenderView();
    ASSERT_EQ(Main().pbxDisplay->BackBuffer().size(), QSize(100, 80));
    // The selected rectangle's solid outline, away from its handles.
    EXPECT_EQ(ViewPixel(Main(), 20, 10), qRgb(255, 0, 0));
    EXPECT_EQ(ViewPixel(Main(), 10, 17), qRgb(255, 0, 0));
    EXPECT_EQ(ViewPixel(Main(), 20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(ViewPixel(Main(), 60, 60), qRgb(255, 255, 255));
    EXPECT_EQ(Main().Document().SourceBitmap.pixel(10, 10), qRgb(255, 255, 255));
}

TEST_F(TEditorTest, RenderStretchesTheImageButDrawsOutlinesOneViewPixelWideAtDoubleZoom) {
    OpenMap(100, 80, Qt::white);
    Main().Document().SourceBitmap.setPixel(70, 60, qRgb(255, 0, 0));
    SetViewport(400, 400);
    AddRectangle(10, 10, 50, 40);
    SetSelectedColor(0x00FF00); // green
    Main().mniZoom200->trigger();
    Main().RenderView();
    ASSERT_EQ(Main().pbxDisplay->BackBuffer().size(), QSize(200, 160));
    const struct {
        QPoint View;
        QRgb Colour;
    } cases[] = {
        // Image pixel (20, 10) lies on the selected rectangle's top edge, between its handles:
        // the line runs through the middle of its 2 x 2 view pixels.
        {{41, 21}, qRgb(0, 255, 0)},
        {{40, 21}, qRgb(0, 255, 0)},
        {{41, 20}, qRgb(255, 255, 255)},
        {{41, 22}, qRgb(255, 255, 255)},
        // The image's own pixels cover 2 x 2 view pixels.
        {{140, 120}, qRgb(255, 0, 0)},
        {{141, 121}, qRgb(255, 0, 0)},
        {{142, 121}, qRgb(255, 255, 255)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ViewPixel(Main(), c.View.x(), c.View.y()), c.Colour)
            << c.View.x() << "," << c.View.y();
    }
}

TEST_F(TEditorTest, RenderCopiesFromTheScrolledOrigin) {
    OpenMap(1000, 100, Qt::white);
    SetViewport(300, 300);
    AddRectangle(500, 10, 600, 60);
    SetSelectedColor(0xFF0000); // blue
    Main().scbHorizontal->setValue(450);
    EXPECT_EQ(ViewPixel(Main(), 70, 10), qRgb(0, 0, 255));
    EXPECT_EQ(ViewPixel(Main(), 60, 30), qRgb(255, 255, 255));
}

TEST_F(TEditorTest, RenderWithoutMemoryForTheViewKeepsThePreviousPicture) {
    OpenMap(500, 400, Qt::white);
    SetViewport(200, 200);
    Main().RenderView();
    const QImage shown = Main().pbxDisplay->BackBuffer().copy();
    struct TLowLimit {
        TLowLimit() { SetImagePixelLimit(100); }
        ~TLowLimit() { SetImagePixelLimit(MaxImagePixels); }
    } lowLimit;
    SetViewport(300, 300);
    Main().RenderView();
    EXPECT_EQ(Main().pbxDisplay->BackBuffer(), shown);
}

} // namespace
} // namespace kvx
