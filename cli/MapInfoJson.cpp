#include "cli/MapInfoJson.h"

#include "model/ImageMap.h"
#include "model/TextConversion.h"

#include <cstdio>

namespace kvx {

namespace {

void AppendField(std::string& json, std::string_view indent, std::string_view key,
                 std::string_view value, bool last = false) {
    json.append(indent).append(JsonString(key)).append(": ").append(value);
    json.append(last ? "\n" : ",\n");
}

std::string CoordsArray(const std::vector<std::string>& gridCells) {
    // The grid alternates label and value; only the values are coordinates.
    std::string array = "[";
    for (std::size_t i = 1; i < gridCells.size(); i += 2) {
        if (i > 1) {
            array += ", ";
        }
        array += IntToStr(StrToInt(gridCells[i]));
    }
    return array + "]";
}

void AppendArea(std::string& json, const TLinkAreaEntry& entry, bool last) {
    TLinkAreaProperties props;
    entry.Area->GetProperties(props);
    constexpr std::string_view indent = "      ";
    json += "    {\n";
    AppendField(json, indent, "id", IntToStr(entry.Id));
    AppendField(json, indent, "kind", IntToStr(props.Kind));
    AppendField(json, indent, "coords", CoordsArray(props.Coords));
    AppendField(json, indent, "href", JsonString(props.Href));
    AppendField(json, indent, "alt", JsonString(props.Alt));
    AppendField(json, indent, "target", JsonString(props.Target));
    AppendField(json, indent, "onMouseOver", JsonString(props.OnMouseOver));
    AppendField(json, indent, "onMouseOut", JsonString(props.OnMouseOut));
    AppendField(json, indent, "onClick", JsonString(props.OnClick));
    AppendField(json, indent, "color", IntToStr(props.Color));
    AppendField(json, indent, "contrast", props.Contrast ? "true" : "false", true);
    json += last ? "    }\n" : "    },\n";
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string MapInfoJson(const TImageMap& map, int width, int height) {
    constexpr std::string_view indent = "  ";
    std::string json = "{\n";
    AppendField(json, indent, "name", JsonString(map.Name));
    AppendField(json, indent, "imageFile", JsonString(map.ImageFile));
    AppendField(json, indent, "projectFile", JsonString(map.ProjectFile));
    AppendField(json, indent, "width", IntToStr(width));
    AppendField(json, indent, "height", IntToStr(height));
    AppendField(json, indent, "border", JsonString(map.Border));
    AppendField(json, indent, "altText", JsonString(map.AltText));
    const std::vector<TLinkAreaEntry>& entries = map.Entries();
    if (entries.empty()) {
        json += "  \"areas\": []\n";
    } else {
        json += "  \"areas\": [\n";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            AppendArea(json, entries[i], i + 1 == entries.size());
        }
        json += "  ]\n";
    }
    return json + "}\n";
}

} // namespace kvx
