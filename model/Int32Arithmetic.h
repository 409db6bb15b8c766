#pragma once
// Coordinates are 32-bit like the files and the grid that hold them. Sums of two of them may
// leave that range; these helpers make the outcome defined: stored values wrap around as
// 32-bit arithmetic always did, values handed to a canvas saturate.

#include <cstdint>
#include <limits>

namespace kvx {

// The low 32 bits of value as a signed number (two's complement wrap-around).
constexpr std::int32_t Wrap32(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

// value limited to the signed 32-bit range.
constexpr std::int32_t Saturate32(std::int64_t value) {
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < low ? low : (value > high ? high : value));
}

// to - from without overflow.
constexpr std::int64_t Distance(std::int32_t from, std::int32_t to) {
    return static_cast<std::int64_t>(to) - from;
}

// value moved by delta, wrapped into 32 bits.
constexpr std::int32_t Shifted(std::int32_t value, std::int64_t delta) {
    return Wrap32(static_cast<std::int64_t>(value) + delta);
}

} // namespace kvx
