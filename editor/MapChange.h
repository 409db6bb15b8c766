#pragma once
// What the edit layer announces after every change of the open map: which area, what kind
// of change. The tree, the panel, the view and the modified state follow from it.

#include <QMetaType>
#include <cstdint>

namespace kvx {

enum class TMapChangeKind : std::uint8_t {
    AreaAdded,     // an area came into the list (drawn, duplicated, restored)
    AreaRemoved,   // an area left the list (AreaId names it; it is gone from the map)
    AreaChanged,   // an area's shape, place or properties changed
    AreaStored,    // the panel's values went into the area; the panel keeps showing them
    AreaOrder,     // the list order changed
    Selection,     // only the selection changed
    MapProperties, // name, description or border of the map
    Image,         // the map's image was loaded anew
    MapReplaced    // another map (or none) is open; the history starts anew
};

struct TMapChange {
    TMapChangeKind Kind = TMapChangeKind::AreaChanged;
    // The area concerned; 0 when the change concerns none.
    std::int32_t AreaId = 0;
    // A mouse gesture is under way: the picture and the tree follow, the panel waits for its end.
    bool Gesture = false;
    // The view already shows the map as it now is (a press and release without movement):
    // the tree and the panel follow, the picture need not be composed again.
    bool PictureShown = false;
};

} // namespace kvx

Q_DECLARE_METATYPE(kvx::TMapChange)
