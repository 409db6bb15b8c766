// Entity unescaping on arbitrary text, and the round trip the project files rely on.
#include "model/TextConversion.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)kvx::HtmlUnescape(text);
    if (kvx::HtmlUnescape(kvx::HtmlEscape(text)) != text) {
        std::abort();
    }
    return 0;
}
