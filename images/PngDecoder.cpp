// PNG decoding with libpng into RGB32: every pixel keeps its stored colour.

#include "images/ImageBitmap.h"
#include "images/ImageFormat.h"

#include <QtGlobal>
#include <csetjmp>
#include <cstdint>
#include <png.h>

namespace kvx {
namespace {

[[noreturn]] void JumpOnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// Asks libpng for 8-bit B, G, R, 0xFF rows (RGB32's bytes) whatever the file holds. Alpha
// channels are stripped and a palette's tRNS entries expand only to be stripped again: the
// editor shows the stored colours, not a blend.
void RequestRgb32(png_structp png, int colourType, int bitDepth) {
    png_set_scale_16(png);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
    }
    if ((colourType & PNG_COLOR_MASK_COLOR) == 0) {
        if (bitDepth < 8) {
            png_set_expand_gray_1_2_4_to_8(png);
        }
        png_set_gray_to_rgb(png);
    }
    png_set_strip_alpha(png);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
#else
    png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
#endif
}

// libpng's error handler longjmps back into this function, so its frame holds only C data;
// the bitmap lives in the caller. Every way out destroys the read structures.
bool ReadPng(std::FILE* file, QImage* target, TLoadProgress* progress) {
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    RequestRgb32(png, colourType, bitDepth);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    // Whatever the file said, a row must be exactly what the bitmap holds.
    const bool rgb32Rows = png_get_bit_depth(png, info) == 8 && png_get_channels(png, info) == 4 &&
                           png_get_rowbytes(png, info) == std::size_t{width} * 4;
    const TScanlines lines = rgb32Rows ? AllocateScanlines(*target, width, height) : TScanlines{};
    if (lines.First == nullptr) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    // Interlaced files fill the rows pass by pass; libpng merges each pass into the row.
    const std::int64_t rows = std::int64_t{passes} * height;
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(png, lines.Row(y), nullptr);
            if (progress != nullptr) {
                progress->Report(std::int64_t{pass} * height + y + 1, rows);
            }
        }
    }
    // The chunks after the image data do not change its pixels: not reading them keeps
    // damage there from failing a complete image.
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace

std::optional<QImage> DecodePngStream(std::FILE* file, TLoadProgress* progress) {
    QImage bitmap;
    if (!ReadPng(file, &bitmap, progress)) {
        return std::nullopt;
    }
    return bitmap;
}

} // namespace kvx
