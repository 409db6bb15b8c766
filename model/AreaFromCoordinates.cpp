#include "model/AreaFromCoordinates.h"

#include "model/Int32Arithmetic.h"

namespace kvx {

bool AddAreaFromCoordinates(TImageMap& map, std::uint8_t kind,
                            const std::vector<std::int32_t>& coords, bool finish) {
    const std::vector<std::int32_t>& c = coords;
    std::string status;
    switch (kind) {
    case akRectangle:
        if (c.size() < 4) {
            return false;
        }
        map.AddArea(akRectangle, c[0], c[1], status);
        map.ModifySelected(0, 0, c[2], c[3], mmDragNew, status);
        break;
    case akCircle:
        if (c.size() < 3) {
            return false;
        }
        // A drag as far right as down gives the radius itself, also a negative one.
        map.AddArea(akCircle, c[0], c[1], status);
        map.ModifySelected(0, 0, Wrap32(std::int64_t{c[0]} + c[2]),
                           Wrap32(std::int64_t{c[1]} + c[2]), mmDragNew, status);
        break;
    case akPolygon:
        if (c.size() < 2) {
            return false;
        }
        map.AddArea(akPolygon, c[0], c[1], status);
        // The rubber band goes to each vertex, which is then fixed, as clicks fix them; the
        // finishing drops the rubber-band vertex left over behind the last one.
        for (std::size_t i = 2; i + 1 < c.size(); i += 2) {
            map.ModifySelected(0, 0, c[i], c[i + 1], mmDragNew, status);
            map.ModifySelected(0, 0, c[i], c[i + 1], mmAddPoint, status);
        }
        if (!finish) {
            map.ModifySelected(0, 0, c[c.size() / 2 * 2 - 2], c[c.size() / 2 * 2 - 1], mmDragNew,
                               status);
        }
        break;
    default:
        return false;
    }
    if (finish) {
        map.ModifySelected(0, 0, 0, 0, mmFinish, status);
    }
    return true;
}

} // namespace kvx
