#pragma once
// The polygonal link area (kind 3): vertices in order, built one per click and closed when
// the drawing is finished, with a handle on every vertex.

#include "model/LinkArea.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kvx {

struct TPolygonPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

class TPolygonLinkArea : public TLinkArea {
public:
    // The vertex (x, y) and the rubber-band vertex (x + 1, y + 1), which is current.
    TPolygonLinkArea(int x, int y, std::string& status);

    // Index into Points() of the current vertex; NoPoint when there is none.
    static constexpr std::ptrdiff_t NoPoint = -1;

    // Still being drawn: the last vertex follows the mouse and the closing edge is not drawn.
    bool IsOpen() const { return FOpen; }
    std::int32_t PointCount() const { return static_cast<std::int32_t>(FPoints.size()); }
    const std::vector<TPolygonPoint>& Points() const { return FPoints; }
    // The vertex grabbed by the last HitTest or the vertex added last.
    std::ptrdiff_t CurrentPoint() const { return FCurrent; }
    // Even-odd test with the closing edge included, also while the polygon is open.
    bool Contains(int x, int y) const;
    // The runs of row y where Contains holds, left to right, each as its first and last x:
    // what asking Contains for every x would give, in time that grows with the edges only.
    std::vector<std::pair<std::int64_t, std::int64_t>> RowSpans(int y) const;
    // The same into spans (cleared first), for callers that ask row after row.
    void RowSpans(int y, std::vector<std::pair<std::int64_t, std::int64_t>>& spans) const;

    void Draw(TCanvas& canvas, bool selected) const override;
    void Modify(int oldX, int oldY, int newX, int newY, TModifyMode mode,
                std::string& status) override;
    void Move(int oldX, int oldY, int newX, int newY, std::string& status) override;
    using TLinkArea::CursorAt;
    using TLinkArea::HitTest;
    TCursor CursorAt(const TPointer& pointer) const override;
    THitResult HitTest(const TPointer& pointer, std::string& status) override;
    void GetProperties(TLinkAreaProperties& props) const override;
    // Coords needs four entries per vertex; the number of vertices never changes here.
    void SetProperties(const TLinkAreaProperties& props) override;
    void GetHtml(bool editorAttributes, bool preview, std::string& html) const override;

    // Index of the first vertex whose handle the pointer reaches, or NoPoint.
    std::ptrdiff_t VertexAt(const TPointer& pointer) const;
    // Of a closed polygon: the edge nearest the pointer within reach view pixels of it, as
    // the index of its first vertex (the last edge returns to vertex 0), or NoPoint.
    std::ptrdiff_t EdgeAt(const TPointer& pointer, double reach) const;
    // A vertex put before index (at most PointCount()).
    void InsertPoint(std::size_t index, TPolygonPoint point);
    // Removes the vertex at index; false, with nothing changed, when three or fewer are left
    // or there is no such vertex.
    bool DeletePoint(std::size_t index);

private:
    std::vector<TPolygonPoint> FPoints;
    bool FOpen = true;
    std::ptrdiff_t FCurrent = NoPoint;
};

} // namespace kvx
