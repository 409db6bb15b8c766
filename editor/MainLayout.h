#pragma once
// Where the main window's panes go for a given client size. The window places every pane by
// hand with these rectangles, so the numbers can be checked without showing a window.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kvx {

// The client size and the sizes of the panes that the layout does not change.
// The left column: one pixel either side of its panes, then the splitter's handle; neither
// the column nor the picture is dragged narrower than its minimum.
inline constexpr int ColumnMargins = 2;
inline constexpr int ColumnGap = 5;
inline constexpr int MinimumColumnWidth = 150;
inline constexpr int MinimumPictureWidth = 100;

struct TLayoutInput {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int ScrollBarWidth = 17; // the system's width of a vertical scroll bar
    int ControlBarHeight = 28;
    int StatusBarHeight = 19;
    int OverviewLabelHeight = 16;
    int OverviewLabelWidth = 225;
    int DividerHeight = 2;
    int PropertiesLabelHeight = 16;
    int PropertiesHeight = 209;
    int ColumnWidth = 225; // tree, divider, properties caption and pages
};

struct TLayoutGeometry {
    QRect StatusBar;
    QRect OverviewLabel;
    QRect Overview;
    QRect Divider;
    QRect PropertiesLabel;
    QRect Properties;
    QRect PictureFrame;
    QRect HorizontalBar;
    QRect VerticalBar;
    QRect FocusControl;
    QPoint ViewTopLeft; // the view's size is set by AdjustView
    QSize ViewportSize;
};

TLayoutGeometry ComputeMainLayout(const TLayoutInput& input);

} // namespace kvx
