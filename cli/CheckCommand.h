#pragma once
// kvxtool check: the checks for standards and accessibility over project files and pages, for
// site builds. Unlike the other commands it exits 1 for findings of level error, as linters do.

#include "cli/CliCommand.h"

#include <string_view>

namespace kvx {

inline constexpr std::string_view CheckArguments =
    "[--map NAME] [--image BILD] [--base ORDNER] [--json] [--strict] DATEI...";

int RunCheckCommand(const TCommandArguments& arguments);

} // namespace kvx
