// Coordinate lists: either numbers or the conversion error, nothing else.
#include "formats/HtmlTextRoutines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const kvx::TIntegerArray numbers = kvx::SplitCoords(text);
        if (numbers.empty()) {
            std::abort();
        }
    } catch (const kvx::EConvertError&) {
    }
    (void)kvx::FilterNumber(text);
    return 0;
}
