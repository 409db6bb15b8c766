#pragma once
// Small text routines on which reading and writing map definitions rest. Pure functions on
// UTF-8 text that look only at ASCII bytes.

#include "model/PathParts.h"
#include "model/TextConversion.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// Rows of (name, value); in a ScanTag result row 0 is the tag name with an empty value.
using TStringArray2D = std::vector<std::array<std::string, 2>>;
using TIntegerArray = std::vector<std::int32_t>;

// Takes one HTML tag apart; with nameOnly only the name row is produced.
TStringArray2D ScanTag(std::string_view tag, bool nameOnly);

// Value of the last row whose name equals name without regard to ASCII case; "" if none.
std::string GetAttribute(std::string_view name, const TStringArray2D& rows);

// Keeps the digits and a "-" in the very first position; "0" when nothing is left.
std::string FilterNumber(std::string_view text);

// Comma-separated numbers; raises EConvertError for a piece that is no 32-bit integer.
TIntegerArray SplitCoords(std::string_view text);

} // namespace kvx
