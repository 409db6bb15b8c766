#include "publish/MapDefinitionText.h"

#include "formats/ImageReference.h"
#include "model/ImageMap.h"

#include <string>

namespace kvx {

QString PublishingDefinition(const TImageMap& map, QSize imageSize, const QString& pagePath) {
    std::string html;
    map.GetHtml(imageSize.width(), imageSize.height(), false, false, html,
                ImageReferenceForPage(map.ImageFile, pagePath.toStdString()));
    return QString::fromStdString(html);
}

QString PreviewDefinition(const TImageMap& map, QSize imageSize) {
    std::string html;
    map.GetHtml(imageSize.width(), imageSize.height(), false, true, html);
    return QString::fromStdString(html);
}

} // namespace kvx
