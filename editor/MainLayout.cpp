#include "editor/MainLayout.h"

namespace kvx {

TLayoutGeometry ComputeMainLayout(const TLayoutInput& in) {
    TLayoutGeometry g;
    const int barWidth = in.ScrollBarWidth;
    const int cw = in.ClientWidth;
    const int ch = in.ClientHeight;

    g.StatusBar = QRect(0, ch - in.StatusBarHeight, cw, in.StatusBarHeight);

    const int dividerTop = ch - in.StatusBarHeight - 3 - in.PropertiesHeight - 3 -
                           in.PropertiesLabelHeight - 6 - in.DividerHeight;
    const int left = 1;
    const int overviewLabelTop = in.ControlBarHeight + 3;
    g.OverviewLabel = QRect(left, overviewLabelTop, in.OverviewLabelWidth, in.OverviewLabelHeight);
    const int treeTop = in.ControlBarHeight + 3 + in.OverviewLabelHeight + 3;
    g.Overview = QRect(left, treeTop, in.ColumnWidth, dividerTop - 6 - treeTop);
    g.Divider = QRect(left, dividerTop, in.ColumnWidth, in.DividerHeight);
    const int propertiesLabelTop = dividerTop + in.DividerHeight + 6;
    g.PropertiesLabel = QRect(left, propertiesLabelTop, in.ColumnWidth, in.PropertiesLabelHeight);
    g.Properties = QRect(left, propertiesLabelTop + in.PropertiesLabelHeight + 3, in.ColumnWidth,
                         in.PropertiesHeight);

    const int frameTop = in.ControlBarHeight + 3;
    const int frameHeight = ch - frameTop - in.StatusBarHeight - 3;
    const int frameLeft = left + in.OverviewLabelWidth + 6;
    const int frameWidth = cw - frameLeft - 1;
    g.PictureFrame = QRect(frameLeft, frameTop, frameWidth, frameHeight);

    const int hBarTop = frameTop + frameHeight - 2 - barWidth;
    const int hBarLeft = frameLeft + 2;
    const int hBarWidth = frameLeft + frameWidth - 4 - barWidth - hBarLeft;
    g.HorizontalBar = QRect(hBarLeft, hBarTop, hBarWidth, barWidth);

    const int vBarTop = frameTop + 2;
    const int vBarLeft = frameLeft + frameWidth - 2 - barWidth;
    const int vBarHeight = frameTop + frameHeight - 4 - barWidth - vBarTop;
    g.VerticalBar = QRect(vBarLeft, vBarTop, barWidth, vBarHeight);

    g.FocusControl =
        QRect(hBarLeft + hBarWidth + 1, vBarTop + vBarHeight + 1, barWidth + 2, barWidth + 2);
    g.ViewTopLeft = QPoint(frameLeft + 1, frameTop + 1);
    g.ViewportSize = QSize(frameWidth - barWidth - 4, frameHeight - barWidth - 4);
    return g;
}

} // namespace kvx
