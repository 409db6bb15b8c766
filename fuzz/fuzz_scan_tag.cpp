// The tag scanner and the attribute look-up on arbitrary text.
#include "formats/HtmlTextRoutines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const kvx::TStringArray2D nameOnly = kvx::ScanTag(text, true);
    const kvx::TStringArray2D full = kvx::ScanTag(text, false);
    // The name row is the same however the tag is scanned.
    if (nameOnly.size() > 1 || (!nameOnly.empty() && (full.empty() || full[0] != nameOnly[0]))) {
        std::abort();
    }
    for (const auto& row : full) {
        (void)kvx::GetAttribute(row[0], full);
    }
    return 0;
}
