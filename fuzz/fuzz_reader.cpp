// The map reader's three passes and the area creation over arbitrary text.
#include "formats/MapDefinitionReader.h"
#include "fuzz/FuzzFiles.h"
#include "fuzz/FuzzReaderHost.h"
#include "images/ImageFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    kvx::TFuzzReaderHost host(kvx::FuzzImage());
    // The source file lies in the fuzz folder, so relative image names resolve there.
    const kvx::TMapReadResult read =
        kvx::ReadMapDefinition(text, kvx::FuzzFolder() + "seite.htm", host, kvx::TImageFiles());
    kvx::CheckReadMap(read);
    if (read) {
        std::string html;
        read.Map->GetHtml(1, 1, true, false, html);
    }
    return 0;
}
