#pragma once
// The checks of a map for standards and accessibility: findings with a rule name, a level, the
// area they concern and a German message. They read the map as it is and change nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

class TImageMap;

enum class TCheckLevel { Error, Warning };

struct TCheckFinding {
    std::string Rule;
    TCheckLevel Level = TCheckLevel::Error;
    // The area's number in list order, from 1; 0 for a finding about the whole map.
    std::size_t AreaNumber = 0;
    // The area's id in the map (0 for the whole map), so a window can select it.
    std::int32_t AreaId = 0;
    // The area's kind (akRectangle, akCircle, akPolygon); akNone for the whole map.
    std::uint8_t Shape = 0;
    std::string Message;
};

struct TImageSize {
    int Width = 0;
    int Height = 0;
};

// What the checks know about the map's image besides the map itself.
struct TCheckImage {
    // The size when the image was found and loaded; without it the rules that need it are
    // skipped and image-missing is reported.
    std::optional<TImageSize> Size;
    // The image's stored path, for the message.
    std::string StoredPath;
    // Files that match the stored path only without regard to letter case, when there are
    // several; image-missing names them.
    std::vector<std::string> AmbiguousCandidates;
};

// Every finding of map, map-level findings first, then area by area in list order. Relative
// links are looked up in linkBase (a folder, with or without a trailing "/").
std::vector<TCheckFinding> CheckMap(const TImageMap& map, const TCheckImage& image,
                                    const std::string& linkBase);

// "rect", "circle", "poly" (JSON); "Rechteck", "Kreis", "Polygon" (messages); "" for none.
const char* ShapeName(std::uint8_t kind);
const char* GermanShapeName(std::uint8_t kind);
const char* LevelName(TCheckLevel level);

} // namespace kvx
