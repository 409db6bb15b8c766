// LoadImage on 24-megapixel files against a bare decode loop of the same library into a
// buffer of the same pixel format.
#include "bench/LargeImages.h"
#include "images/ImageLoading.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <vector>

namespace {

using namespace kvx;

void LoadWith(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        TImageBitmaps document;
        if (!LoadImage(path, document)) {
            state.SkipWithError("LoadImage failed");
            break;
        }
        benchmark::DoNotOptimize(document.SourceBitmap.constBits());
    }
}

void BM_LoadImageJpeg(benchmark::State& state) {
    LoadWith(state, bench::LargeJpeg());
}
void BM_LoadImagePng(benchmark::State& state) {
    LoadWith(state, bench::LargePng());
}
void BM_LoadImageGif(benchmark::State& state) {
    LoadWith(state, bench::LargeGif());
}

void BM_ReferenceJpeg(benchmark::State& state) {
    const std::string& path = bench::LargeJpeg();
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        jpeg_decompress_struct cinfo{};
        jpeg_error_mgr jerr{};
        cinfo.err = jpeg_std_error(&jerr);
        jpeg_create_decompress(&cinfo);
        jpeg_stdio_src(&cinfo, file);
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_EXT_BGRX;
        jpeg_start_decompress(&cinfo);
        std::vector<unsigned char> pixels(std::size_t(cinfo.output_width) * cinfo.output_height *
                                          4);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row =
                pixels.data() + std::size_t(cinfo.output_scanline) * cinfo.output_width * 4;
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_ReferencePng(benchmark::State& state) {
    const std::string& path = bench::LargePng();
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_init_io(png, file);
        png_read_info(png, info);
        png_set_bgr(png);
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
        png_read_update_info(png, info);
        const png_uint_32 width = png_get_image_width(png, info);
        const png_uint_32 height = png_get_image_height(png, info);
        std::vector<unsigned char> pixels(std::size_t(width) * height * 4);
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(png, pixels.data() + std::size_t(y) * width * 4, nullptr);
        }
        png_read_end(png, nullptr);
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_ReferenceGif(benchmark::State& state) {
    const std::string& path = bench::LargeGif();
    for (auto _ : state) {
        int error = 0;
        GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        std::vector<GifPixelType> indexes;
        do {
            DGifGetRecordType(gif, &record);
            if (record == IMAGE_DESC_RECORD_TYPE) {
                DGifGetImageDesc(gif);
                const int width = gif->Image.Width;
                const int height = gif->Image.Height;
                indexes.resize(std::size_t(width) * height);
                for (int y = 0; y < height; ++y) {
                    DGifGetLine(gif, indexes.data() + std::size_t(y) * width, width);
                }
                break;
            }
            if (record == EXTENSION_RECORD_TYPE) {
                int code = 0;
                GifByteType* extension = nullptr;
                DGifGetExtension(gif, &code, &extension);
                while (extension != nullptr) {
                    DGifGetExtensionNext(gif, &extension);
                }
            }
        } while (record != TERMINATE_RECORD_TYPE);
        DGifCloseFile(gif, &error);
        benchmark::DoNotOptimize(indexes.data());
    }
}

} // namespace

BENCHMARK(BM_LoadImageJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImagePng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferencePng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImageGif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceGif)->Unit(benchmark::kMillisecond);
