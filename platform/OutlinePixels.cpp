#include "platform/OutlinePixels.h"

#include <algorithm>
#include <cstdlib>

namespace kvx {

namespace {

__extension__ using TInt128 = __int128;

// Division rounding towards minus infinity, for a positive divisor.
template <typename T> T FloorDiv(T value, T divisor) {
    const T quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

// The indices [first, last] of a run start, start + step, ... of count pixels that fall within
// [0, size); first is moved on to the next index at pattern position 0.
struct TVisibleIndices {
    std::int64_t First;
    std::int64_t Last;
};

TVisibleIndices VisibleIndices(std::int64_t start, int step, std::int64_t count, std::int64_t size,
                               std::int64_t phase, int period) {
    std::int64_t first = step > 0 ? std::max<std::int64_t>(0, -start)
                                  : std::max<std::int64_t>(0, start - (size - 1));
    const std::int64_t last =
        step > 0 ? std::min(count - 1, size - 1 - start) : std::min(count - 1, start);
    first += (period - (first + phase) % period) % period;
    return {first, last};
}

} // namespace

TOutlinePixels::TOutlinePixels(int width, int height) : FWidth(width), FHeight(height) {}

void TOutlinePixels::SetPeriod(int period) {
    FPeriod = std::max(period, 1);
}

void TOutlinePixels::Keep(std::int64_t x, std::int64_t y) {
    if (x >= 0 && y >= 0 && x < FWidth && y < FHeight) {
        FPoints.emplace_back(static_cast<int>(x), static_cast<int>(y));
    }
}

void TOutlinePixels::Clear() {
    FPoints.clear();
    FChainStart = 0;
}

void TOutlinePixels::FlushChain() {
    const auto chain = FPoints.begin() + static_cast<std::ptrdiff_t>(FChainStart);
    const auto end = FPoints.end();
    FChainStart = FPoints.size();
    if (chain == end) {
        return;
    }
    const bool upwards = (end - 1)->y() < chain->y();
    const bool leftwards = (end - 1)->x() < chain->x();
    // Rows upwards are put in order by turning the chain round, which also turns each row.
    if (upwards) {
        std::reverse(chain, end);
    }
    if (upwards == leftwards) {
        return;
    }
    // The rows are in order but run from right to left.
    for (auto row = chain; row != end;) {
        const auto rowEnd =
            std::find_if(row, end, [&](const QPoint& p) { return p.y() != row->y(); });
        std::reverse(row, rowEnd);
        row = rowEnd;
    }
}

void TOutlinePixels::AddRun(bool horizontal, std::int64_t fixed, std::int64_t start, int step,
                            std::int64_t count, std::int64_t phase) {
    const std::int64_t along = horizontal ? FWidth : FHeight;
    const std::int64_t across = horizontal ? FHeight : FWidth;
    if (count <= 0 || fixed < 0 || fixed >= across) {
        return;
    }
    const auto [first, last] = VisibleIndices(start, step, count, along, phase, FPeriod);
    for (std::int64_t i = first; i <= last; i += FPeriod) {
        const std::int64_t position = start + step * i;
        if (horizontal) {
            Keep(position, fixed);
        } else {
            Keep(fixed, position);
        }
    }
    FlushChain();
}

std::int64_t TOutlinePixels::AddLine(std::int64_t x0, std::int64_t y0, std::int64_t x1,
                                     std::int64_t y1, std::int64_t phase) {
    const bool xMajor = std::llabs(x1 - x0) >= std::llabs(y1 - y0);
    const std::int64_t major0 = xMajor ? x0 : y0;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t major1 = xMajor ? x1 : y1;
    const std::int64_t minor1 = xMajor ? y1 : x1;
    if (major0 == major1) {
        return 0;
    }
    const int step = major1 > major0 ? 1 : -1;
    const std::int64_t count = step > 0 ? major1 - major0 : major0 - major1;
    const std::int64_t across = xMajor ? FHeight : FWidth;
    const auto [first, last] =
        VisibleIndices(major0, step, count, xMajor ? FWidth : FHeight, phase, FPeriod);
    if (first > last) {
        return count;
    }
    // The minor coordinate at major coordinate a is the true one rounded, halves upwards,
    // measured from the end with the smaller major coordinate, so that a line drawn backwards
    // keeps its pixels: originMinor + floor((2 (a - originMajor) rise + count) / (2 count)).
    const std::int64_t originMajor = step > 0 ? major0 : major1;
    const std::int64_t originMinor = step > 0 ? minor0 : minor1;
    const std::int64_t rise = step > 0 ? minor1 - minor0 : minor0 - minor1;
    const std::int64_t twoCount = 2 * count;
    std::int64_t major = major0 + step * first;
    const TInt128 numerator = 2 * static_cast<TInt128>(major - originMajor) * rise + count;
    std::int64_t quotient = static_cast<std::int64_t>(FloorDiv<TInt128>(numerator, twoCount));
    std::int64_t remainder = static_cast<std::int64_t>(numerator - TInt128{quotient} * twoCount);
    // Each kept pixel moves the numerator by 2 * step * period * rise: a whole part and a
    // remainder below twoCount, so the loop needs no division.
    const std::int64_t stride = static_cast<std::int64_t>(step) * FPeriod;
    const std::int64_t change = 2 * stride * rise;
    const std::int64_t wholeChange = FloorDiv(change, twoCount);
    const std::int64_t restChange = change - wholeChange * twoCount;
    for (std::int64_t i = first; i <= last; i += FPeriod) {
        const std::int64_t minor = originMinor + quotient;
        if (minor >= 0 && minor < across) {
            if (xMajor) {
                Keep(major, minor);
            } else {
                Keep(minor, major);
            }
        }
        major += stride;
        quotient += wholeChange;
        remainder += restChange;
        if (remainder >= twoCount) {
            remainder -= twoCount;
            ++quotient;
        }
    }
    FlushChain();
    return count;
}

void TOutlinePixels::AddEllipse(std::int64_t left, std::int64_t top, std::int64_t right,
                                std::int64_t bottom) {
    // Doubled coordinates put the centre and every pixel centre on whole numbers: the ellipse
    // runs through the pixel centres x = left .. right - 1, its semi-axes doubled are a and b.
    const std::int64_t a = right - left - 1;
    const std::int64_t b = bottom - top - 1;
    const std::int64_t centreX = 2 * left + a;
    const std::int64_t centreY = 2 * top + b;
    const std::int64_t aa = a * a;
    const std::int64_t bb = b * b;
    // Positive outside the ellipse, negative inside.
    const auto beyond = [&](std::int64_t x, std::int64_t y) {
        return x * x * bb + y * y * aa - aa * bb;
    };

    // The quarter from the top to the right, by the midpoint rule: along the flat part a step
    // right, and one down as well when the midpoint below lies outside; along the steep part
    // a step down, and one right as well when the midpoint beside lies inside.
    FQuarter.clear();
    std::int64_t x = a & 1;
    std::int64_t y = b;
    const std::int64_t yEnd = b & 1;
    FQuarter.push_back({x, y});
    while (x < a || y > yEnd) {
        if (x == a) {
            y -= 2;
        } else if (y == yEnd) {
            x += 2;
        } else if (x * bb < y * aa) {
            y -= beyond(x + 2, y - 1) > 0 ? 2 : 0;
            x += 2;
        } else {
            x += beyond(x + 1, y - 2) < 0 ? 2 : 0;
            y -= 2;
        }
        FQuarter.push_back({x, y});
    }

    // The four quarters clockwise from the top. Pixels on an axis belong to two quarters and
    // are taken once. The pattern counts the pixels along the whole outline.
    const auto lastIndex = static_cast<std::ptrdiff_t>(FQuarter.size()) - 1;
    const std::ptrdiff_t sharedSide = FQuarter.back().Y == 0 ? 1 : 0;
    const std::ptrdiff_t sharedTop = FQuarter.front().X == 0 ? 1 : 0;
    int untilKept = 0;
    const auto walk = [&](std::ptrdiff_t from, std::ptrdiff_t to, int signX, int signY) {
        const std::ptrdiff_t step = from <= to ? 1 : -1;
        for (std::ptrdiff_t i = from; i != to + step; i += step) {
            if (untilKept == 0) {
                const TOffset& offset = FQuarter[static_cast<std::size_t>(i)];
                Keep((centreX + signX * offset.X) / 2, (centreY + signY * offset.Y) / 2);
                untilKept = FPeriod;
            }
            --untilKept;
        }
        FlushChain();
    };
    walk(0, lastIndex, 1, -1);
    walk(lastIndex - sharedSide, 0, 1, 1);
    walk(sharedTop, lastIndex, -1, 1);
    if (lastIndex - sharedSide >= sharedTop) {
        walk(lastIndex - sharedSide, sharedTop, -1, -1);
    }
}

} // namespace kvx
