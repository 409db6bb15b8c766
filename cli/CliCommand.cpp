#include "cli/CliCommand.h"

#include <iostream>

namespace kvx {

int UsageError(std::string_view name, std::string_view arguments) {
    std::cerr << "Aufruf: kvxtool " << name << ' ' << arguments << '\n';
    return ExitUsage;
}

} // namespace kvx
