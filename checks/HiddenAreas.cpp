#include "checks/HiddenAreas.h"

#include <algorithm>
#include <cstdint>

namespace kvx {

namespace {

// At most this many cells along each side of the image.
constexpr std::int64_t GridCells = 128;

class TAreaGrid {
public:
    explicit TAreaGrid(const TPixelBox& image)
        : FCellWidth(std::max<std::int64_t>(16, (image.Right + GridCells) / GridCells)),
          FCellHeight(std::max<std::int64_t>(16, (image.Bottom + GridCells) / GridCells)),
          FColumns(image.Right / FCellWidth + 1), FRows(image.Bottom / FCellHeight + 1),
          FCells(static_cast<std::size_t>(FColumns * FRows)) {}

    void Add(const TPixelBox& part, std::uint32_t index) {
        ForCells(part, [&](std::vector<std::uint32_t>& cell) { cell.push_back(index); });
    }

    // The earlier shapes whose cells meet part, each once, in list order.
    std::vector<std::uint32_t> Candidates(const TPixelBox& part, std::vector<std::uint32_t>& seen,
                                          std::uint32_t stamp) {
        std::vector<std::uint32_t> found;
        ForCells(part, [&](const std::vector<std::uint32_t>& cell) {
            for (const std::uint32_t index : cell) {
                if (seen[index] != stamp) {
                    seen[index] = stamp;
                    found.push_back(index);
                }
            }
        });
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    template <typename F> void ForCells(const TPixelBox& part, F&& visit) {
        for (std::int64_t row = part.Top / FCellHeight; row <= part.Bottom / FCellHeight; ++row) {
            for (std::int64_t column = part.Left / FCellWidth; column <= part.Right / FCellWidth;
                 ++column) {
                visit(FCells[static_cast<std::size_t>(row * FColumns + column)]);
            }
        }
    }

    std::int64_t FCellWidth;
    std::int64_t FCellHeight;
    std::int64_t FColumns;
    std::int64_t FRows;
    std::vector<std::vector<std::uint32_t>> FCells;
};

// Whether every pixel of shape within part is held by one of the candidates.
bool IsCovered(const TAreaShape& shape, const TPixelBox& part,
               const std::vector<const TAreaShape*>& candidates) {
    // A rectangle inside a single earlier rectangle needs no pixel walk.
    if (shape.Kind() == akRectangle) {
        for (const TAreaShape* earlier : candidates) {
            if (earlier->Kind() == akRectangle && earlier->Bounds().Covers(part)) {
                return true;
            }
        }
    }
    std::vector<const TAreaShape*> onRow;
    for (std::int64_t y = part.Top; y <= part.Bottom; ++y) {
        onRow.clear();
        for (const TAreaShape* earlier : candidates) {
            if (earlier->Bounds().Top <= y && y <= earlier->Bounds().Bottom) {
                onRow.push_back(earlier);
            }
        }
        for (std::int64_t x = part.Left; x <= part.Right; ++x) {
            if (!shape.Contains(x, y)) {
                continue;
            }
            const bool held = std::any_of(onRow.begin(), onRow.end(), [&](const TAreaShape* e) {
                return e->Bounds().Holds(x, y) && e->Contains(x, y);
            });
            if (!held) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

std::vector<bool> FindHiddenAreas(const std::vector<TAreaShape>& shapes, const TPixelBox& image) {
    std::vector<bool> hidden(shapes.size(), false);
    if (image.IsEmpty()) {
        return hidden;
    }
    TAreaGrid grid(image);
    std::vector<std::uint32_t> seen(shapes.size(), 0);
    std::vector<const TAreaShape*> candidates;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const TAreaShape& shape = shapes[i];
        if (!shape.HasPixelIn(image)) {
            continue;
        }
        const TPixelBox part = shape.Bounds().Intersection(image);
        candidates.clear();
        for (const std::uint32_t index :
             grid.Candidates(part, seen, static_cast<std::uint32_t>(i + 1))) {
            candidates.push_back(&shapes[index]);
        }
        hidden[i] = !candidates.empty() && IsCovered(shape, part, candidates);
        grid.Add(part, static_cast<std::uint32_t>(i));
    }
    return hidden;
}

} // namespace kvx
