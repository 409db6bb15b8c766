#pragma once
// The one conversion from text to a 32-bit integer used everywhere in the program.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kvx {

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

} // namespace kvx
