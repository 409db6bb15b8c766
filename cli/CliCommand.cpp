#include "cli/CliCommand.h"

#include <QCommandLineParser>
#include <QFile>
#include <iostream>

namespace kvx {

bool ParseCommandLine(QCommandLineParser& parser, const TCommandArguments& arguments,
                      int positionalCount) {
    // parse() rather than process(): a wrong command line keeps our German usage and exit 2
    // instead of Qt's English text and exit 1. The first word stands for the program.
    return parser.parse(QStringList(QStringLiteral("kvxtool")) + arguments) &&
           parser.positionalArguments().size() == positionalCount;
}

std::string ArgumentPath(const QString& argument) {
    // File names are bytes on Linux; the local 8-bit codec of the arguments gives them back.
    return QFile::encodeName(argument).toStdString();
}

int UsageError(std::string_view name, std::string_view arguments) {
    std::cerr << "Aufruf: kvxtool " << name << ' ' << arguments << '\n';
    return ExitUsage;
}

} // namespace kvx
