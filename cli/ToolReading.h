#pragma once
// Reading files the way the editor does, and reporting on the terminal, for every kvxtool
// command that reads a map.

#include "cli/CliCommand.h"
#include "cli/ToolReaderHost.h"
#include "formats/MapReadResult.h"

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

// Messages as the terminal shows them on standard error: one per line, line ends native.
void PrintMessages(const std::vector<std::string>& messages);
// PrintMessages, then ExitFailure.
int Failure(const std::vector<std::string>& messages);

// Writes bytes to standard output as they are and returns ExitSuccess; when they cannot be
// written (a full disk, a closed pipe) the German reason goes to standard error and the
// result is ExitFailure.
int WriteOutput(const QByteArray& bytes);

// Reads file as Open (".kvx" in any letter case) or Import would; an empty result when the
// map cannot be had, with the reasons in the host's messages.
TMapReadResult ReadMapFile(const std::string& file, TToolReaderHost& host,
                           const TImageSource& images);

// The names of the maps file offers, in document order, as the map choice would list them;
// std::nullopt with the reason in messages when the file cannot be read or is no project file.
std::optional<std::vector<std::string>> ListMapNames(const std::string& file,
                                                     std::vector<std::string>& messages);

} // namespace kvx
