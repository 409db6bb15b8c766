// kvxtool, the command-line companion of the editor: the first word names the command, the
// rest are its arguments. Each command group lives in a file pair of its own; adding a
// command is one line in the table below.

#include "cli/CheckCommand.h"
#include "cli/CliCommand.h"
#include "cli/DecodeCommand.h"
#include "cli/PageCommands.h"
#include "cli/ReadCommands.h"

#include <QFile>
#include <array>
#include <csignal>
#include <iostream>
#include <string_view>

namespace {

struct TCommand {
    std::string_view Name;
    std::string_view Arguments;
    std::string_view Description;
    kvx::TCommandFunction Run;
};

constexpr std::array Commands{
    TCommand{"decode", kvx::DecodeArguments,
             "lädt ein GIF-, JPEG- oder PNG-Bild wie der Editor und schreibt es als PPM (P6)",
             kvx::RunDecodeCommand},
    TCommand{"list", kvx::ListArguments,
             "listet die Namen der Image Maps einer HTML- oder Projektdatei", kvx::RunListCommand},
    TCommand{"html", kvx::HtmlArguments,
             "liest eine Image Map wie der Editor und gibt ihre Definition aus (Standard: publish)",
             kvx::RunHtmlCommand},
    TCommand{"save", kvx::SaveArguments,
             "liest eine Image Map wie der Editor und speichert sie wie \"Speichern\" "
             "(--save-as: wie \"Speichern unter\")",
             kvx::RunSaveCommand},
    TCommand{"info", kvx::InfoArguments,
             "liest eine Image Map wie der Editor und beschreibt sie als JSON",
             kvx::RunInfoCommand},
    TCommand{"insert", kvx::InsertArguments,
             "setzt die Definition einer Image Map in eine bestehende HTML-Datei ein (ersetzt "
             "die gleichnamige Image Map, sonst vor </body>)",
             kvx::RunInsertCommand},
    TCommand{"new-page", kvx::NewPageArguments,
             "schreibt eine neue HTML-Datei aus der Vorlage mit der Definition einer Image Map",
             kvx::RunNewPageCommand},
    TCommand{"check", kvx::CheckArguments,
             "prüft Image Maps auf Standards und Barrierefreiheit (Exit 1 bei Fehlern)",
             kvx::RunCheckCommand},
};

void PrintUsage(std::ostream& stream) {
    stream << "Aufruf: kvxtool BEFEHL [ARGUMENTE...]\n\nBefehle:\n";
    for (const TCommand& command : Commands) {
        stream << "  " << command.Name << ' ' << command.Arguments << "\n      "
               << command.Description << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    // A reader that closes the pipe early must give a failed write, not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc < 2) {
        PrintUsage(std::cerr);
        return kvx::ExitUsage;
    }
    const std::string_view word = argv[1];
    if (word == "help" || word == "--help" || word == "-h") {
        PrintUsage(std::cout);
        return kvx::ExitSuccess;
    }
    for (const TCommand& command : Commands) {
        if (command.Name == word) {
            kvx::TCommandArguments arguments;
            for (int i = 2; i < argc; ++i) {
                arguments.append(QFile::decodeName(argv[i]));
            }
            return command.Run(arguments);
        }
    }
    std::cerr << "kvxtool: unbekannter Befehl \"" << word << "\"\n\n";
    PrintUsage(std::cerr);
    return kvx::ExitUsage;
}
