// The main window's layout: the panes placed by the computed geometry inside the two halves
// of the column splitter, and the column's remembered width.
#include "editor/FrmMain.h"

#include "editor/DisplayView.h"
#include "editor/FocusControl.h"
#include "editor/MainLayout.h"
#include "editor/OverviewTree.h"
#include "editor/PropertyPanel.h"

#include <QLabel>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <algorithm>

namespace kvx {

namespace {

constexpr const char* ColumnWidthKey = "Hauptfenster/Spaltenbreite";

} // namespace

void TfrmMain::FormResize() {
    if (FLayingOut) {
        return;
    }
    FLayingOut = true;
    TLayoutInput input;
    input.ClientWidth = FClient->width();
    input.ClientHeight = FClient->height();
    input.ScrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scbVertical);
    input.ControlBarHeight = 28;
    input.StatusBarHeight = stbStatus->height();
    input.OverviewLabelHeight = lblOverview->height();
    input.DividerHeight = bvlDivider->height();
    input.PropertiesLabelHeight = lblProperties->height();
    input.PropertiesHeight = pclProperties->height();
    // The picture keeps its minimum width in a narrow window; the column gives way.
    const int room = input.ClientWidth - ColumnMargins - ColumnGap - MinimumPictureWidth;
    input.ColumnWidth = std::max(MinimumColumnWidth, std::min(FColumnWidth, room));
    input.OverviewLabelWidth = input.ColumnWidth;
    const TLayoutGeometry g = ComputeMainLayout(input);

    ControlBar->setGeometry(0, 0, input.ClientWidth, input.ControlBarHeight);
    stbStatus->setGeometry(g.StatusBar);
    splColumn->setGeometry(0, g.PictureFrame.top(), input.ClientWidth, g.PictureFrame.height());
    const int columnOuter = input.ColumnWidth + ColumnMargins;
    splColumn->setSizes({columnOuter, input.ClientWidth - columnOuter - ColumnGap});
    // The panes are placed by the layout's client coordinates, moved into their halves.
    const QPoint column = splColumn->pos() + pnlColumn->pos();
    const QPoint picture = splColumn->pos() + pnlPicture->pos();
    lblOverview->setGeometry(g.OverviewLabel.translated(-column));
    trvOverview->setGeometry(g.Overview.translated(-column));
    bvlDivider->setGeometry(g.Divider.translated(-column));
    lblProperties->setGeometry(g.PropertiesLabel.translated(-column));
    pclProperties->setGeometry(g.Properties.translated(-column));
    bvlPicture->setGeometry(g.PictureFrame.translated(-picture));
    scbHorizontal->setGeometry(g.HorizontalBar.translated(-picture));
    scbVertical->setGeometry(g.VerticalBar.translated(-picture));
    FocusControl->setGeometry(g.FocusControl.translated(-picture));
    pbxDisplay->move(g.ViewTopLeft - picture);
    FState.ViewportSize = g.ViewportSize;
    FLayingOut = false;
    if (HasMap()) {
        AdjustView();
    }
}

void TfrmMain::splColumnMoved() {
    if (FLayingOut) {
        return;
    }
    FColumnWidth = std::max(MinimumColumnWidth, pnlColumn->width() - ColumnMargins);
    QSettings().setValue(QString::fromLatin1(ColumnWidthKey), FColumnWidth);
    FormResize();
}

int TfrmMain::DefaultColumnWidth() const {
    // The tab row needs its full width, or the tabs hide behind scroll arrows.
    return std::max(MinimumColumnWidth, pclProperties->tabBar()->sizeHint().width() + 2);
}

void TfrmMain::SetColumnWidth(int width) {
    FColumnWidth = std::max(MinimumColumnWidth, width);
    FormResize();
}

void TfrmMain::LoadColumnWidth() {
    bool remembered = false;
    const int width = QSettings().value(QString::fromLatin1(ColumnWidthKey)).toInt(&remembered);
    FColumnWidth = remembered ? std::max(MinimumColumnWidth, width) : DefaultColumnWidth();
}

} // namespace kvx
