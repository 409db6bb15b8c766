#include "bench/LargeImages.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gif_lib.h>
#include <jpeglib.h>
#include <memory>
#include <png.h>
#include <vector>

namespace kvx::bench {
namespace {

// A photo-like pattern: smooth gradients with some detail, so the encoders do real work.
unsigned char Sample(int x, int y, int channel) {
    return static_cast<unsigned char>((x * (channel + 1) + y * (3 - channel) + ((x ^ y) & 31)) &
                                      255);
}

// The pattern with a little sensor-like noise, so that a PNG of it is about as hard to
// compress and to inflate as a photo's (the plain pattern shrinks to about 1 % of its pixels).
unsigned char NoisySample(int x, int y, int channel) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^
                      static_cast<std::uint32_t>(y) * 19349663u ^
                      static_cast<std::uint32_t>(channel) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<unsigned char>(Sample(x, y, channel) + (h & 15));
}

const QTemporaryDir& Folder() {
    static const QTemporaryDir folder;
    return folder;
}

std::string WriteJpeg() {
    const std::string path = Folder().filePath("gross.jpg").toStdString();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = kLargeWidth;
    cinfo.image_height = kLargeHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 85, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(kLargeWidth * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < kLargeWidth; ++x) {
            for (int c = 0; c < 3; ++c) {
                row[x * 3 + c] = Sample(x, y, c);
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
    return path;
}

std::string WritePng() {
    const std::string path = Folder().filePath("gross.png").toStdString();
    WritePngFile(path, kLargeWidth, kLargeHeight);
    return path;
}

std::string WriteGif() {
    const std::string path = Folder().filePath("gross.gif").toStdString();
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    std::vector<GifColorType> colors(256);
    for (int i = 0; i < 256; ++i) {
        colors[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(255 - i),
                     static_cast<GifByteType>(i / 2)};
    }
    ColorMapObject* map = GifMakeMapObject(256, colors.data());
    EGifPutScreenDesc(gif, kLargeWidth, kLargeHeight, 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, kLargeWidth, kLargeHeight, false, nullptr);
    std::vector<GifPixelType> row(kLargeWidth);
    for (int y = 0; y < kLargeHeight; ++y) {
        for (int x = 0; x < kLargeWidth; ++x) {
            row[x] = Sample(x, y, 1);
        }
        EGifPutLine(gif, row.data(), kLargeWidth);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return path;
}

} // namespace

bool WritePngFile(const std::string& path, int width, int height, bool noisy) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_compression_level(png, 3);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                row[static_cast<std::size_t>(x) * 3 + static_cast<std::size_t>(c)] =
                    noisy ? NoisySample(x, y, c) : Sample(x, y, c);
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

const std::string& LargeJpeg() {
    static const std::string path = WriteJpeg();
    return path;
}
const std::string& LargePng() {
    static const std::string path = WritePng();
    return path;
}
const std::string& LargeGif() {
    static const std::string path = WriteGif();
    return path;
}

} // namespace kvx::bench
