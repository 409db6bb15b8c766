#include "html/ImageBitmap.h"

#include <limits>

namespace kvx {

namespace {
std::int64_t pixelLimit = MaxImagePixels;
} // namespace

std::int64_t ImagePixelLimit() noexcept {
    return pixelLimit;
}

void SetImagePixelLimit(std::int64_t pixels) noexcept {
    pixelLimit = pixels > 0 && pixels < MaxImagePixels ? pixels : MaxImagePixels;
}

QImage NewRgb32Bitmap(std::int64_t width, std::int64_t height) noexcept {
    constexpr std::int64_t maxSide = std::numeric_limits<int>::max();
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide ||
        width > pixelLimit / height) {
        return {};
    }
    try {
        // QImage reports a failed allocation as a null image.
        return QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    } catch (...) {
        return {};
    }
}

TScanlines AllocateScanlines(QImage& target, std::int64_t width, std::int64_t height) noexcept {
    target = NewRgb32Bitmap(width, height);
    if (target.isNull()) {
        return {};
    }
    return {target.bits(), target.bytesPerLine()};
}

} // namespace kvx
