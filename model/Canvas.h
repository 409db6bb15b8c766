#pragma once
// The drawing surface the link areas draw on. Rectangles and ellipses have exclusive right
// and bottom bounds: Rectangle(0, 0, 10, 10) outlines the pixels 0 to 9.

#include "model/Int32Arithmetic.h"
#include "model/Pointer.h"

#include <cstdint>

namespace kvx {

// Colour code 0x00BBGGRR; a code whose high byte is 0xFF names a system colour by its low byte.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000F);
constexpr TColor clWindowText = static_cast<TColor>(0xFF000008);
constexpr TColor clGrayText = static_cast<TColor>(0xFF000011);

enum class TPenStyle { psSolid, psDot };
enum class TPenMode { pmCopy, pmNot };
enum class TBrushStyle { bsSolid, bsClear };

class TCanvas {
public:
    virtual ~TCanvas() = default;

    virtual void SetPenStyle(TPenStyle style) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetPenColor(TColor color) = 0;
    virtual void SetPenMode(TPenMode mode) = 0;
    virtual void SetBrushStyle(TBrushStyle style) = 0;
    virtual void SetBrushColor(TColor color) = 0;

    // Outline with the pen and, with a solid brush, fill of (x1, y1) .. (x2 - 1, y2 - 1).
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Ellipse inscribed in the same box as Rectangle.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // Line from the current position to (x, y), the end point itself not drawn.
    virtual void LineTo(int x, int y) = 0;
    // A handle square centred on (hx, hy) with the current pen and brush, covering
    // hx - HandleReach .. hx + HandleReach - 1 (and the same rows); a canvas that shows the
    // image scaled keeps the square's size on the screen.
    virtual void Handle(std::int64_t hx, std::int64_t hy) {
        // A handle beyond the 32-bit range lies far outside every image; saturating keeps it
        // there.
        Rectangle(Saturate32(hx - HandleReach), Saturate32(hy - HandleReach),
                  Saturate32(hx + HandleReach), Saturate32(hy + HandleReach));
    }
};

} // namespace kvx
