#pragma once
// Which decoder a file needs, by its first bytes. The name of a file says nothing reliable:
// a PNG saved as "bild.jpg" is still a PNG; the extension only filters the file dialogs.

#include "platform/LoadWaiter.h"

#include <QImage>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string_view>

namespace kvx {

enum class TImageFormat { Unknown, Gif, Jpeg, Png };

// As many leading bytes as ImageFormatOf looks at.
inline constexpr std::size_t ImageSignatureLength = 8;

// "GIF87a"/"GIF89a", a JPEG start of image with its first marker (FF D8 FF), or PNG's eight
// bytes; Unknown for anything else, a shorter file included.
TImageFormat ImageFormatOf(std::string_view leadingBytes);

// The decoders on an open file positioned at its start; std::nullopt for any failure. They
// report the rows (or, for JPEG, the passes) done into progress when it is given.
std::optional<QImage> DecodeGifStream(std::FILE* file, TLoadProgress* progress = nullptr);
std::optional<QImage> DecodeJpegStream(std::FILE* file, TLoadProgress* progress = nullptr);
std::optional<QImage> DecodePngStream(std::FILE* file, TLoadProgress* progress = nullptr);

} // namespace kvx
