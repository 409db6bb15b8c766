#include "fuzz/FuzzReaderHost.h"

#include <cstdlib>

namespace kvx {

void CheckReadMap(const TMapReadResult& read) {
    if (!read) {
        return;
    }
    // The window's tree and grid read every area's properties; do the same so that path is
    // exercised.
    for (const TLinkAreaEntry& entry : read.Map->Entries()) {
        TLinkAreaProperties props;
        entry.Area->GetProperties(props);
        if (props.Coords.size() % 2 != 0) {
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
