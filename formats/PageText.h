#pragma once
// A web page as the program edits it: its bytes as read, their encoding and the text they
// decode to. Changes are given as stretches of that text; writing copies every byte outside
// them from the page as it was and encodes only the changed stretches, so a page is never
// decoded and encoded again as a whole, and whatever the program does not understand about
// it (line ends, control characters, bytes that do not decode) survives.

#include "formats/EncodingDetection.h"

#include <QByteArray>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// Replaces the stretch [From, To) of a page's text (UTF-8 offsets) by Text, which holds
// exactly what goes there, line ends included.
struct TPageEdit {
    std::size_t From = 0;
    std::size_t To = 0;
    std::string Text;
};

class TPageText {
public:
    // An empty UTF-8 page.
    TPageText();
    // Bytes of a page; the encoding is found as browsers find it.
    static TPageText FromBytes(QByteArray bytes);
    // Bytes known to be in encoding, such as a page written back from another one.
    static TPageText FromBytes(QByteArray bytes, const TDetectedEncoding& encoding);
    // Reads a whole file; throws TFileError.
    static TPageText ReadFile(const std::string& path);

    // The decoded text without the byte-order mark, line ends as in the bytes.
    const std::string& Text() const { return FText; }
    const QByteArray& Bytes() const { return FBytes; }
    const TDetectedEncoding& Encoding() const { return FEncoding; }
    // The page's most common line end; CR LF for a page without any.
    const std::string& LineEnd() const { return FLineEnd; }

    // The page's bytes with the edits made (in any order, not overlapping). Characters the
    // page's encoding cannot hold are written as numeric character references.
    QByteArray BytesWith(std::vector<TPageEdit> edits) const;
    // The page those bytes make, in the same encoding.
    TPageText With(std::vector<TPageEdit> edits) const;

    // text with each of its line ends (CR LF, LF, CR) made the page's own.
    std::string WithPageLineEnds(std::string_view text) const;

private:
    TPageText(QByteArray bytes, const TDetectedEncoding& encoding);
    std::string_view Content() const;
    QByteArray EncodeStretch(std::string_view text, std::size_t fromByte, std::size_t toByte) const;

    QByteArray FBytes;
    TDetectedEncoding FEncoding;
    std::string FText;
    std::string FLineEnd;
};

// The most common line end of text (CR LF, LF or CR; ties in this order); CR LF when it has
// none.
std::string MostCommonLineEnd(std::string_view text);

} // namespace kvx
