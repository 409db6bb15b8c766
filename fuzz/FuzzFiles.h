#pragma once
// Files the fuzz targets need on disk: the decoders and loaders take paths.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kvx {

// A private folder for this fuzz process, created once.
const std::string& FuzzFolder();
// Writes the input to a file of that folder with the given name and returns its path.
std::string WriteFuzzFile(const std::string& name, const std::uint8_t* data, std::size_t size);
// A small valid PNG in the fuzz folder, for the image chooser and the image references.
const std::string& FuzzImage();

// Writes the input as fileName and loads it as the editor would; aborts on a result that
// breaks LoadImage's promises (an RGB32 image, or none after a failure).
void FuzzLoadImage(const std::string& fileName, const std::uint8_t* data, std::size_t size);

} // namespace kvx
