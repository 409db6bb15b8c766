// The map reader's three passes and the area creation over arbitrary text.
#include "fuzz/FuzzFiles.h"
#include "fuzz/FuzzReaderHost.h"
#include "html/MapDefinitionReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    kvx::TFuzzReaderHost host(kvx::FuzzImage());
    // The source file lies in the fuzz folder, so relative image names resolve there.
    kvx::ReadMapDefinition(text, kvx::FuzzFolder() + "seite.htm", host);
    if (host.Document().CurrentMap) {
        std::string html;
        host.Document().CurrentMap->GetHtml(1, 1, true, false, html);
    }
    return 0;
}
