#pragma once
// The canvas the areas draw on when the view shows them: image coordinates are turned into
// view pixels, so that outlines stay one view pixel wide and handles keep their size on the
// screen at every zoom. At 100 % it draws the very pixels that drawing on the image gives.

#include "model/Canvas.h"
#include "platform/QtCanvas.h"

#include <QPoint>
#include <QSize>

namespace kvx {

// The view pixels that drawing within the image box [left, right] x [top, bottom] (every
// point drawn and every handle placed) can touch, with a pen penWidth pixels wide, on a view
// showing the image from origin on at scale.
QRect ViewReach(QPoint origin, double scale, std::int64_t left, std::int64_t top,
                std::int64_t right, std::int64_t bottom, int penWidth);

class TViewCanvas : public TCanvas {
public:
    // Draws on view, which shows the image (imageSize pixels) from image point origin on at
    // scale view pixels per image pixel.
    TViewCanvas(QImage& view, QSize imageSize, QPoint origin, double scale);

    // Changes only the view pixels within part, as drawing everything would.
    void KeepTo(const QRect& part) { FTarget.KeepTo(part); }

    void SetPenStyle(TPenStyle style) override { FTarget.SetPenStyle(style); }
    void SetPenWidth(int width) override { FTarget.SetPenWidth(width); }
    void SetPenColor(TColor color) override { FTarget.SetPenColor(color); }
    void SetPenMode(TPenMode mode) override { FTarget.SetPenMode(mode); }
    void SetBrushStyle(TBrushStyle style) override { FTarget.SetBrushStyle(style); }
    void SetBrushColor(TColor color) override { FTarget.SetBrushColor(color); }
    // A box's first and last image pixels become the view pixels under their centres, so a
    // one-pixel outline runs through the middle of the pixels it marks at every zoom.
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Handle(std::int64_t hx, std::int64_t hy) override;

private:
    struct TViewBox {
        std::int64_t X1;
        std::int64_t Y1;
        std::int64_t X2;
        std::int64_t Y2;
    };
    TViewBox ViewBox(int x1, int y1, int x2, int y2) const;
    std::int64_t ViewX(std::int64_t x) const;
    std::int64_t ViewY(std::int64_t y) const;

    QPoint FOrigin;
    double FScale;
    TQtCanvas FTarget;
};

} // namespace kvx
