#include "cli/ToolReading.h"

#include "formats/MapDefinitionReader.h"
#include "formats/PageText.h"
#include "formats/ProjectFile.h"
#include "formats/ReaderMessages.h"
#include "formats/Version1Loader.h"
#include "platform/FileError.h"
#include "platform/SafeFileWriter.h"
#include "platform/TextFile.h"

#include <iostream>
#include <span>
#include <unistd.h>

namespace kvx {

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

int WriteOutput(const QByteArray& bytes) {
    try {
        WriteAllToDescriptor(STDOUT_FILENO, std::string_view(bytes.constData(), bytes.size()));
    } catch (const TFileError& error) {
        return Failure({"kvxtool: Die Ausgabe konnte nicht geschrieben werden: " + error.Detail()});
    }
    return ExitSuccess;
}

TMapReadResult ReadMapFile(const std::string& file, TToolReaderHost& host,
                           const TImageSource& images) {
    const std::string path = AbsoluteToolPath(file);
    TMapReadResult result;
    try {
        result = IsProjectFilePath(path) ? OpenProjectFile(path, host, images)
                                         : ImportHtmlFile(path, host, images);
    } catch (const TFileError& error) {
        host.AddMessage(OpenFileErrorMessage(error));
        return {};
    }
    if (!result) {
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

std::optional<std::vector<std::string>> ListMapNames(const std::string& file,
                                                     std::vector<std::string>& messages) {
    const std::string path = AbsoluteToolPath(file);
    std::vector<std::string> lines;
    try {
        // A page is read in its own encoding, as Import reads it.
        lines = SplitLines(IsProjectFilePath(path) ? ReadTextFile(path).Text
                                                   : TPageText::ReadFile(path).Text());
    } catch (const TFileError& error) {
        messages.push_back(OpenFileErrorMessage(error));
        return std::nullopt;
    }
    if (!IsProjectFilePath(path)) {
        return CollectMapNames(JoinLines(lines, " "));
    }
    const std::string firstLine = lines.empty() ? std::string() : lines.front();
    const std::span<const std::string> rest =
        lines.empty() ? std::span<const std::string>() : std::span(lines).subspan(1);
    switch (DetectProjectVersion(firstLine)) {
    case TProjectVersion::Version1:
        return std::vector<std::string>{SplitVersion1Header(firstLine).MapName};
    case TProjectVersion::Version2:
        return CollectMapNames(JoinLines(rest, " "));
    case TProjectVersion::Unsupported:
        messages.push_back(ReaderMessages::IncompatibleVersion);
        break;
    case TProjectVersion::Foreign:
        messages.push_back(ReaderMessages::NotAProjectFile);
        break;
    }
    return std::nullopt;
}

} // namespace kvx
