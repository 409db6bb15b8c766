#include "formats/Version1Loader.h"

#include "model/AreaFromCoordinates.h"
#include "model/Int32Arithmetic.h"

#include "formats/ImageQuestion.h"
#include "formats/MapReaderHost.h"
#include "formats/ReaderMessages.h"
#include "model/TextConversion.h"
#include "platform/FilePaths.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kvx {

namespace {

// A quoted header field without its first and last character.
std::string Unquoted(std::string_view field) {
    return field.size() < 2 ? std::string() : std::string(field.substr(1, field.size() - 2));
}

// One area line: fields (each ended by a comma) fill four slots in turn; a complete group
// creates or extends the area, and the closing fields store its href and target.
class TVersion1AreaLine {
public:
    explicit TVersion1AreaLine(TImageMap& map) : FMap(map) {}

    void Read(std::string_view line) {
        if (line.empty()) {
            return;
        }
        FKind = line[0];
        if (FKind != '1' && FKind != '2' && FKind != '3') {
            return;
        }
        std::size_t fieldStart = 3;
        for (std::size_t i = fieldStart; i < line.size() && !FStored; ++i) {
            if (line[i] == ',') {
                FieldEnded(line.substr(fieldStart, i - fieldStart));
                fieldStart = i + 1;
            }
        }
        if (FCreated && !FStored) {
            // A line cut short leaves its area as it is (an open polygon stays open); the
            // selection is cleared as after every other area.
            FMap.ClearSelection();
        }
    }

private:
    void FieldEnded(std::string_view field) {
        ++FFieldCount;
        const std::size_t slot = (FFieldCount - 1) % 4;
        FSlots[slot] = std::string(field);
        if (FKind == '3') {
            PolygonFieldEnded(slot);
        } else if (FFieldCount == 4) {
            CreateBox();
        } else if (FFieldCount == 6) {
            Store(FSlots[0], FSlots[1]);
        }
    }

    // Rectangle and circle: top, height, left, width.
    void CreateBox() {
        const std::int64_t top = StrToInt(FSlots[0]);
        const std::int64_t height = StrToInt(FSlots[1]);
        const std::int64_t left = StrToInt(FSlots[2]);
        const std::int64_t width = StrToInt(FSlots[3]);
        ClearSlots();
        if (FKind == '2') {
            AddAreaFromCoordinates(
                FMap, akRectangle,
                {Wrap32(left), Wrap32(top), Wrap32(left + width), Wrap32(top + height)});
        } else {
            // The circle's radius comes from its box as a drag to the box's corner gives it.
            std::string status;
            FMap.AddArea(akCircle, Wrap32(left + (width + 1) / 2), Wrap32(top + (height + 1) / 2),
                         status);
            FMap.ModifySelected(0, 0, Wrap32(left + width), Wrap32(top + height), mmDragNew,
                                status);
            FMap.ModifySelected(0, 0, 0, 0, mmFinish, status);
        }
        FCreated = true;
    }

    // Groups of x, y and two unread fields; a group with an empty first field closes the
    // polygon at its third field with href and target.
    void PolygonFieldEnded(std::size_t slot) {
        std::string status;
        if (slot == 2 && FCreated && FSlots[0].empty()) {
            FMap.ModifySelected(0, 0, 0, 0, mmFinish, status);
            Store(FSlots[1], FSlots[2]);
            return;
        }
        if (slot != 3) {
            return;
        }
        const int x = StrToInt(FSlots[0]);
        const int y = StrToInt(FSlots[1]);
        ClearSlots();
        if (!FCreated) {
            FMap.AddArea(akPolygon, x, y, status);
            FCreated = true;
        } else {
            FMap.ModifySelected(0, 0, x, y, mmDragNew, status);
            FMap.ModifySelected(0, 0, x, y, mmAddPoint, status);
        }
    }

    void Store(const std::string& href, const std::string& target) {
        TLinkAreaProperties props;
        FMap.GetSelectedProperties(props);
        props.Href = href;
        props.Target = target;
        FMap.SetSelectedProperties(props);
        FMap.ClearSelection();
        ClearSlots();
        FStored = true;
    }

    void ClearSlots() {
        for (std::string& slot : FSlots) {
            slot.clear();
        }
    }

    TImageMap& FMap;
    char FKind = 0;
    std::size_t FFieldCount = 0;
    std::array<std::string, 4> FSlots;
    bool FCreated = false;
    bool FStored = false;
};

// The stored path, else the file of that name beside the project file, else the user's
// choice. The stored paths come from Windows: the lookup reads "\" as a separator and
// matches letter case loosely, otherwise no version-1 file would find its image here.
std::optional<std::string> LocateImage(const std::string& imageFile, const std::string& projectPath,
                                       TMapReaderHost& host, const TImageSource& images) {
    const std::string folder = FolderPart(projectPath);
    const std::string fileName = FileNamePart(imageFile);
    return ChooseImageFile(images.FindImageFiles({imageFile, folder + fileName}), fileName, folder,
                           host, 0);
}

TMapReadResult LoadMap(const std::string& header, const std::string& body,
                       const std::string& projectPath, TMapReaderHost& host,
                       const TImageSource& images) {
    const TVersion1Header fields = SplitVersion1Header(header);
    const std::optional<std::string> imageFile =
        LocateImage(fields.ImageFile, projectPath, host, images);
    if (!imageFile) {
        return {};
    }
    TMapReadResult result = StartMapOnImage(fields.MapName, *imageFile, projectPath, images);
    TImageMap& map = *result.Map;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\r') {
            TVersion1AreaLine(map).Read(std::string_view(body).substr(lineStart, i - lineStart));
            lineStart = i + 1;
        }
    }
    return result;
}

} // namespace

TVersion1Header SplitVersion1Header(std::string_view header) {
    std::array<std::string_view, 3> fields;
    std::size_t index = 0;
    std::size_t start = 0;
    while (index < fields.size()) {
        const std::size_t comma = header.find(',', start);
        fields[index++] = header.substr(start, comma - start);
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return TVersion1Header{Unquoted(fields[1]), Unquoted(fields[2])};
}

TMapReadResult LoadVersion1(const std::string& header, const std::string& body,
                            const std::string& projectPath, TMapReaderHost& host,
                            const TImageSource& images) {
    try {
        return LoadMap(header, body, projectPath, host, images);
    } catch (...) {
        // Whatever went wrong, no half-read map is handed back.
        host.ShowMessage(TMessageKind::Error, ReaderMessages::LoadError, 0);
        return {};
    }
}

} // namespace kvx
