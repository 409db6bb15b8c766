#include "cli/PageCommands.h"

#include "cli/ReadCommands.h"
#include "cli/ToolReaderHost.h"
#include "cli/ToolReading.h"
#include "formats/ImageReference.h"
#include "formats/NewPage.h"
#include "formats/PageInsertion.h"
#include "formats/ProjectFile.h"
#include "model/ImageMap.h"
#include "platform/FileError.h"
#include "platform/FilePaths.h"
#include "platform/TextFile.h"

#include <QCommandLineParser>
#include <QDir>

namespace kvx {

namespace {

const QCommandLineOption OutOption(QStringLiteral("out"), QString(), QStringLiteral("DATEI"));
const QCommandLineOption TemplateOption(QStringLiteral("template"), QString(),
                                        QStringLiteral("DATEI"));

int OutputIsSource(const std::string& output) {
    return Failure({"Die Ausgabedatei ist die Quelldatei der Image Map: " + output +
                    "\r\nBitte geben Sie eine andere Ausgabedatei an!"});
}

// The publishing definition as it stands in the page at pagePath.
std::string DefinitionFor(const TImageMap& map, int width, int height,
                          const std::string& pagePath) {
    std::string html;
    map.GetHtml(width, height, false, false, html, ImageReferenceForPage(map.ImageFile, pagePath));
    return html;
}

int WritePage(const std::string& path, const QByteArray& bytes) {
    try {
        WriteFileSafely(path, bytes);
    } catch (const TFileError& error) {
        return Failure({SaveFileErrorMessage(error)});
    }
    return ExitSuccess;
}

} // namespace

int RunInsertCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    AddReaderOptions(parser);
    parser.addOption(OutOption);
    if (!ParseCommandLine(parser, arguments, 2)) {
        return UsageError("insert", InsertArguments);
    }
    const TReadOptions options = ReadOptions(parser);
    const std::string source = AbsoluteToolPath(options.Files[0]);
    const std::string pagePath = AbsoluteToolPath(options.Files[1]);
    const std::string output = parser.isSet(OutOption)
                                   ? AbsoluteToolPath(ArgumentPath(parser.value(OutOption)))
                                   : pagePath;
    if (parser.isSet(OutOption) && IsSameFile(output, source)) {
        return OutputIsSource(output);
    }
    return WithLoadedMap(options, [&](const TImageMap& map, int width, int height) {
        TPageText page;
        try {
            page = TPageText::ReadFile(pagePath);
        } catch (const TFileError& error) {
            return Failure({OpenFileErrorMessage(error)});
        }
        std::vector<TPageEdit> edits;
        try {
            edits = MapInsertionEdits(page, DefinitionFor(map, width, height, output), map.Name);
        } catch (const EPageInsertion& error) {
            return Failure({error.what()});
        }
        return WritePage(output, page.BytesWith(std::move(edits)));
    });
}

int RunNewPageCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    AddReaderOptions(parser);
    parser.addOption(TemplateOption);
    if (!ParseCommandLine(parser, arguments, 2)) {
        return UsageError("new-page", NewPageArguments);
    }
    const TReadOptions options = ReadOptions(parser);
    const std::string output = AbsoluteToolPath(options.Files[1]);
    if (IsSameFile(output, AbsoluteToolPath(options.Files[0]))) {
        return OutputIsSource(output);
    }
    return WithLoadedMap(options, [&](const TImageMap& map, int width, int height) {
        TPageText templatePage;
        try {
            // A template named on the command line has to be there; without one the window's
            // template is taken, or the built-in page.
            templatePage = parser.isSet(TemplateOption)
                               ? TPageText::ReadFile(
                                     AbsoluteToolPath(ArgumentPath(parser.value(TemplateOption))))
                               : LoadPageTemplate(DataFilePath("vorlage.htm"));
        } catch (const TFileError& error) {
            return Failure({OpenFileErrorMessage(error)});
        }
        try {
            return WritePage(
                output, NewPageFromTemplate(templatePage, DefinitionFor(map, width, height, output))
                            .Bytes());
        } catch (const EPageInsertion& error) {
            return Failure({error.what()});
        }
    });
}

} // namespace kvx
