#include "model/CircleLinkArea.h"

#include "model/Int32Arithmetic.h"
#include "model/TextConversion.h"

#include <cstdlib>

namespace kvx {

namespace {

// |value| that stays a 32-bit value: the one radius without a positive twin becomes the
// largest positive one.
std::int32_t AbsoluteRadius(std::int32_t value) {
    return Saturate32(std::llabs(static_cast<long long>(value)));
}

} // namespace

TCircleLinkArea::TCircleLinkArea(int x, int y, std::string& status) : CenterX(x), CenterY(y) {
    status = "Mittelpunkt (X: " + IntToStr(CenterX) + ", Y: " + IntToStr(CenterY) + ")";
}

bool TCircleLinkArea::IsOnRadiusHandle(const TPointer& pointer) const {
    return pointer.Reaches(static_cast<std::int64_t>(CenterX) + Radius, CenterY);
}

bool TCircleLinkArea::Contains(int x, int y) const {
    if (Radius < 0) {
        return false;
    }
    // trunc(sqrt(dx² + dy²)) <= r  exactly when  dx² + dy² < (r + 1)².  A distance beyond
    // r + 1 along one axis is outside already; below it the squares fit into 64 bits.
    const std::uint64_t limit = static_cast<std::uint64_t>(Radius) + 1;
    const std::uint64_t dx = static_cast<std::uint64_t>(std::llabs(Distance(CenterX, x)));
    const std::uint64_t dy = static_cast<std::uint64_t>(std::llabs(Distance(CenterY, y)));
    if (dx >= limit || dy >= limit) {
        return false;
    }
    return dx * dx + dy * dy < limit * limit;
}

void TCircleLinkArea::Draw(TCanvas& canvas, bool selected) const {
    PrepareOutline(canvas, selected);
    const std::int64_t left = static_cast<std::int64_t>(CenterX) - Radius;
    const std::int64_t top = static_cast<std::int64_t>(CenterY) - Radius;
    const std::int64_t right = static_cast<std::int64_t>(CenterX) + Radius;
    const std::int64_t bottom = static_cast<std::int64_t>(CenterY) + Radius;
    canvas.Ellipse(Saturate32(left), Saturate32(top), Saturate32(right), Saturate32(bottom));
    if (selected && !Editing) {
        PrepareHandles(canvas);
        canvas.Handle(right, CenterY);
    }
}

void TCircleLinkArea::Modify(int oldX, int oldY, int newX, int newY, TModifyMode mode,
                             std::string& status) {
    (void)oldY;
    Editing = true;
    switch (mode) {
    case mmDragNew: {
        const std::int64_t dx = Distance(CenterX, newX);
        const std::int64_t dy = Distance(CenterY, newY);
        Radius = Wrap32(std::llabs(dx) >= std::llabs(dy) ? dx : dy);
        status = "-> Radius (" + IntToStr(Radius) + ")";
        break;
    }
    case mmDragHandle:
        if (ActiveHandle == 1) {
            Radius = Shifted(Radius, Distance(oldX, newX));
            status = "NEU: Radius (" + IntToStr(std::llabs(static_cast<long long>(Radius))) + ")";
        }
        break;
    case mmFinish:
        Radius = AbsoluteRadius(Radius);
        Editing = false;
        break;
    case mmAddPoint:
        break;
    }
}

void TCircleLinkArea::Move(int oldX, int oldY, int newX, int newY, std::string& status) {
    Editing = true;
    if (ActiveHandle != 0) {
        return;
    }
    CenterX = Shifted(CenterX, Distance(oldX, newX));
    CenterY = Shifted(CenterY, Distance(oldY, newY));
    status = "NEU: Mittelpunkt (X: " + IntToStr(CenterX) + ", Y: " + IntToStr(CenterY) + ")";
}

TCursor TCircleLinkArea::CursorAt(const TPointer& pointer) const {
    if (IsOnRadiusHandle(pointer)) {
        return crSizeWE;
    }
    return Contains(pointer.X, pointer.Y) ? crHandPoint : crCross;
}

THitResult TCircleLinkArea::HitTest(const TPointer& pointer, std::string& status) {
    if (IsOnRadiusHandle(pointer)) {
        ActiveHandle = 1;
        status = "ALT: cRadius (" + IntToStr(Radius) + ")";
        return hrHandle;
    }
    if (Contains(pointer.X, pointer.Y)) {
        ActiveHandle = 0;
        status = "ALT: Mittelpunkt (X: " + IntToStr(CenterX) + ", Y: " + IntToStr(CenterY) + ")";
        return hrBody;
    }
    ActiveHandle = -1;
    return hrNone;
}

void TCircleLinkArea::GetProperties(TLinkAreaProperties& props) const {
    props.Kind = akCircle;
    GetCommonProperties(props);
    props.Coords = {"Mittelpunkt: X",  IntToStr(CenterX), "Mittelpunkt: Y",
                    IntToStr(CenterY), "Radius",          IntToStr(Radius)};
}

void TCircleLinkArea::SetProperties(const TLinkAreaProperties& props) {
    SetCommonProperties(props);
    CenterX = CoordinateValue(props, 1);
    CenterY = CoordinateValue(props, 3);
    Radius = CoordinateValue(props, 5);
}

void TCircleLinkArea::GetHtml(bool editorAttributes, bool preview, std::string& html) const {
    html = " <area shape=\"circle\" coords=\"" + IntToStr(CenterX) + "," + IntToStr(CenterY) + "," +
           IntToStr(Radius) + "\" ";
    AppendAttributes(editorAttributes, preview, html);
}

} // namespace kvx
