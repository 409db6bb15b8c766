#pragma once
// Areas that can never be clicked: a browser gives a point to the first area in document
// order that holds it, so an area whose every pixel lies in earlier areas is dead.

#include "checks/AreaGeometry.h"

#include <vector>

namespace kvx {

// For each shape in list order: true when it has pixels inside image and every one of them
// is held by an earlier shape. Earlier shapes are found through a grid over the image, so the
// work grows with the overlapping pixels, not with the number of pairs.
std::vector<bool> FindHiddenAreas(const std::vector<TAreaShape>& shapes, const TPixelBox& image);

} // namespace kvx
