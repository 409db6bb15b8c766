#include "formats/MapDefinitionReader.h"

#include "model/AreaFromCoordinates.h"
#include "model/BorderRule.h"

#include "formats/HtmlTextRoutines.h"
#include "formats/ImageQuestion.h"
#include "formats/MapReaderHost.h"
#include "formats/MapTextScanner.h"
#include "formats/ProjectFile.h"
#include "formats/ReaderMessages.h"
#include "platform/FilePaths.h"

#include <cstdint>
#include <optional>

namespace kvx {

namespace {

struct TCollectedMap {
    std::string Name; // unescaped, as listed for the choice
    TTextSpan Text;   // the map text: from its map start tag to its /map tag
};

// Lower-case tag name of a complete tag text, "" when the scanner finds no name. Most tags of
// a page are of no interest to a pass: when the first character of the name (what follows the
// "<" and any blanks or line breaks) is none of firstChars, the name cannot match, and the
// scan of the tag is spared.
std::string TagName(std::string_view tagText, std::string_view firstChars) {
    const std::size_t nameStart = tagText.find_first_not_of(" \r\n", 1);
    if (nameStart == std::string_view::npos) {
        return std::string();
    }
    char first = tagText[nameStart];
    if (first >= 'A' && first <= 'Z') {
        first = static_cast<char>(first - 'A' + 'a');
    }
    if (firstChars.find(first) == std::string_view::npos) {
        return std::string();
    }
    const TStringArray2D rows = ScanTag(tagText, true);
    return rows.empty() ? std::string() : LowerAscii(rows[0][0]);
}

// Pass 1: every named map with the stretch of text it covers.
std::vector<TCollectedMap> CollectMaps(std::string_view text) {
    std::vector<TCollectedMap> maps;
    TMapTextScanner scanner(text, TQuoteScope::Everywhere);
    bool inMap = false;
    TTextSpan tag;
    while (scanner.NextTag(tag)) {
        const std::string_view tagText = tag.In(text);
        const std::string name = TagName(tagText, "m/s");
        if (name == "map") {
            if (inMap) {
                // The characters of this tag up to its ">" already belong to the previous map.
                maps.back().Text.End = tag.End - 1;
                inMap = false;
            }
            const TStringArray2D rows = ScanTag(tagText, false);
            std::string mapName = GetAttribute("name", rows);
            if (mapName.empty()) {
                mapName = GetAttribute("id", rows);
            }
            if (!mapName.empty()) {
                maps.push_back({HtmlUnescape(mapName), TTextSpan{tag.Begin, text.size()}});
                inMap = true;
            }
        } else if (name == "/map") {
            if (inMap) {
                maps.back().Text.End = tag.End;
                inMap = false;
            }
        } else if (name == "script" || name == "style") {
            scanner.SetQuotesIgnored(true);
        } else if (name == "/script" || name == "/style") {
            scanner.SetQuotesIgnored(false);
        }
    }
    return maps;
}

// Pass 2: the attributes of the first img whose usemap names the map.
std::optional<TStringArray2D> FindImageTag(std::string_view text, const std::string& mapName) {
    const std::string wanted = "#" + mapName;
    TMapTextScanner scanner(text, TQuoteScope::Everywhere);
    TTextSpan tag;
    while (scanner.NextTag(tag)) {
        const std::string_view tagText = tag.In(text);
        if (TagName(tagText, "i") != "img") {
            continue;
        }
        const TStringArray2D rows = ScanTag(tagText, false);
        if (HtmlUnescape(GetAttribute("usemap", rows)) == wanted) {
            return rows;
        }
    }
    return std::nullopt;
}

// The three places an image may be, in this order; then the user is asked.
std::optional<std::string> LocateImage(const std::string& source, const std::string& sourceFile,
                                       TMapReaderHost& host, const TImageSource& images) {
    const std::string path = SlashesToBackslashes(source);
    const std::string folder = FolderPart(sourceFile);
    const std::string fileName = FileNamePart(path);
    const std::vector<std::string> found =
        images.FindImageFiles({path, folder + fileName, folder + path});
    std::optional<std::string> chosen =
        ChooseImageFile(found, fileName, folder, host, ReaderMessages::ReaderHelpContext);
    if (!chosen) {
        host.ShowMessage(TMessageKind::Warning, ReaderMessages::ImageChoiceCancelled, 0);
    }
    return chosen;
}

// Creates the area the shape and coordinates describe; false when the area is to be skipped.
bool CreateArea(TImageMap& map, const std::string& shape, const TIntegerArray& c) {
    const std::uint8_t kind = shape == "rect"                         ? akRectangle
                              : shape == "circle"                     ? akCircle
                              : shape == "poly" || shape == "polygon" ? akPolygon
                                                                      : akNone;
    // A polygon tag needs two vertices; one is only what a click in the editor may leave.
    return (kind != akPolygon || c.size() >= 4) && AddAreaFromCoordinates(map, kind, c);
}

// Pass 3: one area per usable area tag of the chosen map text, in document order.
void RebuildAreas(std::string_view mapText, TImageMap& map) {
    TMapTextScanner scanner(mapText, TQuoteScope::InsideTags);
    TTextSpan tag;
    TLinkAreaProperties props;
    while (scanner.NextTag(tag)) {
        const std::string_view tagText = tag.In(mapText);
        if (TagName(tagText, "a") != "area") {
            continue;
        }
        const TStringArray2D rows = ScanTag(tagText, false);
        const TIntegerArray coords = SplitCoords(GetAttribute("coords", rows));
        if (!CreateArea(map, LowerAscii(GetAttribute("shape", rows)), coords)) {
            continue;
        }
        map.GetSelectedProperties(props);
        props.Href = HtmlUnescape(GetAttribute("href", rows));
        props.Alt = HtmlUnescape(GetAttribute("alt", rows));
        props.Target = HtmlUnescape(GetAttribute("target", rows));
        props.OnMouseOver = HtmlUnescape(GetAttribute("onMouseover", rows));
        props.OnMouseOut = HtmlUnescape(GetAttribute("onMouseout", rows));
        props.OnClick = HtmlUnescape(GetAttribute("onClick", rows));
        const std::string color = GetAttribute("kvxcolor", rows);
        if (GetAttribute("kvxcontrast", rows) == "1") {
            props.Contrast = true;
        } else if (!color.empty()) {
            props.Contrast = false;
            props.Color = StrToInt(color);
        }
        map.SetSelectedProperties(props);
        map.ClearSelection();
    }
}

TMapReadResult ReadChosenMap(std::string_view text, const std::string& sourceFile,
                             TMapReaderHost& host, const TImageSource& images) {
    const std::vector<TCollectedMap> maps = CollectMaps(text);
    if (maps.empty()) {
        host.ShowMessage(TMessageKind::Warning, ReaderMessages::NoMapFound,
                         ReaderMessages::ReaderHelpContext);
        return {};
    }
    std::size_t chosen = 0;
    if (maps.size() > 1) {
        std::vector<std::string> names;
        names.reserve(maps.size());
        for (const TCollectedMap& map : maps) {
            names.push_back(map.Name);
        }
        const std::optional<std::size_t> choice = host.ChooseMap(names);
        if (!choice || *choice >= maps.size()) {
            host.ShowMessage(TMessageKind::Warning, ReaderMessages::MapChoiceCancelled, 0);
            return {};
        }
        chosen = *choice;
    }
    const TCollectedMap& map = maps[chosen];

    const std::optional<TStringArray2D> image = FindImageTag(text, map.Name);
    if (!image) {
        host.ShowMessage(TMessageKind::Warning, ReaderMessages::NoImageUsesMap,
                         ReaderMessages::ReaderHelpContext);
        return {};
    }
    // The writer escapes the path like every other attribute text.
    const std::optional<std::string> imageFile =
        LocateImage(HtmlUnescape(GetAttribute("src", *image)), sourceFile, host, images);
    if (!imageFile) {
        return {};
    }

    const std::string projectFile = IsProjectFilePath(sourceFile) ? sourceFile : std::string();
    TMapReadResult result = StartMapOnImage(map.Name, *imageFile, projectFile, images);
    // The map's description and border live on the img that shows it.
    result.Map->AltText = HtmlUnescape(GetAttribute("alt", *image));
    result.Map->Border = BorderRule(GetAttribute("border", *image));
    RebuildAreas(map.Text.In(text), *result.Map);
    return result;
}

} // namespace

TMapReadResult ReadMapDefinition(const std::string& text, const std::string& sourceFile,
                                 TMapReaderHost& host, const TImageSource& images) {
    try {
        return ReadChosenMap(text, sourceFile, host, images);
    } catch (...) {
        // Whatever went wrong, no half-read map is handed back.
        host.ShowMessage(TMessageKind::Error, ReaderMessages::LoadError,
                         ReaderMessages::ReaderHelpContext);
        return {};
    }
}

std::vector<std::string> CollectMapNames(std::string_view text) {
    std::vector<std::string> names;
    for (TCollectedMap& map : CollectMaps(text)) {
        names.push_back(std::move(map.Name));
    }
    return names;
}

} // namespace kvx
