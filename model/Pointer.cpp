#include "model/Pointer.h"

#include <cmath>
#include <cstdlib>

namespace kvx {

std::int64_t ViewCoordinate(std::int64_t c, std::int64_t origin, double scale) {
    const std::int64_t offset = c - origin;
    if (scale == 1.0) {
        return offset; // exact for every 64-bit offset
    }
    // Image coordinates are 32-bit and scales at most a few dozen, so this stays far inside
    // the 64-bit range and the double's exact integers.
    return static_cast<std::int64_t>(std::floor((static_cast<double>(offset) + 0.5) * scale));
}

bool TPointer::Reaches(std::int64_t hx, std::int64_t hy) const {
    return std::llabs(ViewX - ViewCoordinate(hx, OriginX, Scale)) <= HandleReach &&
           std::llabs(ViewY - ViewCoordinate(hy, OriginY, Scale)) <= HandleReach;
}

double TPointer::FineX() const {
    return (static_cast<double>(ViewX) + 0.5) / Scale - 0.5 + static_cast<double>(OriginX);
}

double TPointer::FineY() const {
    return (static_cast<double>(ViewY) + 0.5) / Scale - 0.5 + static_cast<double>(OriginY);
}

} // namespace kvx
