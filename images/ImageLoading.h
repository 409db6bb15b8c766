#pragma once
// Loading of the map's image into the editor's bitmap through giflib, libjpeg and libpng
// directly. The file's first bytes choose the decoder, whatever its name says.

#include "platform/ImageSource.h"
#include "platform/LoadWaiter.h"

#include <QImage>
#include <optional>
#include <string>

namespace kvx {

// What the user is told when LoadImage gives False for a new map (the editor's New command,
// kvxtool decode).
inline constexpr const char* UnknownImageFormatMessage =
    "Unbekanntes Bildformat! Es können nur GIF-, JPEG- und PNG-Grafiken geladen werden!";

// Loads imageFile. True: SourceBitmap holds the image (Format_RGB32). False: nothing was
// loaded and SourceBitmap keeps its previous picture. Never throws, never shows anything. The
// decode alone runs through waiter (which may run it on another thread); bitmaps are
// written only on the calling thread, after it.
bool LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps,
               TLoadWaiter& waiter = ImmediateLoading());

// The decoders on their own, whatever the file holds; std::nullopt for any failure.
std::optional<QImage> DecodeGif(const std::string& path);
std::optional<QImage> DecodeJpeg(const std::string& path);
std::optional<QImage> DecodePng(const std::string& path);

} // namespace kvx
