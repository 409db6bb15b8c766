#include "publish/PageTemplate.h"

namespace kvx {

TMarkerReplacement ReplaceMapMarker(const QString& page, const QString& definition) {
    const QString marker = QString::fromUtf8(MapMarker.data(), qsizetype(MapMarker.size()));
    TMarkerReplacement result;
    const qsizetype position = page.indexOf(marker);
    if (position < 0) {
        result.Text = page;
        return result;
    }
    result.Text = page;
    result.Text.replace(position, marker.size(), definition);
    result.Position = position;
    result.Length = definition.size();
    return result;
}

QString DefaultPageTemplateText() {
    return QString::fromUtf8(DefaultPageTemplate.data(), qsizetype(DefaultPageTemplate.size()));
}

} // namespace kvx
