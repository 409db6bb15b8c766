#include "cli/CheckCommand.h"

#include "checks/MapCheck.h"
#include "cli/CheckImageSource.h"
#include "cli/ReadCommands.h"
#include "cli/ToolReading.h"
#include "model/ImageMap.h"
#include "model/PathParts.h"
#include "model/TextConversion.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <iostream>

namespace kvx {

namespace {

const QCommandLineOption BaseOption(QStringLiteral("base"), QString(), QStringLiteral("ORDNER"));
const QCommandLineOption JsonOption(QStringLiteral("json"));
const QCommandLineOption StrictOption(QStringLiteral("strict"));

struct TCheckRun {
    std::optional<std::string> MapName;
    std::optional<std::string> ImageFile;
    std::optional<std::string> Base;
    bool Strict = false;
};

struct TFileFindings {
    std::string File;
    std::string Map;
    std::vector<TCheckFinding> Findings;
};

// The findings of every map of file (or of the one --map names); std::nullopt with the
// reasons in messages when the file cannot be read or offers no map.
std::optional<std::vector<TFileFindings>> CheckFile(const std::string& file, const TCheckRun& run,
                                                    std::vector<std::string>& messages) {
    std::optional<std::vector<std::string>> names = ListMapNames(file, messages);
    if (!names) {
        return std::nullopt;
    }
    std::vector<std::size_t> indexes;
    for (std::size_t i = 0; i < names->size(); ++i) {
        if (!run.MapName || (*names)[i] == *run.MapName) {
            indexes.push_back(i);
        }
    }
    if (indexes.empty() && !names->empty()) {
        TToolReaderHost host(run.MapName, std::nullopt);
        messages.push_back(host.UnknownMapMessage(*names));
        return std::nullopt;
    }
    // A file without maps gets the reader's own message.
    if (names->empty()) {
        indexes.push_back(0);
    }
    const std::string base = run.Base ? *run.Base : FolderPart(AbsoluteToolPath(file));
    std::vector<TFileFindings> results;
    for (const std::size_t index : indexes) {
        TToolReaderHost host(std::nullopt, std::nullopt);
        host.MapIndex = index;
        const TCheckImageSource images(run.ImageFile);
        const TMapReadResult read = ReadMapFile(file, host, images);
        if (!read) {
            messages.insert(messages.end(), host.Messages().begin(), host.Messages().end());
            return std::nullopt;
        }
        results.push_back(
            {file, read.Map->Name, CheckMap(*read.Map, images.CheckImage(read.Bitmaps), base)});
    }
    return results;
}

std::string FindingLine(const TFileFindings& map, const TCheckFinding& finding) {
    std::string line = map.File + ": Karte " + map.Map;
    if (finding.AreaNumber != 0) {
        line += ", Fläche " + IntToStr(static_cast<std::int64_t>(finding.AreaNumber)) + " (" +
                GermanShapeName(finding.Shape) + ")";
    }
    return line + ": " + finding.Message + " [" + finding.Rule + "]\n";
}

QJsonObject FindingObject(const TFileFindings& map, const TCheckFinding& finding) {
    const bool area = finding.AreaNumber != 0;
    return QJsonObject{
        {"file", QString::fromStdString(map.File)},
        {"map", QString::fromStdString(map.Map)},
        {"area", area ? QJsonValue(static_cast<qint64>(finding.AreaNumber)) : QJsonValue()},
        {"shape", area ? QJsonValue(ShapeName(finding.Shape)) : QJsonValue()},
        {"rule", QString::fromStdString(finding.Rule)},
        {"level", LevelName(finding.Level)},
        {"message", QString::fromStdString(finding.Message)},
    };
}

std::string Counted(std::size_t count, const char* one, const char* many) {
    return IntToStr(static_cast<std::int64_t>(count)) + " " + (count == 1 ? one : many);
}

} // namespace

int RunCheckCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    AddReaderOptions(parser);
    for (const QCommandLineOption& option : {BaseOption, JsonOption, StrictOption}) {
        parser.addOption(option);
    }
    if (!parser.parse(QStringList(QStringLiteral("kvxtool")) + arguments) ||
        parser.positionalArguments().isEmpty()) {
        return UsageError("check", CheckArguments);
    }
    // --map and --image as every reading command takes them.
    const TReadOptions read = ReadOptions(parser);
    TCheckRun run;
    run.MapName = read.MapName;
    if (read.ImageFile) {
        run.ImageFile = AbsoluteToolPath(*read.ImageFile);
    }
    if (parser.isSet(BaseOption)) {
        run.Base = ArgumentPath(parser.value(BaseOption));
    }
    run.Strict = parser.isSet(StrictOption);

    int status = ExitSuccess;
    std::size_t errors = 0;
    std::size_t warnings = 0;
    QJsonArray json;
    std::string text;
    for (const QString& argument : parser.positionalArguments()) {
        std::vector<std::string> messages;
        const std::string file = ArgumentPath(argument);
        const std::optional<std::vector<TFileFindings>> maps = CheckFile(file, run, messages);
        if (!maps) {
            std::cerr << file << ":\n";
            PrintMessages(messages);
            status = std::max(status, ExitUsage);
            continue;
        }
        for (const TFileFindings& map : *maps) {
            for (const TCheckFinding& finding : map.Findings) {
                const bool error = finding.Level == TCheckLevel::Error;
                ++(error ? errors : warnings);
                if (error || run.Strict) {
                    status = std::max(status, ExitFailure);
                }
                json.append(FindingObject(map, finding));
                text += FindingLine(map, finding);
            }
        }
    }
    if (parser.isSet(JsonOption)) {
        return std::max(status, WriteOutput(QJsonDocument(json).toJson(QJsonDocument::Indented)));
    }
    text +=
        Counted(errors, "Fehler", "Fehler") + ", " + Counted(warnings, "Warnung", "Warnungen") +
        " in " +
        Counted(static_cast<std::size_t>(parser.positionalArguments().size()), "Datei", "Dateien") +
        ".\n";
    return std::max(status, WriteOutput(QByteArray::fromStdString(text)));
}

} // namespace kvx
