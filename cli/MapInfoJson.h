#pragma once
// The description of a loaded map that "kvxtool info" prints: one JSON object, indented, in
// UTF-8, with the keys in Qt's order.

#include <QByteArray>

namespace kvx {

class TImageMap;

// name, imageFile, projectFile, width, height, border, altText and the areas in list order.
QByteArray MapInfoJson(const TImageMap& map, int width, int height);

} // namespace kvx
