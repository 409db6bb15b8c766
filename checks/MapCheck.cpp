#include "checks/MapCheck.h"

#include "checks/AreaGeometry.h"
#include "checks/HiddenAreas.h"
#include "checks/LinkTargets.h"
#include "model/ImageMap.h"
#include "model/TextConversion.h"

#include <QDir>
#include <QFileInfo>
#include <unordered_map>

namespace kvx {

namespace {

// The smallest target that WCAG's target-size rule accepts, in CSS pixels.
constexpr std::int64_t MinimumTarget = 24;

bool HasWhiteSpace(const std::string& text) {
    return text.find_first_of(" \t\n\f\r") != std::string::npos;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

class TMapChecker {
public:
    TMapChecker(const TImageMap& map, const TCheckImage& image, const std::string& linkBase)
        : FMap(map), FImage(image), FLinkBase(QDir(QString::fromStdString(linkBase))) {
        for (const TLinkAreaEntry& entry : map.Entries()) {
            FShapes.emplace_back(*entry.Area);
        }
        if (image.Size) {
            FImageBox = {0, 0, image.Size->Width - 1, image.Size->Height - 1};
        }
    }

    std::vector<TCheckFinding> Run() {
        CheckMapItself();
        const std::vector<TAreaReach> reach =
            FImage.Size ? ClassifyAreas(FShapes, FImageBox) : std::vector<TAreaReach>();
        for (std::size_t i = 0; i < FShapes.size(); ++i) {
            CheckArea(i, reach.empty() ? std::nullopt : std::optional(reach[i]));
        }
        return std::move(FFindings);
    }

private:
    void AddMapFinding(const char* rule, TCheckLevel level, std::string message) {
        FFindings.push_back({rule, level, 0, 0, akNone, std::move(message)});
    }

    void Add(std::size_t index, const char* rule, TCheckLevel level, std::string message) {
        FFindings.push_back({rule, level, index + 1, FMap.Entries()[index].Id,
                             FShapes[index].Kind(), std::move(message)});
    }

    void CheckMapItself() {
        if (FMap.AltText.empty()) {
            AddMapFinding("img-alt-missing", TCheckLevel::Error,
                          "Das Bild hat keine Beschreibung (alt), Screenreader können es nicht "
                          "ansagen.");
        }
        if (FMap.Name.empty() || HasWhiteSpace(FMap.Name)) {
            AddMapFinding("map-name-invalid", TCheckLevel::Error,
                          "Der Name der Image Map ist leer oder enthält Leerzeichen.");
        }
        if (!FImage.Size) {
            std::string message = "Die Bilddatei " + Quoted(FImage.StoredPath) +
                                  " wurde nicht gefunden oder kann nicht geladen werden.";
            if (!FImage.AmbiguousCandidates.empty()) {
                message = "Die Bilddatei " + Quoted(FImage.StoredPath) +
                          " ist nur ohne Beachtung der Groß-/Kleinschreibung mehrfach zu finden:";
                for (const std::string& candidate : FImage.AmbiguousCandidates) {
                    message += " " + Quoted(candidate);
                }
            }
            AddMapFinding("image-missing", TCheckLevel::Error, std::move(message));
        }
    }

    // reach is known when the image is.
    void CheckArea(std::size_t i, std::optional<TAreaReach> reach) {
        const TLinkArea& area = *FMap.Entries()[i].Area;
        const TAreaShape& shape = FShapes[i];
        if (area.Alt.empty()) {
            Add(i, "area-alt-missing", TCheckLevel::Error,
                "Die Verweisfläche hat keine Beschreibung (alt).");
        }
        CheckGeometry(i, shape, reach);
        const bool placeholder = area.Href.empty() || area.Href == "#";
        if (!area.Alt.empty() && !placeholder &&
            (area.Alt == area.Href || area.Alt == LinkFileName(area.Href))) {
            Add(i, "alt-equals-link", TCheckLevel::Warning,
                "Die Beschreibung wiederholt nur den Verweis " + Quoted(area.Href) + ".");
        }
        CheckDuplicateAlt(i, area);
        if (placeholder) {
            Add(i, "link-placeholder", TCheckLevel::Warning,
                "Die Verweisfläche verweist nirgendwohin (leerer Verweis oder \"#\").");
        } else if (const std::optional<std::string> file = RelativeLinkFile(area.Href)) {
            if (!QFileInfo::exists(FLinkBase.filePath(QString::fromStdString(*file)))) {
                Add(i, "link-missing-file", TCheckLevel::Warning,
                    "Die verlinkte Datei " + Quoted(*file) + " gibt es nicht.");
            }
        }
    }

    void CheckGeometry(std::size_t i, const TAreaShape& shape, std::optional<TAreaReach> reach) {
        if (shape.IsDegenerate()) {
            Add(i, "area-degenerate", TCheckLevel::Error,
                "Die Verweisfläche hat keine Fläche und kann nie angeklickt werden.");
            return;
        }
        TPixelBox clip = shape.Bounds();
        if (reach) {
            if (*reach == TAreaReach::OutsideImage) {
                Add(i, "area-outside-image", TCheckLevel::Error,
                    "Die Verweisfläche liegt ganz außerhalb des Bildes.");
                return;
            }
            if (!FImageBox.Covers(shape.Bounds())) {
                Add(i, "area-partly-outside", TCheckLevel::Warning,
                    "Die Verweisfläche liegt zum Teil außerhalb des Bildes.");
            }
            if (*reach == TAreaReach::Hidden) {
                Add(i, "area-hidden", TCheckLevel::Warning,
                    "Die Verweisfläche liegt ganz unter früheren Verweisflächen und kann nie "
                    "angeklickt werden.");
            }
            // The part outside cannot be clicked; the right and bottom image edges still
            // count as the end of a coordinate range.
            clip = {0, 0, FImage.Size->Width, FImage.Size->Height};
        }
        const std::int64_t width = shape.ExtentWidth(clip);
        const std::int64_t height = shape.ExtentHeight(clip);
        if (width < MinimumTarget || height < MinimumTarget) {
            Add(i, "target-too-small", TCheckLevel::Warning,
                "Die Verweisfläche ist mit " + IntToStr(width) + " × " + IntToStr(height) +
                    " Pixeln kleiner als 24 × 24 Pixel und auf Touch-Geräten schwer zu treffen.");
        }
    }

    void CheckDuplicateAlt(std::size_t i, const TLinkArea& area) {
        if (area.Alt.empty()) {
            return;
        }
        const auto [first, inserted] = FFirstWithAlt.try_emplace(area.Alt, i);
        if (inserted) {
            return;
        }
        const TLinkArea& earlier = *FMap.Entries()[first->second].Area;
        if (earlier.Href != area.Href) {
            Add(i, "alt-duplicate", TCheckLevel::Warning,
                "Die Beschreibung " + Quoted(area.Alt) + " hat schon Fläche " +
                    IntToStr(static_cast<std::int64_t>(first->second) + 1) +
                    ", die woandershin verweist.");
        }
    }

    const TImageMap& FMap;
    const TCheckImage& FImage;
    QDir FLinkBase;
    std::vector<TAreaShape> FShapes;
    TPixelBox FImageBox;
    std::unordered_map<std::string, std::size_t> FFirstWithAlt;
    std::vector<TCheckFinding> FFindings;
};

} // namespace

std::vector<TCheckFinding> CheckMap(const TImageMap& map, const TCheckImage& image,
                                    const std::string& linkBase) {
    return TMapChecker(map, image, linkBase).Run();
}

const char* ShapeName(std::uint8_t kind) {
    switch (kind) {
    case akRectangle:
        return "rect";
    case akCircle:
        return "circle";
    case akPolygon:
        return "poly";
    default:
        return "";
    }
}

const char* GermanShapeName(std::uint8_t kind) {
    switch (kind) {
    case akRectangle:
        return "Rechteck";
    case akCircle:
        return "Kreis";
    case akPolygon:
        return "Polygon";
    default:
        return "";
    }
}

const char* LevelName(TCheckLevel level) {
    return level == TCheckLevel::Error ? "error" : "warning";
}

} // namespace kvx
