#include "fuzz/FuzzReaderHost.h"

#include <cstdlib>

namespace kvx {

void TFuzzReaderHost::AddAreaTreeNode() {
    // The tree reads the selected area's properties; do the same so that path is exercised.
    if (FDocument.CurrentMap) {
        TLinkAreaProperties props;
        FDocument.CurrentMap->GetSelectedProperties(props);
        if (props.Kind != 0 && props.Coords.size() % 2 != 0) {
            std::abort(); // the grid needs label/value pairs
        }
    }
}

std::optional<std::size_t> TFuzzReaderHost::ChooseMap(const std::vector<std::string>& names) {
    if (names.empty()) {
        std::abort(); // the reader must not ask for a choice among no maps
    }
    return names.size() - 1;
}

} // namespace kvx
