#include "model/TextConversion.h"

#include <charconv>

namespace kvx {

std::string HtmlEscape(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        case '&':
            result += "&amp;";
            break;
        default:
            result += c;
            break;
        }
    }
    return result;
}

std::string JavaScriptStringEscape(std::string_view text) {
    // U+2028 and U+2029 end a line inside a script's string literal in older engines.
    constexpr std::string_view LineSeparator = "\xE2\x80\xA8";
    constexpr std::string_view ParagraphSeparator = "\xE2\x80\xA9";
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with(LineSeparator) || rest.starts_with(ParagraphSeparator)) {
            result += rest[2] == '\xA8' ? "\\u2028" : "\\u2029";
            i += 2;
            continue;
        }
        switch (text[i]) {
        case '\\':
            result += "\\\\";
            break;
        case '\'':
            result += "\\'";
            break;
        case '"':
            result += "\\\"";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\n':
            result += "\\n";
            break;
        default:
            result += text[i];
            break;
        }
    }
    return result;
}

std::string HtmlUnescape(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    // Start of a pending entity candidate ("&..." not yet ended by ";"), or npos.
    std::size_t pending = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&') {
            if (pending != std::string_view::npos) {
                result.append(text.substr(pending, i - pending));
            }
            pending = i;
        } else if (c == ';' && pending != std::string_view::npos) {
            const std::string_view candidate = text.substr(pending, i - pending + 1);
            if (candidate == "&amp;") {
                result += '&';
            } else if (candidate == "&quot;") {
                result += '"';
            } else if (candidate == "&lt;") {
                result += '<';
            } else if (candidate == "&gt;") {
                result += '>';
            } else {
                result.append(candidate);
            }
            pending = std::string_view::npos;
        } else if (pending == std::string_view::npos) {
            result += c;
        }
    }
    if (pending != std::string_view::npos) {
        result.append(text.substr(pending));
    }
    return result;
}

EConvertError::EConvertError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value") {}

std::int32_t StrToInt(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty()) {
        throw EConvertError(text);
    }
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            throw EConvertError(text);
        }
    }
    std::int32_t value = 0;
    // from_chars accepts the leading minus itself and reports values out of range.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw EConvertError(text);
    }
    return value;
}

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string LowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return result;
}

char LowerAsciiChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsHtmlSpace(char c) {
    return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::optional<TUtf8Char> Utf8CharAt(std::string_view text, std::size_t pos) {
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        return TUtf8Char{lead, 1};
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - pos < length) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[pos + k]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return std::nullopt;
    }
    return TUtf8Char{codePoint, length};
}

} // namespace kvx
