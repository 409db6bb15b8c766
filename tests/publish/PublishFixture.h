#pragma once
// What the publishing tests share: a small map on a real image file, and file helpers.

#include "model/ImageMap.h"
#include "support/FileBytes.h"
#include "support/QtPrinters.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <memory>
#include <string>

namespace kvx::test {

inline constexpr QSize SampleImageSize(40, 30);

// Writes a PNG of SampleImageSize to path.
void WriteSampleImage(const QString& path);
// A map "karte" on imageFile with a rectangle linking "wohnzimmer.htm" (alt "Wohnzimmer")
// and a circle linking "küche.htm" (alt "Küche & Herd").
std::unique_ptr<TImageMap> MakeSampleMap(const std::string& imageFile);
// The map's definition in the variant used for publishing, as the model writes it: the image
// named from the page at pagePath, or by its file name.
QString PublishingText(const TImageMap& map, const QString& pagePath = QString());

} // namespace kvx::test
