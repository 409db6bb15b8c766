#pragma once
// What every kvxtool command shares: its arguments, its exit codes, its usage complaint.

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// The words after the command word, as the shell passed them.
using TCommandArguments = std::vector<std::string>;
using TCommandFunction = int (*)(const TCommandArguments&);

inline constexpr int ExitSuccess = 0;
// The command ran and failed: unreadable input, unwritable output.
inline constexpr int ExitFailure = 1;
// The command line itself was wrong.
inline constexpr int ExitUsage = 2;

// Prints "Aufruf: kvxtool NAME ARGUMENTS" on standard error and returns ExitUsage.
int UsageError(std::string_view name, std::string_view arguments);

} // namespace kvx
