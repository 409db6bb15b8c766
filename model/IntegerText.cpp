#include "model/IntegerText.h"

#include <charconv>

namespace kvx {

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

} // namespace kvx
