#pragma once
// How the encoding of a web page is found, in this order: a byte-order mark; the page's own
// declaration, found as browsers find it, when the bytes decode under it; bytes that are
// valid UTF-8; otherwise windows-1252.

#include "formats/PageEncoding.h"

#include <cstddef>
#include <string_view>

namespace kvx {

enum class TEncodingSource { ByteOrderMark, Declaration, Utf8Bytes, Fallback };

struct TDetectedEncoding {
    const TPageEncoding* Encoding = &Utf8Encoding();
    TEncodingSource Source = TEncodingSource::Utf8Bytes;
    // Length of the byte-order mark at the start of the bytes (0, 2 or 3).
    std::size_t ByteOrderMarkLength = 0;
    // Neither mark nor declaration, and only ASCII bytes: nothing says how a browser will read
    // other characters, so they can only be written as character references.
    bool AsciiOnly = false;
};

TDetectedEncoding DetectPageEncoding(std::string_view bytes);

// The encoding the first 1024 bytes declare in a meta element, by the browsers' prescan;
// nullptr when none is declared or the label is not supported. UTF-16 labels give UTF-8 and
// "x-user-defined" gives windows-1252, as in browsers.
const TPageEncoding* PrescanDeclaredEncoding(std::string_view bytes);

} // namespace kvx
