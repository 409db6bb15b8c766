#pragma once
// Rebuilds an image map from HTML text (Import, and Open of version-2 project files).

#include "formats/MapReadResult.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

class TMapReaderHost;

// Reads text that came from sourceFile: the new map with its areas and its image, none of
// them selected; an empty result after telling the user why.
TMapReadResult ReadMapDefinition(const std::string& text, const std::string& sourceFile,
                                 TMapReaderHost& host, const TImageSource& images);

// The names of the maps ReadMapDefinition would offer for text, unescaped, in document order
// (duplicates included); empty when the text holds no named map.
std::vector<std::string> CollectMapNames(std::string_view text);

// The open-dialog filter for an image that cannot be found.
inline constexpr const char* ImageFileFilter =
    "Bilddateien (*.gif;*.jpg;*.jpeg;*.png)|*.GIF;*.JPG;*.JPEG;*.PNG|GIF-Dateien (*.gif)|*.GIF|"
    "JPEG-Dateien (*.jpg;*.jpeg)|*.JPG;*.JPEG|PNG-Dateien (*.png)|*.PNG";

} // namespace kvx
