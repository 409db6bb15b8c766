#include "formats/EncodingDetection.h"
#include "model/TextConversion.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

namespace {

constexpr std::size_t PrescanLength = 1024;

bool StartsWithIgnoringCase(std::string_view text, std::size_t pos, std::string_view prefix) {
    if (text.size() - pos < prefix.size()) {
        return false;
    }
    for (std::size_t k = 0; k < prefix.size(); ++k) {
        if (LowerAsciiChar(text[pos + k]) != prefix[k]) {
            return false;
        }
    }
    return true;
}

struct TAttribute {
    std::string Name;
    std::string Value;
};

// The prescan's walk over the first bytes of a page. Reaching the end anywhere inside a
// construct ends the prescan without a result.
class TPrescan {
public:
    explicit TPrescan(std::string_view bytes) : FBytes(bytes.substr(0, PrescanLength)) {}

    const TPageEncoding* Run() {
        while (FPos < FBytes.size()) {
            if (FBytes.substr(FPos).starts_with("<!--")) {
                // To the ">" of the first "-->", whose dashes may be those of "<!--".
                const std::size_t end = FBytes.find("-->", FPos + 2);
                if (end == std::string_view::npos) {
                    return nullptr;
                }
                FPos = end + 2;
            } else if (StartsWithIgnoringCase(FBytes, FPos, "<meta") && FPos + 5 < FBytes.size() &&
                       (IsHtmlSpace(FBytes[FPos + 5]) || FBytes[FPos + 5] == '/')) {
                FPos += 6;
                const std::optional<const TPageEncoding*> found = Meta();
                if (!found) {
                    return nullptr;
                }
                if (*found != nullptr) {
                    return *found;
                }
                continue; // Meta stops on the byte that ends the tag
            } else if (FBytes[FPos] == '<' && FPos + 1 < FBytes.size() &&
                       (IsAsciiLetter(FBytes[FPos + 1]) ||
                        (FBytes[FPos + 1] == '/' && FPos + 2 < FBytes.size() &&
                         IsAsciiLetter(FBytes[FPos + 2])))) {
                while (FPos < FBytes.size() && !IsHtmlSpace(FBytes[FPos]) && FBytes[FPos] != '>') {
                    ++FPos;
                }
                std::optional<TAttribute> attribute;
                while ((attribute = Attribute())) {
                }
                if (FPos >= FBytes.size()) {
                    return nullptr;
                }
                continue;
            } else if (FBytes.substr(FPos).starts_with("<!") ||
                       FBytes.substr(FPos).starts_with("</") ||
                       FBytes.substr(FPos).starts_with("<?")) {
                const std::size_t end = FBytes.find('>', FPos + 1);
                if (end == std::string_view::npos) {
                    return nullptr;
                }
                FPos = end;
            }
            ++FPos;
        }
        return nullptr;
    }

private:
    // The attributes of a meta element. The encoding it declares, nullptr when it declares
    // none, nothing when the bytes ended.
    std::optional<const TPageEncoding*> Meta() {
        std::vector<std::string> seen;
        bool gotPragma = false;
        std::optional<bool> needPragma;
        const TPageEncoding* charset = nullptr;
        while (const std::optional<TAttribute> attribute = Attribute()) {
            if (std::find(seen.begin(), seen.end(), attribute->Name) != seen.end()) {
                continue;
            }
            seen.push_back(attribute->Name);
            if (attribute->Name == "http-equiv") {
                gotPragma = gotPragma || attribute->Value == "content-type";
            } else if (attribute->Name == "content" && charset == nullptr) {
                if (const std::optional<std::string> label = CharsetFromContent(attribute->Value)) {
                    charset = Usable(*label);
                    needPragma = charset != nullptr ? std::optional(true) : needPragma;
                }
            } else if (attribute->Name == "charset") {
                charset = Usable(attribute->Value);
                needPragma = false;
            }
        }
        if (FPos >= FBytes.size()) {
            return std::nullopt;
        }
        if (!needPragma || (*needPragma && !gotPragma)) {
            return nullptr;
        }
        return charset;
    }

    static const TPageEncoding* Usable(std::string_view label) {
        if (LowerTrimmed(label) == "x-user-defined") {
            return &Windows1252Encoding();
        }
        const TPageEncoding* encoding = EncodingForLabel(label);
        if (encoding == &Utf16LeEncoding() || encoding == &Utf16BeEncoding()) {
            return &Utf8Encoding(); // the page's bytes cannot be UTF-16 if its meta was read
        }
        return encoding;
    }

    static std::string LowerTrimmed(std::string_view text) {
        std::string result;
        for (const char c : text) {
            if (!IsHtmlSpace(c)) {
                result += LowerAsciiChar(c);
            }
        }
        return result;
    }

