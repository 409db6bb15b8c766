// PNG pixels as stored: every colour type becomes 8-bit RGB, transparency is not applied.

#include "ImageFixtures.h"
#include "images/ImageLoading.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace kvx::test {
namespace {

struct TPngCase {
    const char* Name;
    TPngPicture Written;
    std::vector<QRgb> Expected;
};

TPngPicture Picture(int width, int height, int colourType, int bitDepth,
                    std::vector<std::vector<png_byte>> rows) {
    TPngPicture picture;
    picture.Width = width;
    picture.Height = height;
    picture.ColourType = colourType;
    picture.BitDepth = bitDepth;
    picture.Rows = std::move(rows);
    return picture;
}

std::vector<TPngCase> ColourTypeCases() {
    std::vector<TPngCase> cases;
    cases.push_back(
        {"rgb 8 bit",
         Picture(2, 2, PNG_COLOR_TYPE_RGB, 8, {{255, 0, 0, 0, 255, 0}, {0, 0, 255, 9, 8, 7}}),
         {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF090807}});
    cases.push_back(
        {"rgba keeps the colour under any alpha",
         Picture(3, 1, PNG_COLOR_TYPE_RGBA, 8, {{10, 20, 30, 0, 40, 50, 60, 128, 70, 80, 90, 255}}),
         {0xFF0A141E, 0xFF28323C, 0xFF46505A}});
    cases.push_back(
        {"rgb 16 bit with alpha",
         Picture(1, 1, PNG_COLOR_TYPE_RGBA, 16, {{0x12, 0x34, 0xAB, 0xCD, 0xFF, 0xFF, 0, 0}}),
         {0xFF12ABFF}});
    cases.push_back({"grey 16 bit",
                     Picture(2, 1, PNG_COLOR_TYPE_GRAY, 16, {{0x80, 0x7F, 0xFF, 0xFF}}),
                     {0xFF808080, 0xFFFFFFFF}});
    cases.push_back({"grey 8 bit",
                     Picture(2, 1, PNG_COLOR_TYPE_GRAY, 8, {{0, 200}}),
                     {0xFF000000, 0xFFC8C8C8}});
    cases.push_back({"grey 1 bit spans black to white",
                     Picture(3, 1, PNG_COLOR_TYPE_GRAY, 1, {{0b01000000}}),
                     {0xFF000000, 0xFFFFFFFF, 0xFF000000}});
    cases.push_back(
        {"grey 4 bit", Picture(2, 1, PNG_COLOR_TYPE_GRAY, 4, {{0x5F}}), {0xFF555555, 0xFFFFFFFF}});
    cases.push_back({"grey with alpha",
                     Picture(2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {{90, 0, 180, 255}}),
                     {0xFF5A5A5A, 0xFFB4B4B4}});

    TPngPicture palette = Picture(4, 1, PNG_COLOR_TYPE_PALETTE, 2, {{0b00011011}});
    palette.Palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {1, 2, 3}};
    cases.push_back({"palette", palette, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF010203}});
    palette.PaletteAlpha = {0, 128};
    cases.push_back(
        {"palette with tRNS", palette, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF010203}});

    TPngPicture greyKey = Picture(2, 1, PNG_COLOR_TYPE_GRAY, 8, {{77, 78}});
    greyKey.TransparentColour = png_color_16{0, 0, 0, 0, 77};
    cases.push_back({"grey with tRNS colour", greyKey, {0xFF4D4D4D, 0xFF4E4E4E}});
    TPngPicture rgbKey = Picture(2, 1, PNG_COLOR_TYPE_RGB, 8, {{1, 2, 3, 4, 5, 6}});
    rgbKey.TransparentColour = png_color_16{0, 1, 2, 3, 0};
    cases.push_back({"rgb with tRNS colour", rgbKey, {0xFF010203, 0xFF040506}});
    return cases;
}

TEST(PngDecoder, EveryColourTypeBecomesItsStoredRgb) {
    const TScratchDir dir;
    const std::string path = dir.Path("bild.png");
    for (const TPngCase& test : ColourTypeCases()) {
        ASSERT_TRUE(WritePng(path, test.Written)) << test.Name;
        const auto image = DecodePng(path);
        ASSERT_TRUE(image) << test.Name;
        EXPECT_EQ(image->format(), QImage::Format_RGB32) << test.Name;
        EXPECT_EQ(image->size(), QSize(test.Written.Width, test.Written.Height)) << test.Name;
        EXPECT_EQ(Pixels(*image), test.Expected) << test.Name;
    }
}

// A 9 x 9 picture in which every pixel differs, so that any misplaced pass shows.
TPngPicture DistinctPixels(bool interlaced) {
    TPngPicture picture = Picture(9, 9, PNG_COLOR_TYPE_RGB, 8, {});
    picture.Interlaced = interlaced;
    for (int y = 0; y < 9; ++y) {
        std::vector<png_byte> row;
        for (int x = 0; x < 9; ++x) {
            row.insert(row.end(), {png_byte(x * 28), png_byte(y * 28), png_byte(x * 9 + y)});
        }
        picture.Rows.push_back(row);
    }
    return picture;
}

TEST(PngDecoder, InterlacedImageEqualsItsPlainTwin) {
    const TScratchDir dir;
    ASSERT_TRUE(WritePng(dir.Path("plain.png"), DistinctPixels(false)));
    ASSERT_TRUE(WritePng(dir.Path("adam7.png"), DistinctPixels(true)));
    const auto plain = DecodePng(dir.Path("plain.png"));
    const auto interlaced = DecodePng(dir.Path("adam7.png"));
    ASSERT_TRUE(plain && interlaced);
    EXPECT_EQ(plain->pixel(4, 7), qRgb(4 * 28, 7 * 28, 4 * 9 + 7));
    EXPECT_EQ(Pixels(*interlaced), Pixels(*plain));
}

// Replaces the IHDR's size and mends its CRC, so that only the size is hostile.
void ClaimSize(QByteArray& png, quint32 width, quint32 height) {
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<char>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<char>(height >> (24 - 8 * i));
    }
    const auto crc =
        static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(png.constData() + 12), 17));
    for (int i = 0; i < 4; ++i) {
        png[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    }
}

TEST(PngDecoder, DamagedOrHostileFilesFail) {
    const TScratchDir dir;
    const std::string path = dir.Path("bild.png");
    ASSERT_TRUE(WritePng(path, DistinctPixels(false)));
    const QByteArray good = ReadBytes(path);
    const int idat = good.indexOf("IDAT");
    ASSERT_GT(idat, 0);
    QByteArray badCrc = good;
    badCrc[idat + 6] = static_cast<char>(badCrc[idat + 6] ^ 0x55);
    QByteArray badSignature = good;
    badSignature[1] = 'Q';
    QByteArray huge = good;
    ClaimSize(huge, 40000, 40000);
    const std::vector<std::pair<const char*, QByteArray>> damaged{
        {"cut in the image data", good.left(idat + 20)},
        {"cut after the header", good.left(40)},
        {"image data altered", badCrc},
        {"signature broken", badSignature},
        {"header claims 40000 x 40000", huge},
        {"a GIF's bytes", QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00;")},
        {"empty", QByteArray()},
    };
    for (const auto& [what, bytes] : damaged) {
        WriteBytes(path, bytes);
        EXPECT_FALSE(DecodePng(path)) << what;
    }
    EXPECT_FALSE(DecodePng(dir.Path("fehlt.png")));
}

} // namespace
} // namespace kvx::test
