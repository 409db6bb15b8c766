// Web pages of any bytes: the encoding found as browsers find it, a page written back without
// edits byte for byte, and a map definition put in by its name.
#include "formats/NewPage.h"
#include "formats/PageInsertion.h"
#include "formats/PageText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const kvx::TPageText page = kvx::TPageText::FromBytes(bytes);
    if (page.BytesWith({}) != bytes) {
        std::abort(); // an untouched page must come back as it was
    }
    try {
        const std::vector<kvx::TPageEdit> edits = kvx::MapInsertionEdits(
            page,
            "<map name=\"karte\">\r\n <area shape=\"rect\" coords=\"1,2,3,4\" href=\"#\" alt=\"K\xC3"
            "\xBC\xE2\x82\xAC\" />\r\n</map>\r\n<img src=\"bild.png\" width=\"9\" height=\"9\" "
            "border=\"0\" alt=\"\" title=\"\" usemap=\"#karte\" />",
            "karte");
        (void)page.BytesWith(edits);
    } catch (const kvx::EPageInsertion&) {
        // an unclosed map of that name: the page stays untouched
    }
    return 0;
}
