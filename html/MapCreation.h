#pragma once
// The step every reader of a stored map shares once it knows the map's name and image: the
// new map becomes the editor's, on its loaded image.

#include <string>

namespace kvx {

class TImageMap;
class TMapReaderHost;

// Replaces the host document's map by an empty one with these names, loads its image and
// sets the editor up for it; the caller adds the areas. Throws std::runtime_error when the
// image does not load: the caller's handler then resets the editor as for any broken file.
TImageMap& CreateMapOnImage(TMapReaderHost& host, const std::string& name,
                            const std::string& imageFile, const std::string& projectFile);

} // namespace kvx
