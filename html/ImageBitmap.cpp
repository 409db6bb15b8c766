#include "html/ImageBitmap.h"

#include <cstdlib>
#include <limits>
#include <sys/mman.h>

namespace kvx {

namespace {

std::int64_t pixelLimit = MaxImagePixels;
constexpr std::size_t HugePage = std::size_t{2} << 20;
constexpr std::int64_t LargeBitmapBytes = std::int64_t{8} << 20;

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
        const std::int64_t bytesPerLine = width * 4;
        const std::int64_t bytes = bytesPerLine * height;
        if (bytes >= LargeBitmapBytes) {
            // Large bitmaps on huge pages: a 24-megapixel image would otherwise take tens of
            // thousands of page faults on its first write, which costs as much as decoding.
            const std::size_t rounded =
                (static_cast<std::size_t>(bytes) + HugePage - 1) / HugePage * HugePage;
            if (void* memory = std::aligned_alloc(HugePage, rounded)) {
                ::madvise(memory, rounded, MADV_HUGEPAGE);
                QImage image(static_cast<uchar*>(memory), static_cast<int>(width),
                             static_cast<int>(height), static_cast<qsizetype>(bytesPerLine),
                             QImage::Format_RGB32, std::free, memory);
                if (!image.isNull()) {
                    return image;
                }
                std::free(memory);
            }
        }
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