    // The charset named in a Content-Type value, as browsers extract it.
    static std::optional<std::string> CharsetFromContent(std::string_view value) {
        std::size_t pos = 0;
        while (true) {
            const std::size_t found = FindIgnoringCase(value, "charset", pos);
            if (found == std::string_view::npos) {
                return std::nullopt;
            }
            pos = found + 7;
            while (pos < value.size() && IsHtmlSpace(value[pos])) {
                ++pos;
            }
            if (pos < value.size() && value[pos] == '=') {
                break;
            }
        }
        ++pos;
        while (pos < value.size() && IsHtmlSpace(value[pos])) {
            ++pos;
        }
        if (pos >= value.size()) {
            return std::nullopt;
        }
        const char first = value[pos];
        if (first == '"' || first == '\'') {
            const std::size_t close = value.find(first, pos + 1);
            if (close == std::string_view::npos) {
                return std::nullopt;
            }
            return std::string(value.substr(pos + 1, close - pos - 1));
        }
        std::size_t end = pos;
        while (end < value.size() && !IsHtmlSpace(value[end]) && value[end] != ';') {
            ++end;
        }
        return std::string(value.substr(pos, end - pos));
    }

    static std::size_t FindIgnoringCase(std::string_view text, std::string_view word,
                                        std::size_t from) {
        for (std::size_t pos = from; pos + word.size() <= text.size(); ++pos) {
            if (StartsWithIgnoringCase(text, pos, word)) {
                return pos;
            }
        }
        return std::string_view::npos;
    }

    bool AtEnd() const { return FPos >= FBytes.size(); }
    char Current() const { return FBytes[FPos]; }

    // One attribute of a tag, names and values with A to Z lowered; nothing at the tag's ">"
    // (which stays current) or at the end of the bytes.
    std::optional<TAttribute> Attribute() {
        while (!AtEnd() && (IsHtmlSpace(Current()) || Current() == '/')) {
            ++FPos;
        }
        if (AtEnd() || Current() == '>') {
            return std::nullopt;
        }
        TAttribute attribute;
        while (true) {
            if (AtEnd()) {
                return std::nullopt;
            }
            const char c = Current();
            if (c == '=' && !attribute.Name.empty()) {
                ++FPos;
                return Value(std::move(attribute));
            }
            if (IsHtmlSpace(c)) {
                break;
            }
            if (c == '/' || c == '>') {
                return attribute;
            }
            attribute.Name += LowerAsciiChar(c);
            ++FPos;
        }
        while (!AtEnd() && IsHtmlSpace(Current())) {
            ++FPos;
        }
        if (AtEnd()) {
            return std::nullopt;
        }
        if (Current() != '=') {
            return attribute;
        }
        ++FPos;
        return Value(std::move(attribute));
    }

    std::optional<TAttribute> Value(TAttribute attribute) {
        while (!AtEnd() && IsHtmlSpace(Current())) {
            ++FPos;
        }
        if (AtEnd()) {
            return std::nullopt;
        }
        const char first = Current();
        if (first == '"' || first == '\'') {
            ++FPos;
            while (!AtEnd() && Current() != first) {
                attribute.Value += LowerAsciiChar(Current());
                ++FPos;
            }
            if (AtEnd()) {
                return std::nullopt;
            }
            ++FPos;
            return attribute;
        }
        if (first == '>') {
            return attribute;
        }
        while (!AtEnd() && !IsHtmlSpace(Current()) && Current() != '>') {
            attribute.Value += LowerAsciiChar(Current());
            ++FPos;
        }
        if (AtEnd()) {
            return std::nullopt;
        }
        return attribute;
    }

    std::string_view FBytes;
    std::size_t FPos = 0;
};

bool DecodesCompletely(std::string_view bytes, const TPageEncoding& encoding) {
    if (encoding == Utf8Encoding()) {
        return IsValidUtf8(bytes);
    }
    return DecodePageBytes(bytes, encoding).BadBytes == 0;
}

bool IsAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

const TPageEncoding* PrescanDeclaredEncoding(std::string_view bytes) {
    return TPrescan(bytes).Run();
}

TDetectedEncoding DetectPageEncoding(std::string_view bytes) {
    TDetectedEncoding detected;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return {&Utf8Encoding(), TEncodingSource::ByteOrderMark, 3, false};
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return {&Utf16BeEncoding(), TEncodingSource::ByteOrderMark, 2, false};
    }
    if (bytes.starts_with("\xFF\xFE")) {
        return {&Utf16LeEncoding(), TEncodingSource::ByteOrderMark, 2, false};
    }
    const TPageEncoding* declared = PrescanDeclaredEncoding(bytes);
    if (declared != nullptr && DecodesCompletely(bytes, *declared)) {
        return {declared, TEncodingSource::Declaration, 0, false};
    }
    if (IsValidUtf8(bytes)) {
        return {&Utf8Encoding(), TEncodingSource::Utf8Bytes, 0,
                declared == nullptr && IsAscii(bytes)};
    }
    return {&Windows1252Encoding(), TEncodingSource::Fallback, 0, false};
}

} // namespace kvx
