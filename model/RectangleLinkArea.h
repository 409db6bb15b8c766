#pragma once
// The rectangular link area (kind 1): an axis-parallel rectangle with eight handles.

#include "model/LinkArea.h"

#include <array>
#include <cstdint>
#include <string>

namespace kvx {

class TRectangleLinkArea : public TLinkArea {
public:
    // A 1 x 1 rectangle at (x, y), still being edited; status names the first corner.
    TRectangleLinkArea(int x, int y, std::string& status);

    // Result of the last HitTest: -1 nothing, 0 body, 1 to 8 a handle (see HandlePoint).
    std::int32_t ActiveHandle = 0;
    // Edges; X1 <= X2 and Y1 <= Y2 except while Editing.
    std::int32_t X1 = 0;
    std::int32_t Y1 = 0;
    std::int32_t X2 = 0;
    std::int32_t Y2 = 0;

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
    // The body of the hit test: edges included.
    bool Contains(std::int64_t x, std::int64_t y) const;

private:
    struct THandlePoint {
        std::int64_t X;
        std::int64_t Y;
    };
    // Where handle code (1 to 8) sits.
    THandlePoint HandlePoint(int code) const;
    // The first handle in order within reach of (x, y), or 0 when there is none.
    int HandleAt(const TPointer& pointer, const std::array<int, 8>& order) const;
    // Swaps the edges where the first is greater.
    void Normalize();
    // "(X: X1, Y: Y1) -> (X: X2, Y:Y2)" behind the given prefix.
    std::string CornersText(const char* prefix) const;
};

} // namespace kvx
