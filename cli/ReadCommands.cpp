#include "cli/ReadCommands.h"

#include "cli/MapInfoJson.h"
#include "cli/ToolReading.h"
#include "formats/MapDefinitionReader.h"
#include "formats/PageText.h"
#include "formats/ProjectFile.h"
#include "formats/ReaderMessages.h"
#include "formats/Version1Loader.h"
#include "images/ImageFiles.h"
#include "model/ImageMap.h"
#include "platform/FileError.h"
#include "platform/FilePaths.h"
#include "platform/TextFile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <iostream>
#include <optional>
#include <span>

namespace kvx {

namespace {

const QCommandLineOption MapOption(QStringLiteral("map"), QString(), QStringLiteral("NAME"));
const QCommandLineOption ImageOption(QStringLiteral("image"), QString(), QStringLiteral("BILD"));
const QCommandLineOption VariantOption(QStringLiteral("variant"), QString(),
                                       QStringLiteral("VARIANTE"), QStringLiteral("publish"));
const QCommandLineOption SaveAsOption(QStringLiteral("save-as"));
const QCommandLineOption ForceOption(QStringLiteral("force"));

// Why output must not be replaced by a project file, or std::nullopt: it is the file being
// read, or an existing file whose content is no project file (unless force).
std::optional<std::string> SaveRefusal(const std::string& input, const std::string& output,
                                       bool force) {
    if (IsSameFile(input, output)) {
        return "Die Ausgabedatei ist die gelesene Datei: " + output +
               "\r\nBitte geben Sie eine andere Ausgabedatei an!";
    }
    QFile existing(QFile::decodeName(QByteArray::fromStdString(output)));
    // Only a regular file is looked into (a pipe would block); anything else, and a file that
    // cannot be read, is left to the writer, which refuses or reports why.
    if (force || !QFileInfo(existing).isFile() || !existing.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const std::vector<std::string> lines = SplitLines(existing.read(4096).toStdString());
    if (DetectProjectVersion(lines.empty() ? std::string() : lines.front()) ==
        TProjectVersion::Foreign) {
        return "Die Datei " + output +
               " ist keine Korvane Datei und wird nicht überschrieben.\r\nMit --force wird sie "
               "ersetzt.";
    }
    return std::nullopt;
}

std::optional<std::string> OptionalValue(const QCommandLineParser& parser,
                                         const QCommandLineOption& option) {
    if (!parser.isSet(option)) {
        return std::nullopt;
    }
    return parser.value(option).toStdString();
}

} // namespace

TReadOptions ReadOptions(const QCommandLineParser& parser) {
    TReadOptions options;
    options.MapName = OptionalValue(parser, MapOption);
    if (const QStringList images = parser.values(ImageOption); !images.isEmpty()) {
        options.ImageFile = ArgumentPath(images.last());
    }
    for (const QString& file : parser.positionalArguments()) {
        options.Files.push_back(ArgumentPath(file));
    }
    return options;
}

void AddReaderOptions(QCommandLineParser& parser) {
    parser.addOption(MapOption);
    parser.addOption(ImageOption);
}

int WithLoadedMap(const TReadOptions& options,
                  const std::function<int(const TImageMap&, int, int)>& action) {
    try {
        TToolReaderHost host(options.MapName, options.ImageFile);
        const TMapReadResult read = ReadMapFile(options.Files.front(), host, TImageFiles());
        if (!read) {
            return Failure(host.Messages());
        }
        return action(*read.Map, read.Bitmaps.SourceBitmap.width(),
                      read.Bitmaps.SourceBitmap.height());
    } catch (const std::exception& error) {
        return Failure({std::string("kvxtool: ") + error.what()});
    }
}

int RunListCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    if (!ParseCommandLine(parser, arguments, 1)) {
        return UsageError("list", ListArguments);
    }
    std::vector<std::string> messages;
    const std::optional<std::vector<std::string>> names =
        ListMapNames(ArgumentPath(parser.positionalArguments().front()), messages);
    if (!names) {
        return Failure(messages);
    }
    QByteArray lines;
    for (const std::string& name : *names) {
        lines.append(name.data(), static_cast<qsizetype>(name.size())).append('\n');
    }
    return WriteOutput(lines);
}

int RunHtmlCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    AddReaderOptions(parser);
    parser.addOption(VariantOption);
    const bool parsed = ParseCommandLine(parser, arguments, 1);
    const std::string variant = parsed ? parser.value(VariantOption).toStdString() : std::string();
    if (!parsed || (variant != "publish" && variant != "project" && variant != "preview")) {
        return UsageError("html", HtmlArguments);
    }
    return WithLoadedMap(ReadOptions(parser), [&](const TImageMap& map, int width, int height) {
        std::string html;
        map.GetHtml(width, height, variant == "project", variant == "preview", html);
        // Standard output is UTF-8 for every command; line ends stay CR LF as in a file.
        return WriteOutput(QByteArray::fromStdString(html));
    });
}

int RunSaveCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    AddReaderOptions(parser);
    parser.addOption(SaveAsOption);
    parser.addOption(ForceOption);
    if (!ParseCommandLine(parser, arguments, 2)) {
        return UsageError("save", SaveArguments);
    }
    const TReadOptions options = ReadOptions(parser);
    const bool saveAs = parser.isSet(SaveAsOption);
    if (const std::optional<std::string> refusal =
            SaveRefusal(AbsoluteToolPath(options.Files[0]), AbsoluteToolPath(options.Files[1]),
                        parser.isSet(ForceOption))) {
        return Failure({*refusal});
    }
    return WithLoadedMap(options, [&](const TImageMap& map, int width, int height) {
        try {
            SaveProjectFile(options.Files[1], map, width, height, saveAs);
        } catch (const TFileError& error) {
            return Failure({SaveFileErrorMessage(error)});
        }
        return ExitSuccess;
    });
}

int RunInfoCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    AddReaderOptions(parser);
    if (!ParseCommandLine(parser, arguments, 1)) {
        return UsageError("info", InfoArguments);
    }
    return WithLoadedMap(ReadOptions(parser), [](const TImageMap& map, int width, int height) {
        return WriteOutput(MapInfoJson(map, width, height));
    });
}

} // namespace kvx
