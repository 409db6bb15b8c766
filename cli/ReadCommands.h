#pragma once
// The kvxtool commands that read a map the way the editor does: a ".kvx" file (any letter
// case) like Open, any other file like Import. --map NAME answers the choice among several
// maps, --image BILD the question for a missing image; an unanswered question is an error.
// Errors print the editor's German messages on standard error and exit with ExitFailure.

#include "cli/CliCommand.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCommandLineParser;

namespace kvx {

class TImageMap;

// The files of a reading command and the answers to the reader's questions.
struct TReadOptions {
    std::optional<std::string> MapName;
    std::optional<std::string> ImageFile;
    std::vector<std::string> Files;
};

// Adds --map and --image, the answers every command that reads a map accepts.
void AddReaderOptions(QCommandLineParser& parser);
// The options and files of a parsed command line.
TReadOptions ReadOptions(const QCommandLineParser& parser);
// Loads the first file and hands the map with its image size to action. What the editor
// would leave to its internal-error handler (out of memory) ends the command with a message.
int WithLoadedMap(const TReadOptions& options,
                  const std::function<int(const TImageMap&, int, int)>& action);

inline constexpr std::string_view ListArguments = "DATEI";
inline constexpr std::string_view HtmlArguments =
    "[--variant publish|project|preview] [--map NAME] [--image BILD] DATEI";
inline constexpr std::string_view SaveArguments =
    "[--save-as] [--force] [--map NAME] [--image BILD] DATEI AUSGABE.kvx";
inline constexpr std::string_view InfoArguments = "[--map NAME] [--image BILD] DATEI";

// list DATEI: the names of the maps the file offers, one per line, in document order.
int RunListCommand(const TCommandArguments& arguments);
// html: the map definition in the chosen variant, as the bytes a project file would hold.
int RunHtmlCommand(const TCommandArguments& arguments);
// save: writes AUSGABE.kvx exactly as Save (or with --save-as, Save As) would.
int RunSaveCommand(const TCommandArguments& arguments);
// info: the loaded map as one JSON object.
int RunInfoCommand(const TCommandArguments& arguments);

} // namespace kvx
