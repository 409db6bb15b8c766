#include "formats/PageEncoding.h"
#include "model/TextConversion.h"

#include <iconv.h>

#include <cerrno>
#include <optional>

namespace kvx {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD
// The longest byte sequence of one character in any supported encoding, escape sequences
// of ISO-2022-JP included.
constexpr std::size_t LongestSequence = 8;

unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

// The bytes windows-1252 leaves unused: browsers read them as the C1 control of the same
// number, and they are written back as that byte.
bool IsUnusedWindows1252Byte(char32_t value) {
    return value == 0x81 || value == 0x8D || value == 0x8F || value == 0x90 || value == 0x9D;
}

// An iconv descriptor for the life of one conversion.
class TConverter {
public:
    TConverter(std::string_view to, std::string_view from)
        : FHandle(iconv_open(std::string(to).c_str(), std::string(from).c_str())) {
        if (FHandle == reinterpret_cast<iconv_t>(-1)) {
            throw EEncodingUnavailable(to == "UTF-8" ? from : to);
        }
    }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;
    ~TConverter() { iconv_close(FHandle); }

    // Converts as much of [in, in + inLeft) as possible; returns errno or 0.
    int Convert(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        char* input = const_cast<char*>(in); // iconv's signature; the input is not written
        const std::size_t result = iconv(FHandle, &input, &inLeft, &out, &outLeft);
        in = input;
        return result == static_cast<std::size_t>(-1) ? errno : 0;
    }
    // Writes what returns to the initial state; returns errno or 0.
    int Finish(char*& out, std::size_t& outLeft) {
        const std::size_t result = iconv(FHandle, nullptr, nullptr, &out, &outLeft);
        return result == static_cast<std::size_t>(-1) ? errno : 0;
    }
    void Reset() { iconv(FHandle, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t FHandle;
};

// Walks bytes one character at a time and calls visit(byteEnd, utf8) for each step that
// yields text; the steps' ends are the character boundaries. Feeding iconv only as many
// bytes as the next character needs is what tells where each character ends.
template <typename Visit>
void WalkCharacters(std::string_view bytes, const TPageEncoding& encoding, Visit&& visit) {
    std::size_t pos = 0;
    if (encoding == Utf8Encoding()) {
        // iconv accepts code points beyond U+10FFFF; browsers do not.
        while (pos < bytes.size()) {
            if (const std::optional<TUtf8Char> c = Utf8CharAt(bytes, pos)) {
                pos += c->Length;
                visit(pos, bytes.substr(pos - c->Length, c->Length), false);
            } else {
                ++pos;
                visit(pos, Replacement, true);
            }
        }
        return;
    }
    TConverter converter("UTF-8", encoding.Converter);
    const bool windows1252 = encoding == Windows1252Encoding();
    char buffer[64];
    while (pos < bytes.size()) {
        std::size_t window = 1;
        int error = 0;
        while (true) {
            const char* in = bytes.data() + pos;
            std::size_t inLeft = window;
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            error = converter.Convert(in, inLeft, out, outLeft);
            if (error == 0) {
                pos += window;
                if (out != buffer) {
                    visit(pos, std::string_view(buffer, std::size_t(out - buffer)), false);
                }
                break;
            }
            if (error != EINVAL || window >= LongestSequence || pos + window >= bytes.size()) {
                break;
            }
            ++window;
        }
        if (error != 0) {
            // A byte that does not decode stands for itself; decoding goes on after it.
            converter.Reset();
            const unsigned char bad = Byte(bytes[pos]);
            ++pos;
            std::string substitute;
            if (windows1252 && IsUnusedWindows1252Byte(bad)) {
                AppendUtf8(substitute, bad);
            } else {
                substitute = Replacement;
            }
            visit(pos, std::string_view(substitute), true);
        }
    }
}

void AppendReference(std::string& out, char32_t codePoint) {
    out += "&#";
    out += std::to_string(static_cast<unsigned long>(codePoint));
    out += ';';
}

// The text with every non-ASCII character as a numeric character reference.
std::string AsciiWithReferences(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<TUtf8Char> c = Utf8CharAt(utf8, pos);
        if (c && c->CodePoint < 0x80) {
            out += utf8[pos];
        } else {
            AppendReference(out, c ? c->CodePoint : 0xFFFD);
        }
        pos += c ? c->Length : 1;
    }
    return out;
}

// Appends the converter's output for [in, in + inLeft), growing out as needed; returns the
// error that stopped it (0 when all was converted).
int ConvertInto(TConverter& converter, const char*& in, std::size_t& inLeft, QByteArray& out) {
    while (true) {
        const qsizetype used = out.size();
        const std::size_t room = inLeft * 4 + 16;
        out.resize(used + qsizetype(room));
        char* next = out.data() + used;
        std::size_t outLeft = room;
        const int error = converter.Convert(in, inLeft, next, outLeft);
        out.resize(qsizetype(next - out.data()));
        if (error != E2BIG) {
            return error;
        }
    }
}

} // namespace

EEncodingUnavailable::EEncodingUnavailable(std::string_view converter)
    : std::runtime_error("Die Zeichenkodierung " + std::string(converter) +
                         " steht auf diesem System nicht zur Verfügung.") {}

bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::optional<TUtf8Char> c = Utf8CharAt(text, pos);
        if (!c) {
            return false;
        }
        pos += c->Length;
    }
    return true;
}

