#include "cli/ReadCommands.h"

#include "cli/MapInfoJson.h"
#include "cli/ToolReaderHost.h"
#include "formats/MapDefinitionReader.h"
#include "formats/PageText.h"
#include "formats/ProjectFile.h"
#include "formats/ReaderMessages.h"
#include "formats/Version1Loader.h"
#include "images/ImageFiles.h"
#include "model/ImageMap.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <QCommandLineParser>
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

namespace {

// Messages as the terminal shows them: one per line, line ends native.
void PrintMessages(const std::vector<std::string>& messages) {
    for (std::string message : messages) {
        for (std::size_t pos = message.find("\r\n"); pos != std::string::npos;
             pos = message.find("\r\n", pos)) {
            message.erase(pos, 1);
        }
        std::cerr << message << '\n';
    }
}

} // namespace

int Failure(const std::vector<std::string>& messages) {
    PrintMessages(messages);
    return ExitFailure;
}

namespace {

// Reads file as Open (".kvx") or Import would; an empty result when the map cannot be had,
// with the reasons in the host's messages.
TMapReadResult LoadMap(const std::string& file, TToolReaderHost& host) {
    const std::string path = AbsoluteToolPath(file);
    const TImageFiles images;
    TMapReadResult result;
    try {
        result = IsProjectFilePath(path) ? OpenProjectFile(path, host, images)
                                         : ImportHtmlFile(path, host, images);
    } catch (const TFileError& error) {
        host.AddMessage(OpenFileErrorMessage(error));
        return {};
    }
    if (!result || !result.Bitmaps.HasImage()) {
        if (host.Messages().empty()) {
            host.AddMessage(ReaderMessages::ImageChoiceCancelled);
        }
        return {};
    }
    // A single map is taken without asking; a --map that does not name it is still wrong.
    if (host.MapName() && result.Map->Name != *host.MapName()) {
        host.AddMessage(host.UnknownMapMessage({result.Map->Name}));
        return {};
    }
    return result;
}

} // namespace

int WithLoadedMap(const TReadOptions& options,
                  const std::function<int(const TImageMap&, int, int)>& action) {
    try {
        TToolReaderHost host(options.MapName, options.ImageFile);
        const TMapReadResult read = LoadMap(options.Files.front(), host);
        if (!read) {
            return Failure(host.Messages());
        }
        return action(*read.Map, read.Bitmaps.SourceBitmap.width(),
                      read.Bitmaps.SourceBitmap.height());
    } catch (const std::exception& error) {
        return Failure({std::string("kvxtool: ") + error.what()});
    }
}

namespace {

void WriteBytes(const QByteArray& bytes) {
    std::cout.write(bytes.constData(), bytes.size());
    std::cout.flush();
}

} // namespace

int RunListCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    if (!ParseCommandLine(parser, arguments, 1)) {
        return UsageError("list", ListArguments);
    }
    const std::string path = AbsoluteToolPath(ArgumentPath(parser.positionalArguments().front()));
    std::vector<std::string> lines;
    try {
        // A page is read in its own encoding, as Import reads it.
        lines = SplitLines(IsProjectFilePath(path) ? ReadTextFile(path).Text
                                                   : TPageText::ReadFile(path).Text());
    } catch (const TFileError& error) {
        return Failure({OpenFileErrorMessage(error)});
    }
    std::vector<std::string> names;
    if (!IsProjectFilePath(path)) {
        names = CollectMapNames(JoinLines(lines, " "));
    } else {
        const std::string firstLine = lines.empty() ? std::string() : lines.front();
        const std::span<const std::string> rest =
            lines.empty() ? std::span<const std::string>() : std::span(lines).subspan(1);
        switch (DetectProjectVersion(firstLine)) {
        case TProjectVersion::Version1:
            names.push_back(SplitVersion1Header(firstLine).MapName);
            break;
        case TProjectVersion::Version2:
            names = CollectMapNames(JoinLines(rest, " "));
            break;
        case TProjectVersion::Unsupported:
            return Failure({ReaderMessages::IncompatibleVersion});
        case TProjectVersion::Foreign:
            return Failure({ReaderMessages::NotAProjectFile});
        }
    }
    for (const std::string& name : names) {
        std::cout << name << '\n';
    }
    return ExitSuccess;
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
        WriteBytes(EncodeForProjectFile(html));
        return ExitSuccess;
    });
}

int RunSaveCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    AddReaderOptions(parser);
    parser.addOption(SaveAsOption);
    if (!ParseCommandLine(parser, arguments, 2)) {
        return UsageError("save", SaveArguments);
    }
    const TReadOptions options = ReadOptions(parser);
    const bool saveAs = parser.isSet(SaveAsOption);
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
        WriteBytes(MapInfoJson(map, width, height));
        return ExitSuccess;
    });
}

} // namespace kvx
