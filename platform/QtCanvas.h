#pragma once
// TCanvas on a QImage of Format_RGB32 through QPainter, without antialiasing. Made once per
// render: pens are built only when a setting changes, and every drawing call first drops
// what lies far outside the image, so that huge coordinates stay cheap. One-pixel outlines
// other than solid rectangle sides are worked out by TOutlinePixels and drawn as point lists.

#include "model/Canvas.h"
#include "platform/OutlinePixels.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>

#include <cstdint>
#include <optional>

namespace kvx {

// Colour code 0x00BBGGRR as a QColor; codes with the high byte 0xFF name a system colour by
// their low byte and are resolved through the application palette.
QColor ColorFromCode(TColor code);
// The code 0x00BBGGRR of a colour.
TColor CodeFromColor(const QColor& color);

class TQtCanvas : public TCanvas {
public:
    // Paints on image for the canvas's lifetime.
    explicit TQtCanvas(QImage& image);
    // Paints on band, which holds the rows bandTop .. bandTop + band.height() - 1 of an image
    // imageHeight rows high: drawing in image coordinates, the band shows exactly the pixels
    // that drawing on the whole image would give it.
    TQtCanvas(QImage& band, int bandTop, int imageHeight);
    // Paints on target in its own pixel coordinates, where the picture that is drawn covers
    // [left, right) x [top, bottom): large ellipses are cut to that picture, so that a part of
    // it shows the pixels drawing on the whole of it would give.
    struct TPictureBox {
        std::int64_t Left;
        std::int64_t Top;
        std::int64_t Right;
        std::int64_t Bottom;
    };
    TQtCanvas(QImage& target, const TPictureBox& picture);

    // From now on changes only the target pixels within part; with one-pixel pens each of them
    // becomes what drawing everything would make it (QPainter, which draws the wider pens,
    // may place their pixels differently under a clip).
    void KeepTo(const QRect& part);

    void SetPenStyle(TPenStyle style) override;
    void SetPenWidth(int width) override;
    void SetPenColor(TColor color) override;
    void SetPenMode(TPenMode mode) override;
    void SetBrushStyle(TBrushStyle style) override;
    void SetBrushColor(TColor color) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    // The same with coordinates beyond the 32-bit range, as a scaled view needs them.
    void Rectangle64(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);
    void Ellipse64(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);
    void MoveTo64(std::int64_t x, std::int64_t y);
    void LineTo64(std::int64_t x, std::int64_t y);

    // Box sides above which an ellipse reaching beyond the image is drawn only where its arcs
    // cross the image, instead of being walked over its whole length.
    static constexpr std::int64_t DirectEllipseLimit = 8192;

private:
    enum class TAxis { Horizontal, Vertical };

    // [Left, Right) x [Top, Bottom), sides in order.
    struct TBox {
        std::int64_t Left;
        std::int64_t Top;
        std::int64_t Right;
        std::int64_t Bottom;
    };

    // The box of a Rectangle or Ellipse call, normalised; nothing when no pixel of it can be
    // drawn (empty box, no part within the image, no image).
    std::optional<TBox> DrawableBox(std::int64_t x1, std::int64_t y1, std::int64_t x2,
                                    std::int64_t y2) const;

    void ApplyPen();
    void ApplyBrush();
    void UsePen(const QPen& pen);
    // Draws the pixels collected in FOutline with the pen's colour and empties it.
    void DrawOutline();
    // Pixels start, start + step, ... (count of them) on the row or column fixed, the dot
    // pattern at position phase for the first of them.
    void DrawRun(TAxis axis, std::int64_t fixed, std::int64_t start, int step, std::int64_t count,
                 std::int64_t phase);
    // LineTo for pens wider than one pixel, left to QPainter.
    void DrawSegment(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
    void DrawLargeEllipse(const QRectF& bounds);
    // Rectangle for pen widths above 1, left to QPainter.
    void DrawWideRectangle(const TBox& box);

    QPainter FPainter;
    std::optional<QRect> FKept;
    int FWidth = 0;
    int FHeight = 0;
    // Drawing coordinates minus these are target pixels: a band's first row is image row
    // FBandTop.
    std::int64_t FBandTop = 0;
    // The whole picture in target pixels.
    TPictureBox FPicture{};
    TPenStyle FPenStyle = TPenStyle::psSolid;
    int FPenWidth = 1;
    TColor FPenColor = clBlack;
    TPenMode FPenMode = TPenMode::pmCopy;
    TBrushStyle FBrushStyle = TBrushStyle::bsSolid;
    TColor FBrushColor = clWhite;
    // The current position, in band coordinates.
    std::int64_t FX = 0;
    std::int64_t FY = 0;

    // Built from the settings above when one of them changed.
    bool FPenDirty = true;
    bool FBrushDirty = true;
    QColor FPenQColor;
    QColor FBrushQColor;
    // Ends flat, the end point not drawn.
    QPen FLinePen;
    // Solid, one pixel: for the pixels of FOutline.
    QPen FPointPen;
    // One-pixel outlines (dotted ones, lines and unfilled ellipses) are worked out here.
    TOutlinePixels FOutline;
    const QPen* FActivePen = nullptr;
};

} // namespace kvx
