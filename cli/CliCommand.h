#pragma once
// What every kvxtool command shares: its arguments, its exit codes, the parsing of its command
// line and its usage complaint.

#include <QCommandLineOption>
#include <QStringList>
#include <string>
#include <string_view>

class QCommandLineParser;

namespace kvx {

// The words after the command word, as the shell passed them.
using TCommandArguments = QStringList;
using TCommandFunction = int (*)(const TCommandArguments&);

inline constexpr int ExitSuccess = 0;
// The command ran and failed: unreadable input, unwritable output.
inline constexpr int ExitFailure = 1;
// The command line itself was wrong.
inline constexpr int ExitUsage = 2;

// Options may stand anywhere, "--name value" and "--name=value" both work, "--" ends them.
// True when arguments fit the options added to parser and hold exactly positionalCount words.
bool ParseCommandLine(QCommandLineParser& parser, const TCommandArguments& arguments,
                      int positionalCount);

// A file name from the command line as the C++ side of the program holds paths.
std::string ArgumentPath(const QString& argument);

// Prints "Aufruf: kvxtool NAME ARGUMENTS" on standard error and returns ExitUsage.
int UsageError(std::string_view name, std::string_view arguments);

} // namespace kvx
