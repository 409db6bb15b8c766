#pragma once
// Where each area can be clicked: a browser gives a point to the first area in document order
// that holds it, so an area whose every pixel lies in earlier areas is dead.

#include "checks/AreaGeometry.h"

#include <vector>

namespace kvx {

enum class TAreaReach {
    // No pixel of the area lies inside the image.
    OutsideImage,
    // Some pixel inside the image belongs to no earlier area.
    Clickable,
    // Every pixel inside the image lies in earlier areas.
    Hidden,
};

// For each shape in list order. The pixels held so far are kept as spans per image row, so the
// work grows with the rows of each area and the edges of polygons, never with the pairs.
std::vector<TAreaReach> ClassifyAreas(const std::vector<TAreaShape>& shapes,
                                      const TPixelBox& image);

} // namespace kvx
