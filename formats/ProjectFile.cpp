#include "formats/ProjectFile.h"

#include "formats/MapDefinitionReader.h"
#include "formats/MapReaderHost.h"
#include "formats/PageText.h"
#include "formats/ReaderMessages.h"
#include "formats/Version1Loader.h"
#include "model/ImageMap.h"
#include "model/TextConversion.h"
#include "platform/FileError.h"
#include "platform/FilePaths.h"
#include "platform/TextFile.h"

namespace kvx {

namespace {

constexpr std::string_view CrLf = "\r\n";

// Save As puts the image path on a line of its own, outside every tag. A double quote there
// would open a quoted stretch for the reader and hide the map, so it is written as the
// entity; the line is informative only and never read back.
std::string ImagePathLine(const std::string& imageFile) {
    std::string line;
    line.reserve(imageFile.size());
    for (const char c : imageFile) {
        if (c == '"') {
            line += "&quot;";
        } else {
            line += c;
        }
    }
    return line;
}

} // namespace

TProjectVersion DetectProjectVersion(std::string_view firstLine) {
    const std::string_view afterFirst = firstLine.empty() ? firstLine : firstLine.substr(1);
    const std::string_view tag = afterFirst.substr(0, 4);
    if (tag == "kvx1") {
        return TProjectVersion::Version1;
    }
    if (tag == "kvx2") {
        return TProjectVersion::Version2;
    }
    if (afterFirst.substr(0, 3) == "kvx") {
        return TProjectVersion::Unsupported;
    }
    return TProjectVersion::Foreign;
}

bool IsProjectFilePath(std::string_view path) {
    return LowerAscii(ExtensionOf(path)) == ".kvx";
}

std::string ProjectFileText(const TImageMap& map, int width, int height, bool saveAs) {
    std::string html;
    map.GetHtml(width, height, true, false, html);
    std::string text;
    text.reserve(ProjectFileHeader.size() + map.ImageFile.size() + html.size() + 8);
    text.append(ProjectFileHeader).append(CrLf);
    if (saveAs) {
        text.append(ImagePathLine(map.ImageFile)).append(CrLf);
    }
    text.append(html);
    return text;
}

void SaveProjectFile(const std::string& path, const TImageMap& map, int width, int height,
                     bool saveAs) {
    WriteFileSafely(path, EncodeForProjectFile(ProjectFileText(map, width, height, saveAs)));
}

std::string JoinLines(std::span<const std::string> lines, std::string_view separator) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + separator.size();
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text.append(line).append(separator);
    }
    return text;
}

TMapReadResult OpenProjectFile(const std::string& path, TMapReaderHost& host,
                               const TImageSource& images, TLoadWaiter& waiter) {
    std::vector<std::string> lines;
    waiter.Run([&](TLoadProgress&) { lines = SplitLines(ReadTextFile(path).Text); });
    const std::string firstLine = lines.empty() ? std::string() : lines.front();
    const std::span<const std::string> rest =
        lines.empty() ? std::span<const std::string>() : std::span(lines).subspan(1);
    switch (DetectProjectVersion(firstLine)) {
    case TProjectVersion::Version1:
        return LoadVersion1(firstLine, JoinLines(rest, "\r"), path, host, images);
    case TProjectVersion::Version2:
        return ReadMapDefinition(JoinLines(rest, " "), path, host, images);
    case TProjectVersion::Unsupported:
        host.ShowMessage(TMessageKind::Error, ReaderMessages::IncompatibleVersion, 0);
        break;
    case TProjectVersion::Foreign:
        host.ShowMessage(TMessageKind::Error, ReaderMessages::NotAProjectFile, 0);
        break;
    }
    return {};
}

TMapReadResult ImportHtmlFile(const std::string& path, TMapReaderHost& host,
                              const TImageSource& images, TLoadWaiter& waiter) {
    // A page is read in its own encoding (its byte-order mark or declaration), as a browser
    // reads it.
    std::string text;
    waiter.Run([&](TLoadProgress&) {
        text = JoinLines(SplitLines(TPageText::ReadFile(path).Text()), " ");
    });
    return ReadMapDefinition(text, path, host, images);
}

std::string OpenFileErrorMessage(const TFileError& error) {
    return "Fehler beim Öffnen der Datei! Drücken Sie F1 für weitere Informationen!\r\n"
           "Genauer Fehler: " +
           error.Detail();
}

std::string SaveFileErrorMessage(const TFileError& error) {
    return "Fehler beim Öffnen der Datei! Bitte drücken Sie F1 für weitere Informationen!\r\n"
           "Genauer Fehler: " +
           error.Detail();
}

} // namespace kvx
