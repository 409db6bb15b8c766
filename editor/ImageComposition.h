#pragma once
// The picture the view shows, before zooming: the clean image with every area drawn on it.

#include "model/ImageMap.h"

#include <QImage>

namespace kvx {

// Copies source into work (both the same size, work Format_RGB32) and draws the map's areas
// on it. A large image is done in two halves on two threads, each copying and drawing its
// own rows: the result is the same as drawing on the whole image, pixel for pixel.
void ComposeImage(const QImage& source, QImage& work, const TImageMap& map);

} // namespace kvx
