#include "cli/ReadCommands.h"

#include "cli/MapInfoJson.h"
#include "cli/ToolReaderHost.h"
#include "formats/MapDefinitionReader.h"
#include "formats/ProjectFile.h"
#include "formats/ReaderMessages.h"
#include "formats/Version1Loader.h"
#include "images/ImageFiles.h"
#include "model/ImageMap.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <functional>
#include <iostream>
#include <optional>
#include <span>

namespace kvx {

namespace {

struct TReadOptions {
    std::optional<std::string> MapName;
    std::optional<std::string> ImageFile;
    std::optional<std::string> Variant;
    bool SaveAs = false;
    std::vector<std::string> Files;
};

// Options may stand anywhere; "--name value" and "--name=value" both work, "--" ends them.
// valueOptions and flagOptions list what the command accepts.
bool ParseOptions(const TCommandArguments& arguments,
                  std::initializer_list<std::string_view> valueOptions,
                  std::initializer_list<std::string_view> flagOptions, TReadOptions& options) {
    const auto accepts = [](std::initializer_list<std::string_view> list, std::string_view name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (optionsEnded || !word.starts_with("--")) {
            options.Files.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (accepts(flagOptions, name) && equals == std::string::npos) {
            options.SaveAs = true;
            continue;
        }
        if (!accepts(valueOptions, name)) {
            return false;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return false;
        }
        std::optional<std::string>& target = name == "--map"     ? options.MapName
                                             : name == "--image" ? options.ImageFile
                                                                 : options.Variant;
        target = std::move(value);
    }
    return true;
}

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

int Failure(const std::vector<std::string>& messages) {
    PrintMessages(messages);
    return ExitFailure;
}

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

// The command line of a command that takes fileCount files; std::nullopt when it is wrong.
std::optional<TReadOptions> ParseCommandLine(const TCommandArguments& arguments,
                                             std::initializer_list<std::string_view> valueOptions,
                                             std::initializer_list<std::string_view> flagOptions,
                                             std::size_t fileCount) {
    TReadOptions options;
    if (!ParseOptions(arguments, valueOptions, flagOptions, options) ||
        options.Files.size() != fileCount) {
        return std::nullopt;
    }
    return options;
}

// Loads the first file and hands the map with its image size to action. What the editor
// would leave to its internal-error handler (out of memory) ends the command with a message.
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

void WriteBytes(const QByteArray& bytes) {
    std::cout.write(bytes.constData(), bytes.size());
    std::cout.flush();
}

} // namespace

int RunListCommand(const TCommandArguments& arguments) {
    const std::optional<TReadOptions> options = ParseCommandLine(arguments, {}, {}, 1);
    if (!options) {
        return UsageError("list", ListArguments);
    }
    const std::string path = AbsoluteToolPath(options->Files.front());
    std::vector<std::string> lines;
    try {
        lines = SplitLines(ReadTextFile(path).Text);
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
    const std::optional<TReadOptions> options =
        ParseCommandLine(arguments, {"--variant", "--map", "--image"}, {}, 1);
    const std::string variant = options ? options->Variant.value_or("publish") : std::string();
    if (!options || (variant != "publish" && variant != "project" && variant != "preview")) {
        return UsageError("html", HtmlArguments);
    }
    return WithLoadedMap(*options, [&](const TImageMap& map, int width, int height) {
        std::string html;
        map.GetHtml(width, height, variant == "project", variant == "preview", html);
        WriteBytes(EncodeForProjectFile(html));
        return ExitSuccess;
    });
}

int RunSaveCommand(const TCommandArguments& arguments) {
    const std::optional<TReadOptions> options =
        ParseCommandLine(arguments, {"--map", "--image"}, {"--save-as"}, 2);
    if (!options) {
        return UsageError("save", SaveArguments);
    }
    return WithLoadedMap(*options, [&](const TImageMap& map, int width, int height) {
        try {
            SaveProjectFile(options->Files[1], map, width, height, options->SaveAs);
        } catch (const TFileError& error) {
            return Failure({SaveFileErrorMessage(error)});
        }
        return ExitSuccess;
    });
}

int RunInfoCommand(const TCommandArguments& arguments) {
    const std::optional<TReadOptions> options =
        ParseCommandLine(arguments, {"--map", "--image"}, {}, 1);
    if (!options) {
        return UsageError("info", InfoArguments);
    }
    return WithLoadedMap(*options, [](const TImageMap& map, int width, int height) {
        std::cout << MapInfoJson(map, width, height);
        std::cout.flush();
        return ExitSuccess;
    });
}

} // namespace kvx
