#include "images/ImageBitmap.h"

#include "platform/BitmapMemory.h"

#include <limits>
#include <memory>

namespace kvx {

namespace {

std::int64_t pixelLimit = MaxImagePixels;
constexpr std::int64_t LargeBitmapBytes = std::int64_t{8} << 20;

} // namespace

std::int64_t ImagePixelLimit() noexcept {
    return pixelLimit;
}

void SetImagePixelLimit(std::int64_t pixels) noexcept {
    pixelLimit = pixels > 0 && pixels < MaxImagePixels ? pixels : MaxImagePixels;
}

bool FitsPixelLimit(std::int64_t width, std::int64_t height) noexcept {
    constexpr std::int64_t maxSide = std::numeric_limits<int>::max();
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide &&
           width <= pixelLimit / height;
}

QImage NewRgb32Bitmap(std::int64_t width, std::int64_t height, TBitmapUse use) noexcept {
    if (!FitsPixelLimit(width, height)) {
        return {};
    }
    try {
        const std::int64_t bytesPerLine = width * 4;
        const std::int64_t bytes = bytesPerLine * height;
        if (bytes >= LargeBitmapBytes) {
            // Large bitmaps on huge pages: a 24-megapixel image would otherwise take tens of
            // thousands of page faults on its first write, which costs as much as decoding.
            constexpr std::size_t page = TBitmapMemory::HugePageSize;
            const std::size_t rounded = (static_cast<std::size_t>(bytes) + page - 1) / page * page;
            auto memory = std::make_unique<TBitmapMemory>(rounded, use == TBitmapUse::FilledNow);
            if (memory->Data() != nullptr) {
                QImage image(memory->Data(), static_cast<int>(width), static_cast<int>(height),
                             static_cast<qsizetype>(bytesPerLine), QImage::Format_RGB32,
                             TBitmapMemory::Delete, memory.get());
                if (!image.isNull()) {
                    memory.release(); // the image owns it now
                    return image;
                }
            }
        }
        // QImage reports a failed allocation as a null image.
        return QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    } catch (...) {
        return {};
    }
}

TScanlines AllocateScanlines(QImage& target, std::int64_t width, std::int64_t height) noexcept {
    target = NewRgb32Bitmap(width, height, TBitmapUse::FilledNow);
    if (target.isNull()) {
        return {};
    }
    return {target.bits(), target.bytesPerLine()};
}

} // namespace kvx
