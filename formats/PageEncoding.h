#pragma once
// The character encodings of web pages: the labels a page may declare, mapped to the encodings
// a browser actually uses for them, and the conversion between a page's bytes and UTF-8
// through glibc's iconv.

#include <QByteArray>

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

struct TPageEncoding {
    // The name browsers give it, shown in the HTML file window ("windows-1252", "Shift_JIS").
    std::string_view Name;
    // iconv's name of what is read and written: the superset browsers use for the label.
    std::string_view Converter;
    // Keeps a shift state between characters (ISO-2022-JP), so text put between two stretches
    // of the page has to restore the state that follows it.
    bool Stateful = false;

    bool operator==(const TPageEncoding& other) const { return Name == other.Name; }
};

const TPageEncoding& Utf8Encoding();
const TPageEncoding& Windows1252Encoding();
const TPageEncoding& Utf16LeEncoding();
const TPageEncoding& Utf16BeEncoding();

// Every encoding a page may be read and written in.
std::span<const TPageEncoding> PageEncodings();

// The encoding a label names as the Encoding Standard maps it ("latin1" is windows-1252,
// "euc-kr" the CP949 superset); nullptr for an unknown label and for the labels browsers
// refuse to decode. Blanks around the label and letter case do not matter.
const TPageEncoding* EncodingForLabel(std::string_view label);

// The converter could not be opened (a C library without the encoding).
class EEncodingUnavailable : public std::runtime_error {
public:
    explicit EEncodingUnavailable(std::string_view converter);
};

// True when text is UTF-8 as browsers accept it: no overlong forms, no surrogates, nothing
// beyond U+10FFFF.
bool IsValidUtf8(std::string_view text);

struct TDecodedBytes {
    std::string Text; // UTF-8
    // How many bytes did not decode; each became one character (see DecodePageBytes).
    std::size_t BadBytes = 0;
};

// Decodes bytes. A byte that does not decode becomes U+FFFD; in windows-1252 the five unused
// bytes become the control characters of the same number, as browsers read them.
TDecodedBytes DecodePageBytes(std::string_view bytes, const TPageEncoding& encoding);

// A character boundary: after TextPosition bytes of decoded text, ByteOffset bytes of input.
struct TBoundary {
    std::size_t TextPosition = 0;
    std::size_t ByteOffset = 0;
};

// For each position of the decoded text (ascending UTF-8 offsets into DecodePageBytes' text)
// the nearest boundary at or before it and the nearest at or after it. They differ only
// inside a byte sequence that decodes to several characters. One walk over the bytes.
struct TBoundaryPair {
    TBoundary Before;
    TBoundary After;
};
std::vector<TBoundaryPair> BoundariesAround(std::string_view bytes, const TPageEncoding& encoding,
                                            std::span<const std::size_t> textPositions);

// Encodes UTF-8 text; a character the encoding cannot hold, and with asciiOnly every non-ASCII
// character, is written as a numeric character reference ("&#128512;"). A stateful encoding
// starts and ends in its initial state.
QByteArray EncodePageText(std::string_view utf8, const TPageEncoding& encoding, bool asciiOnly);

} // namespace kvx
