#pragma once
// The map definition in the two variants that publishing uses, as Qt text.

#include <QSize>
#include <QString>

namespace kvx {

class TImageMap;

// What goes into web pages and onto the clipboard: the image by its path relative to the
// page at pagePath, or by its file name where no page is known (pagePath empty).
QString PublishingDefinition(const TImageMap& map, QSize imageSize,
                             const QString& pagePath = QString());
// What the preview page holds: the image copy's name and alert links instead of the links.
QString PreviewDefinition(const TImageMap& map, QSize imageSize);

} // namespace kvx
