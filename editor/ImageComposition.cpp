#include "editor/ImageComposition.h"

#include "platform/QtCanvas.h"

#include <QPainter>
#include <cstring>
#include <exception>
#include <system_error>
#include <thread>

namespace kvx {

namespace {

// Below this many pixels a second thread costs more than it saves.
constexpr qsizetype TwoBandPixels = qsizetype{1} << 20;

// The rows [top, bottom) of work: copied from source when copyRows, then the areas drawn.
void ComposeBand(const QImage& source, QImage& work, uchar* workBits, const TImageMap& map, int top,
                 int bottom, bool copyRows) {
    const qsizetype stride = work.bytesPerLine();
    uchar* const first = workBits + top * stride;
    if (copyRows) {
        std::memcpy(first, source.constBits() + top * stride,
                    static_cast<std::size_t>((bottom - top) * stride));
    }
    // A band shares the work bitmap's memory.
    QImage band(first, work.width(), bottom - top, stride, QImage::Format_RGB32);
    TQtCanvas canvas(band, top, work.height());
    map.Draw(canvas);
}

} // namespace

void ComposeImage(const QImage& source, QImage& work, const TImageMap& map) {
    // Both bitmaps have one layout, so the clean image is one block copy per band; QPainter
    // would split a large copy over its thread pool, which costs more than it saves here.
    const bool blockCopy =
        source.format() == QImage::Format_RGB32 && source.bytesPerLine() == work.bytesPerLine();
    if (!blockCopy) {
        QPainter copy(&work);
        copy.setCompositionMode(QPainter::CompositionMode_Source);
        copy.drawImage(0, 0, source);
    }
    uchar* const bits = work.bits();
    const int height = work.height();
    if (qsizetype{work.width()} * height < TwoBandPixels || height < 2) {
        ComposeBand(source, work, bits, map, 0, height, blockCopy);
        return;
    }
    // Each pixel belongs to one band, and each band draws the areas in the map's order, so
    // the halves together are what one canvas on the whole image gives.
    const int split = height / 2;
    std::exception_ptr failure;
    std::thread lower;
    try {
        lower = std::thread([&] {
            try {
                ComposeBand(source, work, bits, map, split, height, blockCopy);
            } catch (...) {
                failure = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        // No thread to spare: one band after the other.
        ComposeBand(source, work, bits, map, 0, height, blockCopy);
        return;
    }
    try {
        ComposeBand(source, work, bits, map, 0, split, blockCopy);
    } catch (...) {
        lower.join();
        throw;
    }
    lower.join();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace kvx
