#include "model/RectangleLinkArea.h"

#include "model/Int32Arithmetic.h"
#include "model/TextConversion.h"

#include <utility>

namespace kvx {

namespace {

// Handle codes: 1 bottom-right, 2 top-right, 3 bottom-left, 4 right middle, 5 bottom middle,
// 6 left middle, 7 top middle, 8 top-left.
constexpr std::array<int, 8> HitOrder = {1, 2, 3, 4, 5, 6, 7, 8};
// The cursor looks at the bottom middle before the right middle, unlike the hit test.
constexpr std::array<int, 8> CursorOrder = {1, 2, 3, 5, 4, 7, 6, 8};
constexpr std::array<int, 8> DrawOrder = {8, 6, 7, 4, 5, 3, 2, 1};

constexpr TCursor CursorOfHandle(int code) {
    switch (code) {
    case 1:
    case 8:
        return crSizeNWSE;
    case 2:
    case 3:
        return crSizeNESW;
    case 4:
    case 6:
        return crSizeWE;
    default:
        return crSizeNS;
    }
}

} // namespace

TRectangleLinkArea::TRectangleLinkArea(int x, int y, std::string& status)
    : X1(x), Y1(y), X2(Shifted(x, 1)), Y2(Shifted(y, 1)) {
    status = "(X: " + IntToStr(X1) + ", Y: " + IntToStr(Y1) + ")";
}

TRectangleLinkArea::THandlePoint TRectangleLinkArea::HandlePoint(int code) const {
    // Midpoints truncate toward zero, as integer division does.
    const std::int64_t midX = (static_cast<std::int64_t>(X1) + X2) / 2;
    const std::int64_t midY = (static_cast<std::int64_t>(Y1) + Y2) / 2;
    switch (code) {
    case 1:
        return {X2, Y2};
    case 2:
        return {X2, Y1};
    case 3:
        return {X1, Y2};
    case 4:
        return {X2, midY};
    case 5:
        return {midX, Y2};
    case 6:
        return {X1, midY};
    case 7:
        return {midX, Y1};
    default:
        return {X1, Y1};
    }
}

int TRectangleLinkArea::HandleAt(const TPointer& pointer, const std::array<int, 8>& order) const {
    for (const int code : order) {
        const THandlePoint handle = HandlePoint(code);
        if (pointer.Reaches(handle.X, handle.Y)) {
            return code;
        }
    }
    return 0;
}

bool TRectangleLinkArea::Contains(std::int64_t x, std::int64_t y) const {
    return X1 <= x && x <= X2 && Y1 <= y && y <= Y2;
}

void TRectangleLinkArea::Normalize() {
    if (X1 > X2) {
        std::swap(X1, X2);
    }
    if (Y1 > Y2) {
        std::swap(Y1, Y2);
    }
}

std::string TRectangleLinkArea::CornersText(const char* prefix) const {
    return prefix + std::string("(X: ") + IntToStr(X1) + ", Y: " + IntToStr(Y1) +
           ") -> (X: " + IntToStr(X2) + ", Y:" + IntToStr(Y2) + ")";
}

void TRectangleLinkArea::Draw(TCanvas& canvas, bool selected) const {
    PrepareOutline(canvas, selected);
    canvas.Rectangle(X1, Y1, X2, Y2);
    if (selected && !Editing) {
        PrepareHandles(canvas);
        for (const int code : DrawOrder) {
            const THandlePoint handle = HandlePoint(code);
            canvas.Handle(handle.X, handle.Y);
        }
    }
}

void TRectangleLinkArea::Modify(int oldX, int oldY, int newX, int newY, TModifyMode mode,
                                std::string& status) {
    Editing = true;
    switch (mode) {
    case mmDragNew:
        X2 = newX;
        Y2 = newY;
        status = "-> (X: " + IntToStr(X2) + ", Y: " + IntToStr(Y2) + ")";
        break;
    case mmDragHandle: {
        const std::int64_t dx = Distance(oldX, newX);
        const std::int64_t dy = Distance(oldY, newY);
        switch (ActiveHandle) {
        case 1:
            X2 = Shifted(X2, dx);
            Y2 = Shifted(Y2, dy);
            break;
        case 2:
            X2 = Shifted(X2, dx);
            Y1 = Shifted(Y1, dy);
            break;
        case 3:
            X1 = Shifted(X1, dx);
            Y2 = Shifted(Y2, dy);
            break;
        case 4:
            X2 = Shifted(X2, dx);
            break;
        case 5:
            Y2 = Shifted(Y2, dy);
            break;
        case 6:
            X1 = Shifted(X1, dx);
            break;
        case 7:
            Y1 = Shifted(Y1, dy);
            break;
        case 8:
            X1 = Shifted(X1, dx);
            Y1 = Shifted(Y1, dy);
            break;
        default:
            break;
        }
        status = CornersText("NEU: ");
        break;
    }
    case mmFinish:
        Editing = false;
        Normalize();
        break;
    case mmAddPoint:
        break;
    }
}

void TRectangleLinkArea::Move(int oldX, int oldY, int newX, int newY, std::string& status) {
    Editing = true;
    const std::int64_t dx = Distance(oldX, newX);
    const std::int64_t dy = Distance(oldY, newY);
    X1 = Shifted(X1, dx);
    X2 = Shifted(X2, dx);
    Y1 = Shifted(Y1, dy);
    Y2 = Shifted(Y2, dy);
    status = CornersText("NEU: ");
}

TCursor TRectangleLinkArea::CursorAt(const TPointer& pointer) const {
    if (const int code = HandleAt(pointer, CursorOrder); code != 0) {
        return CursorOfHandle(code);
    }
    return Contains(pointer.X, pointer.Y) ? crHandPoint : crCross;
}

THitResult TRectangleLinkArea::HitTest(const TPointer& pointer, std::string& status) {
    ActiveHandle = HandleAt(pointer, HitOrder);
    if (ActiveHandle == 0 && !Contains(pointer.X, pointer.Y)) {
        ActiveHandle = -1;
        return hrNone;
    }
    status = CornersText("ALT: ");
    return ActiveHandle == 0 ? hrBody : hrHandle;
}

void TRectangleLinkArea::GetProperties(TLinkAreaProperties& props) const {
    props.Kind = akRectangle;
    GetCommonProperties(props);
    props.Coords = {"X1", IntToStr(X1), "Y1", IntToStr(Y1), "X2", IntToStr(X2), "Y2", IntToStr(Y2)};
}

void TRectangleLinkArea::SetProperties(const TLinkAreaProperties& props) {
    SetCommonProperties(props);
    try {
        X1 = CoordinateValue(props, 1);
        Y1 = CoordinateValue(props, 3);
        X2 = CoordinateValue(props, 5);
        Y2 = CoordinateValue(props, 7);
    } catch (...) {
        // The values taken so far stay, but the rectangle must not be left inside out.
        Normalize();
        throw;
    }
    Normalize();
}

void TRectangleLinkArea::GetHtml(bool editorAttributes, bool preview, std::string& html) const {
    html = " <area shape=\"rect\" coords=\"" + IntToStr(X1) + "," + IntToStr(Y1) + "," +
           IntToStr(X2) + "," + IntToStr(Y2) + "\" ";
    AppendAttributes(editorAttributes, preview, html);
}

} // namespace kvx
