#include "images/ImageFormat.h"

namespace kvx {

TImageFormat ImageFormatOf(std::string_view leadingBytes) {
    if (leadingBytes.starts_with("GIF87a") || leadingBytes.starts_with("GIF89a")) {
        return TImageFormat::Gif;
    }
    if (leadingBytes.starts_with("\xFF\xD8\xFF")) {
        return TImageFormat::Jpeg;
    }
    if (leadingBytes.starts_with(std::string_view("\x89PNG\r\n\x1A\n", 8))) {
        return TImageFormat::Png;
    }
    return TImageFormat::Unknown;
}

} // namespace kvx
