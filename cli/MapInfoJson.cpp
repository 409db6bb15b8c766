#include "cli/MapInfoJson.h"

#include "model/ImageMap.h"
#include "model/TextConversion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace kvx {

namespace {

QJsonValue Text(const std::string& text) {
    return QString::fromStdString(text);
}

QJsonArray CoordsArray(const std::vector<std::string>& gridCells) {
    // The grid alternates label and value; only the values are coordinates.
    QJsonArray array;
    for (std::size_t i = 1; i < gridCells.size(); i += 2) {
        array.append(StrToInt(gridCells[i]));
    }
    return array;
}

QJsonObject AreaObject(const TLinkAreaEntry& entry) {
    TLinkAreaProperties props;
    entry.Area->GetProperties(props);
    return QJsonObject{
        {"id", entry.Id},
        {"kind", props.Kind},
        {"coords", CoordsArray(props.Coords)},
        {"href", Text(props.Href)},
        {"alt", Text(props.Alt)},
        {"target", Text(props.Target)},
        {"onMouseOver", Text(props.OnMouseOver)},
        {"onMouseOut", Text(props.OnMouseOut)},
        {"onClick", Text(props.OnClick)},
        {"color", props.Color},
        {"contrast", props.Contrast},
    };
}

} // namespace

QByteArray MapInfoJson(const TImageMap& map, int width, int height) {
    QJsonArray areas;
    for (const TLinkAreaEntry& entry : map.Entries()) {
        areas.append(AreaObject(entry));
    }
    const QJsonObject info{
        {"name", Text(map.Name)},
        {"imageFile", Text(map.ImageFile)},
        {"projectFile", Text(map.ProjectFile)},
        {"width", width},
        {"height", height},
        {"border", Text(map.Border)},
        {"altText", Text(map.AltText)},
        {"areas", areas},
    };
    return QJsonDocument(info).toJson(QJsonDocument::Indented);
}

} // namespace kvx
