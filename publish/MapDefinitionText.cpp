#include "publish/MapDefinitionText.h"

#include "model/ImageMap.h"

#include <string>

namespace kvx {

namespace {

QString Definition(const TImageMap& map, QSize imageSize, bool preview) {
    std::string html;
    map.GetHtml(imageSize.width(), imageSize.height(), false, preview, html);
    return QString::fromStdString(html);
}

} // namespace

QString PublishingDefinition(const TImageMap& map, QSize imageSize) {
    return Definition(map, imageSize, false);
}

QString PreviewDefinition(const TImageMap& map, QSize imageSize) {
    return Definition(map, imageSize, true);
}

} // namespace kvx
