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

} // namespace kvx
