#pragma once
// Areas made from stored coordinates, as the readers, the duplicate action and the editor's
// undo find them: through AddArea and ModifySelected, the way the drawing tools make them.

#include "model/ImageMap.h"

#include <cstdint>
#include <vector>

namespace kvx {

// Appends an area of kind and selects it. coords are x1, y1, x2, y2 for a rectangle, the
// centre and the radius for a circle, and x, y per vertex for a polygon (an odd last value is
// ignored). finish ends the creation as a release does; without it a polygon stays open, its
// rubber-band vertex on the last vertex, so that drawing can go on. False, with nothing added,
// for another kind or too few values (rectangle 4, circle 3, polygon 2).
bool AddAreaFromCoordinates(TImageMap& map, std::uint8_t kind,
                            const std::vector<std::int32_t>& coords, bool finish = true);

} // namespace kvx
