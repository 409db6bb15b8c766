#pragma once
// What a reader of a stored map hands back: the new map with its entries and its loaded
// image, built aside without touching any window, or nothing when reading stopped.

#include "model/ImageMap.h"
#include "platform/ImageSource.h"

#include <memory>
#include <string>

namespace kvx {

struct TMapReadResult {
    // Null when reading stopped; the host has then been told why, where there was a reason.
    std::unique_ptr<TImageMap> Map;
    TImageBitmaps Bitmaps;

    explicit operator bool() const { return Map != nullptr; }
};

// The step every reader shares once it knows the map's name and image: an empty map with
// these names on its loaded image; the caller adds the areas. Throws std::runtime_error when
// the image does not load, which every reader reports as a broken file.
TMapReadResult StartMapOnImage(const std::string& name, const std::string& imageFile,
                               const std::string& projectFile, const TImageSource& images);

} // namespace kvx
