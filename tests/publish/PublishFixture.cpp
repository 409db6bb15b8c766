#include "PublishFixture.h"

#include "formats/ImageReference.h"
#include "model/AreaFromCoordinates.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace kvx::test {

namespace {

void AddArea(TImageMap& map, std::uint8_t kind, const std::vector<std::int32_t>& coords,
             const std::string& href, const std::string& alt) {
    AddAreaFromCoordinates(map, kind, coords);
    TLinkAreaProperties props;
    map.GetSelectedProperties(props);
    props.Href = href;
    props.Alt = alt;
    map.SetSelectedProperties(props);
}

} // namespace

void WriteSampleImage(const QString& path) {
    QImage image(SampleImageSize, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    ASSERT_TRUE(image.save(path, "PNG")) << path.toStdString();
}

std::unique_ptr<TImageMap> MakeSampleMap(const std::string& imageFile) {
    auto map = std::make_unique<TImageMap>();
    map->Name = "karte";
    map->ImageFile = imageFile;
    map->AltText = "Unser Haus";
    AddArea(*map, akRectangle, {2, 3, 20, 15}, "wohnzimmer.htm", "Wohnzimmer");
    AddArea(*map, akCircle, {30, 20, 5}, "küche.htm", "Küche & Herd");
    map->ClearSelection();
    return map;
}

QString PublishingText(const TImageMap& map, const QString& pagePath) {
    std::string html;
    map.GetHtml(SampleImageSize.width(), SampleImageSize.height(), false, false, html,
                ImageReferenceForPage(map.ImageFile, pagePath.toStdString()));
    return QString::fromStdString(html);
}

} // namespace kvx::test
