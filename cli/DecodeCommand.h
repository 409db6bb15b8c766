#pragma once
// kvxtool decode IMAGE OUT.ppm: loads an image as the editor does and writes its pixels as
// a binary PPM, so that what the editor would show can be checked from the shell.

#include "cli/CliCommand.h"

#include <QByteArray>
#include <QImage>
#include <optional>
#include <string>

namespace kvx {

inline constexpr std::string_view DecodeArguments = "BILD AUSGABE.ppm";

int RunDecodeCommand(const TCommandArguments& arguments);

// The bitmap as a binary PPM (P6, maxval 255); std::nullopt without the memory for it.
std::optional<QByteArray> PpmBytes(const QImage& bitmap);

} // namespace kvx
