#pragma once
// The bitmaps the decoders fill: QImage::Format_RGB32, allocated only within a sane size.

#include <QImage>
#include <cstdint>

namespace kvx {

// 2^29 pixels (2 GiB of RGB32): far beyond any image a map is drawn on, yet small enough
// that a forged header cannot make us try to allocate absurd amounts of memory.
inline constexpr std::int64_t MaxImagePixels = std::int64_t{1} << 29;

// A Format_RGB32 bitmap of width x height with undefined content, or a null image when the
// size is empty, beyond MaxImagePixels, or the memory cannot be had.
QImage NewRgb32Bitmap(std::int64_t width, std::int64_t height) noexcept;

// Plain pointers into a bitmap for the decoders whose error handling longjmps: their
// frames may hold nothing with a destructor.
struct TScanlines {
    unsigned char* First = nullptr;
    std::int64_t Stride = 0;

    unsigned char* Row(std::int64_t y) const { return First + y * Stride; }
};

// Makes target a new bitmap (as NewRgb32Bitmap) and hands back its rows; First is null when
// the bitmap could not be made.
TScanlines AllocateScanlines(QImage& target, std::int64_t width, std::int64_t height) noexcept;

} // namespace kvx
