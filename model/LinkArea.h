#pragma once
// The abstract link area: the data every area carries and its eight operations.

#include "model/Canvas.h"
#include "model/Pointer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

// Cursor identifiers the areas report for a point.
using TCursor = std::int16_t;
constexpr TCursor crCross = -3;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

enum TModifyMode : std::uint8_t { mmDragHandle = 0, mmDragNew = 1, mmFinish = 2, mmAddPoint = 3 };

enum THitResult : std::uint8_t { hrNone = 0, hrHandle = 2, hrBody = 3 };

enum TAreaKind : std::uint8_t { akNone = 0, akRectangle = 1, akCircle = 2, akPolygon = 3 };

// An area as a whole, as the panel, the readers and the duplicate action exchange it.
struct TLinkAreaProperties {
    std::uint8_t Kind = akNone;
    std::int32_t Id = 0;
    std::string Href;
    std::string Alt;
    std::string Target;
    std::string OnMouseOver;
    std::string OnMouseOut;
    std::string OnClick;
    TColor Color = 0;
    bool Contrast = false;
    // Coordinates grid flattened row by row: label, value, label, value, ...
    std::vector<std::string> Coords;

    friend bool operator==(const TLinkAreaProperties&, const TLinkAreaProperties&) = default;
};

class TLinkArea {
public:
    virtual ~TLinkArea() = default;

    std::string Href;
    std::string Alt;
    std::string Target;
    TColor Color = 0;
    bool Contrast = true;
    std::string OnMouseOver;
    std::string OnMouseOut;
    std::string OnClick;
    // An interactive creation, resize or move is under way; handles are hidden meanwhile.
    bool Editing = true;

    virtual void Draw(TCanvas& canvas, bool selected) const = 0;
    virtual void Modify(int oldX, int oldY, int newX, int newY, TModifyMode mode,
                        std::string& status) = 0;
    virtual void Move(int oldX, int oldY, int newX, int newY, std::string& status) = 0;
    virtual TCursor CursorAt(const TPointer& pointer) const = 0;
    virtual THitResult HitTest(const TPointer& pointer, std::string& status) = 0;
    // The same for a pointer on image pixel (x, y) of a view at 100 %.
    TCursor CursorAt(int x, int y) const { return CursorAt(TPointer::AtPixel(x, y)); }
    THitResult HitTest(int x, int y, std::string& status) {
        return HitTest(TPointer::AtPixel(x, y), status);
    }
    virtual void GetProperties(TLinkAreaProperties& props) const = 0;
    // Takes the texts, Color and Contrast, then the coordinates in order. A coordinate text
    // that is not an integer raises EConvertError, a missing one std::out_of_range; what was
    // taken before the fault stays.
    virtual void SetProperties(const TLinkAreaProperties& props) = 0;
    virtual void GetHtml(bool editorAttributes, bool preview, std::string& html) const = 0;

    // The text of the preview's alert box as the inside of a script string literal:
    // "Eigenschaften der Verweisfläche: \n href = ...", each text escaped for the literal.
    std::string PreviewAlertText() const;

protected:
    TLinkArea() = default;
    TLinkArea(const TLinkArea&) = default;
    TLinkArea& operator=(const TLinkArea&) = default;

    // Pen and brush for the outline: clear brush, dotted unless selected, inverting or Color.
    void PrepareOutline(TCanvas& canvas, bool selected) const;
    // Pen and brush for the handles: black border, white filling, copying.
    static void PrepareHandles(TCanvas& canvas);

    // The six texts, Color and Contrast, as every shape reads and writes them.
    void GetCommonProperties(TLinkAreaProperties& props) const;
    void SetCommonProperties(const TLinkAreaProperties& props);
    // The integer of Coords entry index. Raises EConvertError for a text that is no integer
    // and std::out_of_range when Coords has no such entry.
    static std::int32_t CoordinateValue(const TLinkAreaProperties& props, std::size_t index);

    // Everything after the shape's opening text, " />" and CR LF included.
    void AppendAttributes(bool editorAttributes, bool preview, std::string& html) const;
};

} // namespace kvx
