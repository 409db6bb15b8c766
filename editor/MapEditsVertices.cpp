// The edit layer's changes of a finished polygon's vertices.
#include "editor/EditSteps.h"
#include "editor/MapEdits.h"
#include "model/PolygonLinkArea.h"

#include <optional>

namespace kvx {

namespace {

// How near an edge a click must come, in view pixels: as near as a handle's.
constexpr double EdgeReach = HandleReach;

// A vertex or an edge of a polygon in the map: the polygon's id and the index.
struct TPolygonSpot {
    std::int32_t Id = 0;
    std::size_t Index = 0;
    const TPolygonLinkArea* Polygon = nullptr;
};

// The vertex (vertex) or the edge at p; the selected polygon wins where polygons overlap.
std::optional<TPolygonSpot> SpotAt(const TImageMap& map, const TPointer& p, bool vertex) {
    std::vector<std::size_t> order;
    const std::ptrdiff_t selected = map.IndexOf(map.SelectedId());
    if (selected >= 0) {
        order.push_back(static_cast<std::size_t>(selected));
    }
    for (std::size_t i = 0; i < map.Entries().size(); ++i) {
        order.push_back(i);
    }
    for (const std::size_t i : order) {
        const TLinkAreaEntry& entry = map.Entries()[i];
        const auto* polygon = dynamic_cast<const TPolygonLinkArea*>(entry.Area.get());
        if (polygon == nullptr || polygon->IsOpen()) {
            continue;
        }
        const std::ptrdiff_t index = vertex ? polygon->VertexAt(p) : polygon->EdgeAt(p, EdgeReach);
        if (index != TPolygonLinkArea::NoPoint) {
            return TPolygonSpot{entry.Id, static_cast<std::size_t>(index), polygon};
        }
    }
    return std::nullopt;
}

} // namespace

bool TMapEdits::ChangePolygon(std::int32_t id,
                              const std::function<bool(TPolygonLinkArea&)>& change) {
    const std::ptrdiff_t index = Map().IndexOf(id);
    if (index < 0 || dynamic_cast<const TPolygonLinkArea*>(
                         Map().Entries()[static_cast<std::size_t>(index)].Area.get()) == nullptr) {
        return false;
    }
    TLinkAreaEntry entry = Map().TakeArea(static_cast<std::size_t>(index));
    const bool changed = change(static_cast<TPolygonLinkArea&>(*entry.Area));
    Map().InsertArea(static_cast<std::size_t>(index), std::move(entry));
    return changed;
}

bool TMapEdits::CanInsertVertex(const TPointer& p) const {
    if (!HasMap() || GestureUnderWay()) {
        return false;
    }
    const std::optional<TPolygonSpot> edge = SpotAt(*FDocument.CurrentMap, p, false);
    return edge && edge->Polygon->VertexAt(p) == TPolygonLinkArea::NoPoint;
}

bool TMapEdits::CanDeleteVertex(const TPointer& p) const {
    if (!HasMap() || GestureUnderWay()) {
        return false;
    }
    const std::optional<TPolygonSpot> vertex = SpotAt(*FDocument.CurrentMap, p, true);
    return vertex && vertex->Polygon->PointCount() > 3;
}

bool TMapEdits::InsertVertex(const TPointer& p) {
    if (!CanInsertVertex(p)) {
        return false;
    }
    const TPolygonSpot edge = *SpotAt(Map(), p, false);
    const std::int32_t selectedBefore = Map().SelectedId();
    const TPolygonPoint point{p.X, p.Y};
    ChangePolygon(edge.Id, [&](TPolygonLinkArea& polygon) {
        polygon.InsertPoint(edge.Index + 1, point);
        return true;
    });
    FStack.push(new TVertexStep(*this, QStringLiteral("Punkt einfügen"), edge.Id, edge.Index + 1,
                                point, true, selectedBefore));
    emit Changed({TMapChangeKind::AreaChanged, edge.Id});
    return true;
}

bool TMapEdits::DeleteVertex(const TPointer& p) {
    if (!CanDeleteVertex(p)) {
        return false;
    }
    const TPolygonSpot vertex = *SpotAt(Map(), p, true);
    const std::int32_t selectedBefore = Map().SelectedId();
    const TPolygonPoint point = vertex.Polygon->Points()[vertex.Index];
    ChangePolygon(vertex.Id,
                  [&](TPolygonLinkArea& polygon) { return polygon.DeletePoint(vertex.Index); });
    FStack.push(new TVertexStep(*this, QStringLiteral("Punkt löschen"), vertex.Id, vertex.Index,
                                point, false, selectedBefore));
    emit Changed({TMapChangeKind::AreaChanged, vertex.Id});
    return true;
}

} // namespace kvx