TDecodedBytes DecodePageBytes(std::string_view bytes, const TPageEncoding& encoding) {
    TDecodedBytes decoded;
    decoded.Text.reserve(bytes.size());
    WalkCharacters(bytes, encoding, [&](std::size_t, std::string_view text, bool bad) {
        decoded.Text += text;
        decoded.BadBytes += bad ? 1 : 0;
    });
    return decoded;
}

std::vector<TBoundaryPair> BoundariesAround(std::string_view bytes, const TPageEncoding& encoding,
                                            std::span<const std::size_t> textPositions) {
    std::vector<TBoundaryPair> result;
    result.reserve(textPositions.size());
    TBoundary last; // the boundary reached so far
    std::size_t next = 0;
    const auto settle = [&](const TBoundary& reached) {
        while (next < textPositions.size() && textPositions[next] <= reached.TextPosition) {
            const bool exact = textPositions[next] == reached.TextPosition;
            result.push_back({exact ? reached : last, reached});
            ++next;
        }
        last = reached;
    };
    settle(last);
    WalkCharacters(bytes, encoding, [&](std::size_t byteEnd, std::string_view text, bool) {
        settle(TBoundary{last.TextPosition + text.size(), byteEnd});
    });
    while (next < textPositions.size()) { // beyond the text: its end
        result.push_back({last, last});
        ++next;
    }
    return result;
}

QByteArray EncodePageText(std::string_view utf8, const TPageEncoding& encoding, bool asciiOnly) {
    std::string ascii;
    if (asciiOnly) {
        ascii = AsciiWithReferences(utf8);
        utf8 = ascii;
    }
    QByteArray out;
    if (encoding == Utf8Encoding() && IsValidUtf8(utf8)) {
        return QByteArray(utf8.data(), qsizetype(utf8.size()));
    }
    TConverter converter(encoding.Converter, "UTF-8");
    const bool windows1252 = encoding == Windows1252Encoding();
    const char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        if (ConvertInto(converter, in, inLeft, out) == 0) {
            break;
        }
        // A character the encoding lacks (or a broken sequence): a reference in its place,
        // converted like any other text so that UTF-16 and shift states stay right.
        const std::size_t pos = utf8.size() - inLeft;
        const std::optional<TUtf8Char> c = Utf8CharAt(utf8, pos);
        const std::size_t length = c ? c->Length : 1;
        in += length;
        inLeft -= length;
        if (c && windows1252 && IsUnusedWindows1252Byte(c->CodePoint)) {
            out.append(static_cast<char>(c->CodePoint));
            continue;
        }
        std::string reference;
        AppendReference(reference, c ? c->CodePoint : 0xFFFD);
        const char* refIn = reference.data();
        std::size_t refLeft = reference.size();
        ConvertInto(converter, refIn, refLeft, out);
    }
    const qsizetype used = out.size();
    out.resize(used + 16);
    char* next = out.data() + used;
    std::size_t outLeft = 16;
    converter.Finish(next, outLeft);
    out.resize(qsizetype(next - out.data()));
    return out;
}

} // namespace kvx
