#include "images/ImageLoading.h"

#include "images/ImageFile.h"
#include "images/ImageFormat.h"

#include <array>

namespace kvx {
namespace {

using TStreamDecoder = std::optional<QImage> (*)(std::FILE*, TLoadProgress*);

std::optional<QImage> DecodeFile(const std::string& path, TStreamDecoder decode) {
    const TImageFile file(path);
    if (!file.IsOpen()) {
        return std::nullopt;
    }
    return decode(file.Handle(), nullptr);
}

// The decoder the file's first bytes call for; nullptr for any other file. The file is back
// at its start afterwards.
TStreamDecoder DecoderFor(std::FILE* file) {
    std::array<char, ImageSignatureLength> signature{};
    const std::size_t length = std::fread(signature.data(), 1, signature.size(), file);
    if (std::fseek(file, 0, SEEK_SET) != 0) {
        return nullptr;
    }
    switch (ImageFormatOf(std::string_view(signature.data(), length))) {
    case TImageFormat::Gif:
        return DecodeGifStream;
    case TImageFormat::Jpeg:
        return DecodeJpegStream;
    case TImageFormat::Png:
        return DecodePngStream;
    case TImageFormat::Unknown:
        break;
    }
    return nullptr;
}

} // namespace

std::optional<QImage> DecodeGif(const std::string& path) {
    return DecodeFile(path, DecodeGifStream);
}

std::optional<QImage> DecodeJpeg(const std::string& path) {
    return DecodeFile(path, DecodeJpegStream);
}

std::optional<QImage> DecodePng(const std::string& path) {
    return DecodeFile(path, DecodePngStream);
}

bool LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps, TLoadWaiter& waiter) {
    try {
        const TImageFile file(imageFile);
        if (!file.IsOpen()) {
            return false;
        }
        const TStreamDecoder decode = DecoderFor(file.Handle());
        if (decode == nullptr) {
            return false;
        }
        std::optional<QImage> decoded;
        waiter.Run([&](TLoadProgress& progress) { decoded = decode(file.Handle(), &progress); });
        if (!decoded || decoded->isNull()) {
            return false;
        }
        bitmaps.SourceBitmap = std::move(*decoded);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace kvx
