#include "formats/PageInsertion.h"

#include "formats/NewPage.h"
#include "formats/PageMarkup.h"
#include "model/TextConversion.h"

#include <array>
#include <optional>

namespace kvx {

namespace {

// The img attributes the definition decides; every other one belongs to the page.
constexpr std::array DefinitionAttributes{std::string_view("src"),    std::string_view("width"),
                                          std::string_view("height"), std::string_view("border"),
                                          std::string_view("alt"),    std::string_view("title"),
                                          std::string_view("usemap")};

std::string_view ValueOf(std::string_view text, const TMarkupAttribute& attribute) {
    return text.substr(attribute.ValueBegin, attribute.ValueEnd - attribute.ValueBegin);
}

// The definition taken apart: its map element and its img tag with the values as written.
struct TDefinitionParts {
    std::string_view Map;
    std::string_view Image;
    std::array<std::string, DefinitionAttributes.size()> Values;
};

TDefinitionParts SplitDefinition(std::string_view definition) {
    TDefinitionParts parts;
    TMarkupScanner scanner(definition);
    TMarkupTag tag;
    std::optional<std::size_t> mapBegin;
    while (scanner.Next(tag)) {
        if (tag.Name == "map" && !tag.EndTag && !mapBegin) {
            mapBegin = tag.Begin;
        } else if (tag.Name == "map" && tag.EndTag && mapBegin && parts.Map.empty()) {
            parts.Map = definition.substr(*mapBegin, tag.End - *mapBegin);
        } else if (tag.Name == "img" && !tag.EndTag && parts.Image.empty()) {
            parts.Image = definition.substr(tag.Begin, tag.End - tag.Begin);
            for (std::size_t k = 0; k < DefinitionAttributes.size(); ++k) {
                if (const TMarkupAttribute* attribute = tag.Find(DefinitionAttributes[k])) {
                    parts.Values[k] = std::string(ValueOf(definition, *attribute));
                }
            }
        }
    }
    return parts;
}

// The name a map element goes by: its name, else its id; unescaped.
std::string MapNameOf(std::string_view text, const TMarkupTag& tag) {
    const TMarkupAttribute* name = tag.Find("name");
    if (name == nullptr || name->ValueBegin == name->ValueEnd) {
        name = tag.Find("id");
    }
    return name == nullptr ? std::string() : HtmlUnescape(ValueOf(text, *name));
}

// The edits that give one img start tag the definition's attributes. Later duplicates of
// them go, since readers differ in which one they take.
void AppendImageEdits(std::string_view text, const TMarkupTag& image, const TDefinitionParts& parts,
                      std::vector<TPageEdit>& edits) {
    std::string missing;
    for (std::size_t k = 0; k < DefinitionAttributes.size(); ++k) {
        const std::string& value = parts.Values[k];
        bool written = false;
        for (const TMarkupAttribute& attribute : image.Attributes) {
            if (attribute.Name != DefinitionAttributes[k]) {
                continue;
            }
            std::string replacement;
            if (!written) {
                // The attribute's name keeps the page's spelling.
                replacement = std::string(text.substr(attribute.Begin, attribute.Name.size())) +
                              "=\"" + value + "\"";
                written = true;
            }
            edits.push_back({attribute.Begin, attribute.End, std::move(replacement)});
        }
        if (!written) {
            missing += " " + std::string(DefinitionAttributes[k]) + "=\"" + value + "\"";
        }
    }
    if (!missing.empty()) {
        // After a blank before "/>" or ">" the blank goes behind the new attributes.
        const char before = image.AttributesEnd > 0 ? text[image.AttributesEnd - 1] : '<';
        if (before == ' ' || before == '\t' || before == '\n' || before == '\r') {
            missing = missing.substr(1) + " ";
        }
        edits.push_back({image.AttributesEnd, image.AttributesEnd, std::move(missing)});
    }
}

bool EndsWithLineBreak(std::string_view text) {
    return text.ends_with('\n') || text.ends_with('\r');
}

} // namespace

std::vector<TPageEdit> MapInsertionEdits(const TPageText& page, std::string_view definition,
                                         std::string_view mapName) {
    const std::string_view text = page.Text();
    const TDefinitionParts parts = SplitDefinition(definition);
    const std::string usemap = "#" + std::string(mapName);

    std::optional<TMarkupTag> map;
    std::optional<std::size_t> mapEnd;
    std::optional<std::size_t> bodyEnd;
    std::vector<TMarkupTag> images;
    TMarkupScanner scanner(text);
    TMarkupTag tag;
    while (scanner.Next(tag)) {
        if (tag.Name == "map") {
            if (!tag.EndTag && !map && MapNameOf(text, tag) == mapName) {
                map = tag;
            } else if (tag.EndTag && map && !mapEnd) {
                mapEnd = tag.End;
            }
        } else if (tag.Name == "body" && tag.EndTag && !bodyEnd) {
            bodyEnd = tag.Begin;
        } else if (tag.Name == "img" && !tag.EndTag) {
            const TMarkupAttribute* attribute = tag.Find("usemap");
            if (attribute != nullptr && HtmlUnescape(ValueOf(text, *attribute)) == usemap) {
                images.push_back(tag);
            }
        }
    }

    std::vector<TPageEdit> edits;
    if (!map) {
        const std::size_t at = bodyEnd.value_or(text.size());
        std::string insertion = page.WithPageLineEnds(definition);
        if (!bodyEnd && !text.empty() && !EndsWithLineBreak(text)) {
            insertion.insert(0, page.LineEnd());
        }
        edits.push_back({at, at, std::move(insertion)});
        return edits;
    }
    if (!mapEnd) {
        throw EPageInsertion("Die Image Map \"" + std::string(mapName) +
                             "\" ist in der HTML-Datei nicht mit </map> abgeschlossen! Die "
                             "Datei wurde nicht geändert.");
    }
    std::string replacement = page.WithPageLineEnds(parts.Map);
    bool imageUpdated = false;
    for (const TMarkupTag& image : images) {
        // An img inside the replaced map goes with it.
        if (image.Begin >= map->Begin && image.End <= *mapEnd) {
            continue;
        }
        AppendImageEdits(text, image, parts, edits);
        imageUpdated = true;
    }
    if (!imageUpdated) {
        replacement += page.LineEnd();
        replacement += page.WithPageLineEnds(parts.Image);
    }
    edits.push_back({map->Begin, *mapEnd, std::move(replacement)});
    return edits;
}

} // namespace kvx
