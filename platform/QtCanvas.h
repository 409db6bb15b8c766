#pragma once
// TCanvas on a QImage of Format_RGB32 through QPainter, without antialiasing.

#include "model/Canvas.h"

#include <QImage>
#include <QPainter>

namespace kvx {

// System colour codes (high byte 0xFF) resolved through the application palette.
QColor ColorFromCode(TColor code);
TColor CodeFromColor(const QColor& color);

class TQtCanvas : public TCanvas {
public:
    explicit TQtCanvas(QImage& image);

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

private:
    void ApplyPen();
    void ApplyBrush();

    QPainter FPainter;
    TPenStyle FPenStyle = TPenStyle::psSolid;
    int FPenWidth = 1;
    TColor FPenColor = clBlack;
    TPenMode FPenMode = TPenMode::pmCopy;
    TBrushStyle FBrushStyle = TBrushStyle::bsSolid;
    TColor FBrushColor = clWhite;
    int FX = 0;
    int FY = 0;
};

} // namespace kvx
