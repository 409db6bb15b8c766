#pragma once
// Rebuilds an image map from HTML text (Import, and Open of version-2 project files).

#include <string>

namespace kvx {

class TMapReaderHost;

// Reads text that came from sourceFile. Ends either with the host's document holding the
// new map and its image, or in the no-map state after telling the user why.
void ReadMapDefinition(const std::string& text, const std::string& sourceFile,
                       TMapReaderHost& host);

} // namespace kvx
