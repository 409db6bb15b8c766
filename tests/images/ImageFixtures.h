#pragma once
// Image files made for the tests with the libraries' own encoders, and pixel helpers.

#include "support/FileBytes.h"

#include <QByteArray>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gif_lib.h>
#include <png.h>
// jpeglib.h needs FILE and size_t first.
#include <cstdio>
#include <jpeglib.h>

namespace kvx::test {

// A temporary folder whose files are named by plain std::string paths.
class TScratchDir {
public:
    std::string Path(const std::string& name) const;

private:
    QTemporaryDir FDir;
};

// The bitmap's RGB32 words row by row, for comparisons that print what differs; empty for
// any other format.
std::vector<QRgb> Pixels(const QImage& image);
// The largest difference of any colour channel between image and expected (row-major);
// -1 when the sizes differ.
int MaxChannelDifference(const QImage& image, const std::vector<QRgb>& expected);

struct TGifFrame {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Interlaced = false;
    std::vector<QRgb> LocalColours; // empty: the frame uses the global table
    int TransparentIndex = -1;
    std::vector<std::uint8_t> Indexes; // Width * Height, in display order
};

struct TGifPicture {
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    std::vector<QRgb> GlobalColours; // padded to a power of two with black
    int Background = 0;
    std::vector<TGifFrame> Frames;
};

// Interlaced frames are written in the file's pass order, as a GIF encoder must.
bool WriteGif(const std::string& path, const TGifPicture& picture);

struct TPngPicture {
    int Width = 0;
    int Height = 0;
    int ColourType = PNG_COLOR_TYPE_RGB;
    int BitDepth = 8;
    bool Interlaced = false;
    std::vector<png_color> Palette;
    std::vector<png_byte> PaletteAlpha;            // tRNS of a palette image
    std::optional<png_color_16> TransparentColour; // tRNS of a grey or RGB image
    std::vector<std::vector<png_byte>> Rows;       // packed as stored, 16-bit big-endian
};

bool WritePng(const std::string& path, const TPngPicture& picture);

struct TJpegPicture {
    int Width = 0;
    int Height = 0;
    J_COLOR_SPACE InputSpace = JCS_RGB;
    int Components = 3;
    std::optional<J_COLOR_SPACE> StoredSpace; // default: libjpeg's choice for InputSpace
    bool Progressive = false;
    std::vector<jpeg_scan_info> Scans; // a scan script of its own (progressive when Ss > 0)
    bool AdobeMarker = true;
    std::vector<JSAMPLE> Samples; // Width * Height * Components
};

// Quality 100 without chroma subsampling, so flat 8x8 blocks come back almost exactly.
bool WriteJpeg(const std::string& path, const TJpegPicture& picture);

} // namespace kvx::test
