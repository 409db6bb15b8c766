#pragma once
// The model's text conversions, the only ones the program uses: the four entities of attribute
// text, JavaScript string literals, decimal 32-bit integers and ASCII lower-casing. Pure
// functions on UTF-8 text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kvx {

// Replaces "<", ">", "\"" and "&" by "&lt;", "&gt;", "&quot;" and "&amp;"; nothing else.
std::string HtmlEscape(std::string_view text);

// Turns exactly "&amp;", "&quot;", "&lt;" and "&gt;" back, one level only.
std::string HtmlUnescape(std::string_view text);

// The text as the inside of a JavaScript string literal in either quote: backslash,
// apostrophe, quote, CR, LF, U+2028 and U+2029 become escapes; nothing else changes.
std::string JavaScriptStringEscape(std::string_view text);

// Raised when a text is not a decimal 32-bit integer; the message names the text.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(std::string_view text);
};

// Strict decimal conversion: an optional leading "-" followed by at least one digit,
// nothing else, and the value within the signed 32-bit range.
std::int32_t StrToInt(std::string_view text);

// Decimal text of a value, as the writer and the status texts show numbers.
std::string IntToStr(std::int64_t value);

// Lower-cases only the ASCII letters A to Z; every other byte (UTF-8 included) stays.
std::string LowerAscii(std::string_view text);
char LowerAsciiChar(char c);
bool IsAsciiLetter(char c);
// The white space of HTML: tab, line feed, form feed, carriage return and space.
bool IsHtmlSpace(char c);

// One UTF-8 character at text[pos] as every reader accepts it (no overlong forms, surrogates
// or code points beyond U+10FFFF): its code point and length; std::nullopt when invalid.
struct TUtf8Char {
    char32_t CodePoint = 0;
    std::size_t Length = 0;
};
std::optional<TUtf8Char> Utf8CharAt(std::string_view text, std::size_t pos);

// Appends the UTF-8 bytes of a code point below U+10000.
void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace kvx
