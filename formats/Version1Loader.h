#pragma once
// Reading of the older, line-based project files (version 1). They are never written.

#include "formats/MapReadResult.h"

#include <string>
#include <string_view>

namespace kvx {

class TMapReaderHost;

// The two fields of a version-1 header line that are used, their quotes removed.
struct TVersion1Header {
    std::string ImageFile;
    std::string MapName;
};

// Cuts the header at every comma (quotes do not protect commas) and takes fields 1 and 2.
TVersion1Header SplitVersion1Header(std::string_view header);

// Builds the map of a version-1 file: body holds the lines after the header, each ended by
// CR; projectPath becomes the map's project file. An empty result after telling the user why
// (a cancelled image choice ends it silently).
TMapReadResult LoadVersion1(const std::string& header, const std::string& body,
                            const std::string& projectPath, TMapReaderHost& host,
                            const TImageSource& images);

} // namespace kvx
