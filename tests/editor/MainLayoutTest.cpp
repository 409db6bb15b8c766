// Where the main window's panes go for a client size.
#include "EditorTestSupport.h"

#include "editor/DisplayView.h"
#include "editor/FocusControl.h"
#include "editor/MainLayout.h"
#include "editor/PropertyPanel.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QToolButton>

#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>

namespace kvx {
namespace {

struct TLayoutCase {
    int ClientWidth;
    int ClientHeight;
    int ScrollBarWidth;
    QRect StatusBar, OverviewLabel, Overview, Divider, PropertiesLabel, Properties, Frame,
        HorizontalBar, VerticalBar, FocusControl;
    QPoint ViewTopLeft;
    QSize Viewport;
};

class MainLayout : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(MainLayout, PlacesEveryPaneForTheClientSize) {
    const TLayoutCase& c = GetParam();
    TLayoutInput input;
    input.ClientWidth = c.ClientWidth;
    input.ClientHeight = c.ClientHeight;
    input.ScrollBarWidth = c.ScrollBarWidth;
    const TLayoutGeometry g = ComputeMainLayout(input);
    EXPECT_EQ(g.StatusBar, c.StatusBar);
    EXPECT_EQ(g.OverviewLabel, c.OverviewLabel);
    EXPECT_EQ(g.Overview, c.Overview);
    EXPECT_EQ(g.Divider, c.Divider);
    EXPECT_EQ(g.PropertiesLabel, c.PropertiesLabel);
    EXPECT_EQ(g.Properties, c.Properties);
    EXPECT_EQ(g.PictureFrame, c.Frame);
    EXPECT_EQ(g.HorizontalBar, c.HorizontalBar);
    EXPECT_EQ(g.VerticalBar, c.VerticalBar);
    EXPECT_EQ(g.FocusControl, c.FocusControl);
    EXPECT_EQ(g.ViewTopLeft, c.ViewTopLeft);
    EXPECT_EQ(g.ViewportSize, c.Viewport);
}

INSTANTIATE_TEST_SUITE_P(
    ClientSizes, MainLayout,
    ::testing::Values(TLayoutCase{800, 480, 17, QRect(0, 461, 800, 19), QRect(1, 31, 225, 16),
                                  QRect(1, 50, 225, 166), QRect(1, 222, 225, 2),
                                  QRect(1, 230, 225, 16), QRect(1, 249, 225, 209),
                                  QRect(232, 31, 567, 427), QRect(234, 439, 544, 17),
                                  QRect(780, 33, 17, 404), QRect(779, 438, 19, 19), QPoint(233, 32),
                                  QSize(546, 406)},
                      TLayoutCase{600, 400, 14, QRect(0, 381, 600, 19), QRect(1, 31, 225, 16),
                                  QRect(1, 50, 225, 86), QRect(1, 142, 225, 2),
                                  QRect(1, 150, 225, 16), QRect(1, 169, 225, 209),
                                  QRect(232, 31, 367, 347), QRect(234, 362, 347, 14),
                                  QRect(583, 33, 14, 327), QRect(582, 361, 16, 16), QPoint(233, 32),
                                  QSize(349, 329)}));

// Where a pane lies in the window's client area, whichever half of the splitter holds it.
QRect InClient(TfrmMain& main, const QWidget* pane) {
    return QRect(pane->mapTo(main.centralWidget(), QPoint(0, 0)), pane->size());
}

TEST_F(TEditorTest, WindowPlacesItsPanesByTheLayoutAtEveryResize) {
    Main().resize(900, 600);
    Main().show();
    QApplication::processEvents();
    const QSize client = Main().centralWidget()->size();
    TLayoutInput input;
    input.ClientWidth = client.width();
    input.ClientHeight = client.height();
    input.ScrollBarWidth = Main().style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    input.ColumnWidth = input.OverviewLabelWidth = Main().ColumnWidth();
    const TLayoutGeometry g = ComputeMainLayout(input);
    EXPECT_EQ(Main().stbStatus->geometry(), g.StatusBar);
    EXPECT_EQ(InClient(Main(), Main().pclProperties), g.Properties);
    EXPECT_EQ(InClient(Main(), Main().bvlPicture), g.PictureFrame);
    EXPECT_EQ(InClient(Main(), Main().scbHorizontal), g.HorizontalBar);
    EXPECT_EQ(InClient(Main(), Main().scbVertical), g.VerticalBar);
    EXPECT_EQ(InClient(Main(), Main().FocusControl), g.FocusControl);
    EXPECT_EQ(InClient(Main(), Main().pbxDisplay).topLeft(), g.ViewTopLeft);
    EXPECT_EQ(State().ViewportSize, g.ViewportSize);
    EXPECT_EQ(Main().ControlBar->geometry(), QRect(0, 0, client.width(), 28));
}

TEST_F(TEditorTest, DefaultColumnShowsEveryPropertyTabWithoutScrollArrows) {
    Main().resize(800, 520);
    Main().show();
    QApplication::processEvents();
    EXPECT_EQ(Main().ColumnWidth(), Main().DefaultColumnWidth());
    const QTabBar* tabs = Main().pclProperties->tabBar();
    ASSERT_EQ(tabs->count(), 4);
    const std::vector<QString> texts = {"&Zieladresse", "&JavaScript", "&Koordinaten",
                                        "&Verweisfläche"};
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), texts[static_cast<std::size_t>(i)]);
        EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i))) << i;
    }
    for (const QToolButton* arrow : tabs->findChildren<QToolButton*>()) {
        EXPECT_FALSE(arrow->isVisible());
    }
}

// The user's column width survives the window: the next window starts with it.
TEST_F(TEditorTest, DraggedColumnWidthIsRememberedForTheNextWindow) {
    Main().resize(900, 600);
    Main().show();
    QApplication::processEvents();
    const int wider = Main().DefaultColumnWidth() + 60;
    // A drag of the splitter's handle by 60 pixels to the right.
    QWidget* handle = Main().splColumn->handle(1);
    const auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(handle->mapToGlobal(at)), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(handle, &event);
    };
    send(QEvent::MouseButtonPress, {2, 10}, Qt::LeftButton);
    send(QEvent::MouseMove, {62, 10}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {62, 10}, Qt::NoButton);
    EXPECT_EQ(Main().ColumnWidth(), wider);
    EXPECT_EQ(InClient(Main(), Main().bvlPicture).left(), wider + 7);
    {
        TfrmMain next;
        EXPECT_EQ(next.ColumnWidth(), wider);
    }
    QSettings().clear();
    TfrmMain fresh;
    EXPECT_EQ(fresh.ColumnWidth(), fresh.DefaultColumnWidth());
}

TEST_F(TEditorTest, ResizingWithAMapAdjustsTheView) {
    Main().resize(900, 600);
    Main().show();
    QApplication::processEvents();
    OpenMap(2000, 100);
    const int wide = Main().pbxDisplay->width();
    EXPECT_EQ(wide, State().ViewportSize.width());
    Main().resize(700, 600);
    QApplication::processEvents();
    EXPECT_EQ(Main().pbxDisplay->width(), State().ViewportSize.width());
    EXPECT_LT(Main().pbxDisplay->width(), wide);
    EXPECT_EQ(State().VisibleImageSize.width(), State().ViewportSize.width());
}

} // namespace
} // namespace kvx
