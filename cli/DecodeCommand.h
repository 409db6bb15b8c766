#pragma once
// kvxtool decode IMAGE OUT.ppm: loads an image as the editor does and writes its pixels as
// a binary PPM, so that what the editor would show can be checked from the shell.

#include "cli/CliCommand.h"

#include <QImage>
#include <string>

namespace kvx {

inline constexpr std::string_view DecodeArguments = "BILD AUSGABE.ppm";

int RunDecodeCommand(const TCommandArguments& arguments);

// Writes bitmap as P6 with maxval 255, safely (the target is replaced only when complete).
// On failure returns false with the reason in error.
bool WritePpm(const QImage& bitmap, const std::string& path, std::string& error);

} // namespace kvx
