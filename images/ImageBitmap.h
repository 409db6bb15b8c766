#pragma once
// The bitmaps the decoders fill: QImage::Format_RGB32, allocated only within a sane size.

#include <QImage>
#include <cstdint>

namespace kvx {

// 2^27 pixels (512 MiB of RGB32, e.g. 16384 x 8192): far beyond any image a web page's map is
// drawn on, yet small enough that a forged header (a GIF screen is only two numbers) cannot
// make us allocate and clear gigabytes before the data turns out to be missing.
inline constexpr std::int64_t MaxImagePixels = std::int64_t{1} << 27;

// The limit in force, MaxImagePixels unless lowered. The fuzz targets lower it so that every
// input decodes within their time budget; the program never changes it.
std::int64_t ImagePixelLimit() noexcept;
void SetImagePixelLimit(std::int64_t pixels) noexcept;

// Whether an image of width x height is within ImagePixelLimit() (and not empty).
bool FitsPixelLimit(std::int64_t width, std::int64_t height) noexcept;

// Whether the caller writes the whole bitmap right away, as a decoder does: the memory of a
// large one is then mapped ahead of the writes.
enum class TBitmapUse { Later, FilledNow };

// A Format_RGB32 bitmap of width x height with undefined content, or a null image when the
// size is empty, beyond ImagePixelLimit(), or the memory cannot be had.
QImage NewRgb32Bitmap(std::int64_t width, std::int64_t height,
                      TBitmapUse use = TBitmapUse::Later) noexcept;

// Plain pointers into a bitmap for the decoders whose error handling longjmps: their
// frames may hold nothing with a destructor.
struct TScanlines {
    unsigned char* First = nullptr;
    std::int64_t Stride = 0;

    unsigned char* Row(std::int64_t y) const { return First + y * Stride; }
};

// Makes target a new bitmap to be filled now (as NewRgb32Bitmap) and hands back its rows; First is
// null when the bitmap could not be made.
TScanlines AllocateScanlines(QImage& target, std::int64_t width, std::int64_t height) noexcept;

} // namespace kvx
