#include "model/BorderRule.h"

#include "model/TextConversion.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kvx {

namespace {

// Blanks around the number are forgiven, as a user typing " 5" means 5.
std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

std::string BorderRule(std::string_view text) {
    if (text.empty()) {
        return "0";
    }
    std::int64_t value = 0;
    try {
        value = StrToInt(Trimmed(text));
    } catch (const EConvertError&) {
        value = 0;
    }
    return IntToStr(std::min<std::int64_t>(value < 0 ? -value : value,
                                           std::numeric_limits<std::int32_t>::max()));
}

} // namespace kvx
