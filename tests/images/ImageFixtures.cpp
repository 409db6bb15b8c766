#include "ImageFixtures.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdlib>

namespace kvx::test {

std::string TScratchDir::Path(const std::string& name) const {
    return FDir.filePath(QString::fromStdString(name)).toStdString();
}

std::vector<QRgb> Pixels(const QImage& image) {
    // The raw words, not pixel(): RGB32's unused byte must be 0xFF as well, or a later
    // conversion to ARGB32 would turn the pixel transparent.
    std::vector<QRgb> pixels;
    if (image.format() != QImage::Format_RGB32) {
        return pixels;
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        pixels.insert(pixels.end(), row, row + image.width());
    }
    return pixels;
}

int MaxChannelDifference(const QImage& image, const std::vector<QRgb>& expected) {
    const std::vector<QRgb> actual = Pixels(image);
    if (actual.size() != expected.size()) {
        return -1;
    }
    int worst = 0;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        worst = std::max({worst, std::abs(qRed(actual[i]) - qRed(expected[i])),
                          std::abs(qGreen(actual[i]) - qGreen(expected[i])),
                          std::abs(qBlue(actual[i]) - qBlue(expected[i]))});
    }
    return worst;
}

namespace {

ColorMapObject* MakeColourMap(const std::vector<QRgb>& colours) {
    if (colours.empty()) {
        return nullptr;
    }
    int count = 2;
    while (count < static_cast<int>(colours.size())) {
        count *= 2;
    }
    ColorMapObject* map = GifMakeMapObject(count, nullptr);
    for (int i = 0; i < count; ++i) {
        const QRgb colour = i < static_cast<int>(colours.size()) ? colours[i] : 0;
        map->Colors[i] = {static_cast<GifByteType>(qRed(colour)),
                          static_cast<GifByteType>(qGreen(colour)),
                          static_cast<GifByteType>(qBlue(colour))};
    }
    return map;
}

std::vector<int> FileRowOrder(int height, bool interlaced) {
    std::vector<int> order;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) {
            order.push_back(y);
        }
        return order;
    }
    for (const auto& [first, step] :
         std::array<std::pair<int, int>, 4>{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}}) {
        for (int y = first; y < height; y += step) {
            order.push_back(y);
        }
    }
    return order;
}

bool PutFrame(GifFileType* gif, const TGifFrame& frame) {
    if (frame.TransparentIndex >= 0) {
        const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 10, frame.TransparentIndex};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR) {
            return false;
        }
    }
    ColorMapObject* local = MakeColourMap(frame.LocalColours);
    bool ok = EGifPutImageDesc(gif, frame.Left, frame.Top, frame.Width, frame.Height,
                               frame.Interlaced, local) != GIF_ERROR;
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    for (int y : FileRowOrder(frame.Height, frame.Interlaced)) {
        std::copy_n(frame.Indexes.begin() + std::ptrdiff_t{y} * frame.Width, frame.Width,
                    line.begin());
        ok = ok && EGifPutLine(gif, line.data(), frame.Width) != GIF_ERROR;
    }
    GifFreeMapObject(local);
    return ok;
}

} // namespace

bool WriteGif(const std::string& path, const TGifPicture& picture) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (gif == nullptr) {
        return false;
    }
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = MakeColourMap(picture.GlobalColours);
    bool ok = EGifPutScreenDesc(gif, picture.ScreenWidth, picture.ScreenHeight, 8,
                                picture.Background, global) != GIF_ERROR;
    GifFreeMapObject(global);
    for (const TGifFrame& frame : picture.Frames) {
        ok = ok && PutFrame(gif, frame);
    }
    return EGifCloseFile(gif, &error) != GIF_ERROR && ok;
}

namespace {

[[noreturn]] void JumpOnPngError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// Only C data in this frame: libpng longjmps back into it.
bool WritePngTo(std::FILE* file, const TPngPicture* picture) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnPngError, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, picture->Width, picture->Height, picture->BitDepth, picture->ColourType,
                 picture->Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!picture->Palette.empty()) {
        png_set_PLTE(png, info, picture->Palette.data(), static_cast<int>(picture->Palette.size()));
    }
    if (!picture->PaletteAlpha.empty()) {
        png_set_tRNS(png, info, picture->PaletteAlpha.data(),
                     static_cast<int>(picture->PaletteAlpha.size()), nullptr);
    } else if (picture->TransparentColour) {
        png_set_tRNS(png, info, nullptr, 0, &*picture->TransparentColour);
    }
    png_write_info(png, info);
    const int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < picture->Height; ++y) {
            png_write_row(png, picture->Rows[static_cast<std::size_t>(y)].data());
        }
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool WritePng(const std::string& path, const TPngPicture& picture) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool ok = WritePngTo(file, &picture);
    return std::fclose(file) == 0 && ok;
}

bool WriteJpeg(const std::string& path, const TJpegPicture& picture) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    // The default error handler ends the test program: a broken fixture cannot go unnoticed.
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(picture.Width);
    info.image_height = static_cast<JDIMENSION>(picture.Height);
    info.input_components = picture.Components;
    info.in_color_space = picture.InputSpace;
    jpeg_set_defaults(&info);
    if (picture.StoredSpace) {
        jpeg_set_colorspace(&info, *picture.StoredSpace);
    }
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    info.write_Adobe_marker = picture.AdobeMarker && info.write_Adobe_marker;
    jpeg_set_quality(&info, 100, TRUE);
    if (picture.Progressive) {
        jpeg_simple_progression(&info);
    }
    if (!picture.Scans.empty()) {
        info.scan_info = picture.Scans.data();
        info.num_scans = static_cast<int>(picture.Scans.size());
    }
    jpeg_start_compress(&info, TRUE);
    const std::size_t rowSize = std::size_t(picture.Width) * std::size_t(picture.Components);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(picture.Samples.data() + info.next_scanline * rowSize);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

} // namespace kvx::test
