#pragma once
// The circular link area (kind 2): a centre and a radius, with one handle on the rightmost
// point of the circle for changing the radius.

#include "model/LinkArea.h"

#include <cstdint>
#include <string>

namespace kvx {

class TCircleLinkArea : public TLinkArea {
public:
    // A circle of radius 1 around (x, y), still being edited; status names the centre.
    TCircleLinkArea(int x, int y, std::string& status);

    // Result of the last HitTest: -1 nothing, 0 body, 1 radius handle.
    std::int32_t ActiveHandle = -1;
    std::int32_t CenterX = 0;
    std::int32_t CenterY = 0;
    // May be 0 or negative during an edit and after SetProperties; nothing is inside then.
    std::int32_t Radius = 1;

    void Draw(TCanvas& canvas, bool selected) const override;
    void Modify(int oldX, int oldY, int newX, int newY, TModifyMode mode,
                std::string& status) override;
    void Move(int oldX, int oldY, int newX, int newY, std::string& status) override;
    using TLinkArea::CursorAt;
    using TLinkArea::HitTest;
    TCursor CursorAt(const TPointer& pointer) const override;
    THitResult HitTest(const TPointer& pointer, std::string& status) override;
    void GetProperties(TLinkAreaProperties& props) const override;
    void SetProperties(const TLinkAreaProperties& props) override;
    void GetHtml(bool editorAttributes, bool preview, std::string& html) const override;
    // The body of the hit test: the distance from the centre, truncated to an integer, is at
    // most Radius.
    bool Contains(int x, int y) const;

private:
    bool IsOnRadiusHandle(const TPointer& pointer) const;
};

} // namespace kvx
