// JPEG at full size: every colour space comes out as RGB.

#include "ImageFixtures.h"
#include "images/ImageLoading.h"
#include "images/JpegScanBudget.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kvx::test {
namespace {

// Quality 100 and flat 8 x 8 blocks: the decoded colours may only be off by rounding.
constexpr int Tolerance = 3;

using TSample = std::vector<JSAMPLE>;

// An image of two flat blocks side by side, 16 x 8, with samples of any component count.
TJpegPicture TwoBlocks(J_COLOR_SPACE space, const TSample& left, const TSample& right) {
    TJpegPicture picture;
    picture.Width = 16;
    picture.Height = 8;
    picture.InputSpace = space;
    picture.Components = static_cast<int>(left.size());
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            const TSample& sample = x < 8 ? left : right;
            picture.Samples.insert(picture.Samples.end(), sample.begin(), sample.end());
        }
    }
    return picture;
}

std::vector<QRgb> TwoBlockPixels(QRgb left, QRgb right) {
    std::vector<QRgb> pixels;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            pixels.push_back(x < 8 ? left : right);
        }
    }
    return pixels;
}

struct TJpegCase {
    const char* Name;
    TJpegPicture Written;
    std::vector<QRgb> Expected;
};

std::vector<TJpegCase> ColourSpaceCases() {
    const TSample rose{200, 30, 60};
    const TSample sky{20, 180, 240};
    const std::vector<QRgb> roseSky = TwoBlockPixels(qRgb(200, 30, 60), qRgb(20, 180, 240));
    std::vector<TJpegCase> cases;
    cases.push_back({"YCbCr", TwoBlocks(JCS_RGB, rose, sky), roseSky});
    TJpegPicture progressive = TwoBlocks(JCS_RGB, rose, sky);
    progressive.Progressive = true;
    cases.push_back({"progressive", progressive, roseSky});
    TJpegPicture rgb = TwoBlocks(JCS_RGB, rose, sky);
    rgb.StoredSpace = JCS_RGB;
    cases.push_back({"stored as RGB", rgb, roseSky});
    cases.push_back({"greyscale", TwoBlocks(JCS_GRAYSCALE, {90}, {200}),
                     TwoBlockPixels(qRgb(90, 90, 90), qRgb(200, 200, 200))});

    // Adobe's CMYK is stored inverted (255 = no ink): full cyan on the left, half black
    // on the right.
    const TSample cyan{0, 255, 255, 255};
    const TSample grey{255, 255, 255, 128};
    const std::vector<QRgb> cyanGrey = TwoBlockPixels(qRgb(0, 255, 255), qRgb(128, 128, 128));
    cases.push_back({"Adobe CMYK", TwoBlocks(JCS_CMYK, cyan, grey), cyanGrey});
    TJpegPicture ycck = TwoBlocks(JCS_CMYK, cyan, grey);
    ycck.StoredSpace = JCS_YCCK;
    cases.push_back({"Adobe YCCK", ycck, cyanGrey});
    // Without Adobe's marker the values are plain ink amounts.
    TJpegPicture plainInk = TwoBlocks(JCS_CMYK, {0, 255, 255, 0}, {0, 0, 0, 255});
    plainInk.AdobeMarker = false;
    cases.push_back(
        {"CMYK without Adobe marker", plainInk, TwoBlockPixels(qRgb(255, 0, 0), qRgb(0, 0, 0))});
    return cases;
}

TEST(JpegDecoder, EveryColourSpaceBecomesRgb) {
    const TScratchDir dir;
    const std::string path = dir.Path("foto.jpg");
    for (const TJpegCase& test : ColourSpaceCases()) {
        ASSERT_TRUE(WriteJpeg(path, test.Written)) << test.Name;
        const auto image = DecodeJpeg(path);
        ASSERT_TRUE(image) << test.Name;
        EXPECT_EQ(image->format(), QImage::Format_RGB32) << test.Name;
        // The unused byte of RGB32 must be 0xFF too.
        const std::vector<QRgb> words = Pixels(*image);
        EXPECT_TRUE(std::all_of(words.begin(), words.end(), [](QRgb word) {
            return qAlpha(word) == 0xFF;
        })) << test.Name;
        EXPECT_LE(MaxChannelDifference(*image, test.Expected), Tolerance) << test.Name;
    }
}

TEST(JpegDecoder, TruncatedScanKeepsTheRowsThatArrived) {
    const TScratchDir dir;
    const std::string path = dir.Path("foto.jpg");
    TJpegPicture tall = TwoBlocks(JCS_RGB, {250, 250, 0}, {0, 0, 250});
    tall.Height = 64;
    tall.Samples.resize(std::size_t{16} * 64 * 3, 128);
    ASSERT_TRUE(WriteJpeg(path, tall));
    const QByteArray whole = ReadBytes(path);
    WriteBytes(path, whole.left(whole.size() - 20));
    // libjpeg pads what is missing; the image is usable, so it loads.
    const auto image = DecodeJpeg(path);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(16, 64));
    EXPECT_LE(MaxChannelDifference(image->copy(0, 0, 16, 8),
                                   TwoBlockPixels(qRgb(250, 250, 0), qRgb(0, 0, 250))),
              Tolerance);
}

TEST(JpegDecoder, DamagedOrHostileFilesFail) {
    const TScratchDir dir;
    const std::string path = dir.Path("foto.jpg");
    ASSERT_TRUE(WriteJpeg(path, TwoBlocks(JCS_RGB, {1, 2, 3}, {4, 5, 6})));
    const QByteArray good = ReadBytes(path);
    const int frame = good.indexOf("\xFF\xC0");
    const int scan = good.indexOf("\xFF\xDA");
    ASSERT_GT(frame, 0);
    ASSERT_GT(scan, frame);
    QByteArray huge = good;
    huge.replace(frame + 5, 4, QByteArray("\xFD\xE8\xFD\xE8", 4)); // 65000 x 65000
    QByteArray noSize = good;
    noSize.replace(frame + 5, 4, QByteArray(4, '\0'));
    const std::vector<std::pair<const char*, QByteArray>> damaged{
        {"cut before the scan", good.left(scan)},
        {"frame claims 65000 x 65000", huge},
        {"frame claims no size", noSize},
        {"signature only", good.left(2)},
        {"a PNG's bytes", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"empty", QByteArray()},
    };
    for (const auto& [what, bytes] : damaged) {
        WriteBytes(path, bytes);
        EXPECT_FALSE(DecodeJpeg(path)) << what;
    }
    EXPECT_FALSE(DecodeJpeg(dir.Path("fehlt.jpg")));
}

// A grey 64 x 64 picture (64 blocks): DC, AC first scans of coefficients 1 to 63 at half
// precision, refinements of the first ones; every scan within the standard's rules.
TJpegPicture ManyScans(int refinements) {
    TJpegPicture picture;
    picture.Width = picture.Height = 64;
    picture.InputSpace = JCS_GRAYSCALE;
    picture.Components = 1;
    for (int i = 0; i < 64 * 64; ++i) {
        picture.Samples.push_back(static_cast<JSAMPLE>((i % 64 * 4 + i / 64 * 2) % 256));
    }
    picture.Scans.push_back(jpeg_scan_info{1, {0}, 0, 0, 0, 0});
    for (int k = 1; k <= 63 + refinements; ++k) {
        const bool refine = k > 63;
        const int band = refine ? k - 63 : k;
        picture.Scans.push_back(jpeg_scan_info{1, {0}, band, band, refine ? 1 : 0, refine ? 0 : 1});
    }
    return picture;
}

TEST(JpegDecoder, ScansAreLimitedByWorkThatGrowsWithTheImage) {
    const TScratchDir dir;
    const std::string path = dir.Path("foto.jpg");
    ASSERT_TRUE(WriteJpeg(path, ManyScans(36)));
    const QByteArray hundredScans = ReadBytes(path);
    const std::optional<QImage> expected = DecodeJpeg(path);
    ASSERT_TRUE(expected);
    EXPECT_EQ(expected->size(), QSize(64, 64));
    // The last scan again and again: libjpeg only warns about such a progression and walks
    // every block once more for each copy.
    const qsizetype last = hundredScans.lastIndexOf("\xFF\xDA");
    const QByteArray scan = hundredScans.mid(last, hundredScans.size() - 2 - last);
    for (const auto& [copies, loads] : {std::pair{0, true}, {30, true}, {300, false}}) {
        WriteBytes(path, hundredScans.chopped(2) + scan.repeated(copies) + "\xFF\xD9");
        const std::optional<QImage> image = DecodeJpeg(path);
        EXPECT_EQ(image.has_value(), loads) << copies;
        EXPECT_TRUE(!image || Pixels(*image) == Pixels(*expected)) << copies;
    }
    // Budgets by the blocks of the image: a hundred of the dearest scans (a refinement of all
    // 63 coefficients) up to the limit of work, near 128 000 blocks; fewer beyond.
    for (const auto& [blocks, dearest] :
         {std::pair<std::int64_t, int>{64, 100}, {120000, 100}, {1000000, 12}, {2097152, 6}}) {
        TJpegScanBudget budget(blocks);
        int admitted = 0;
        while (admitted < 1000 && budget.Admit({1, 63, 1, blocks})) {
            ++admitted;
        }
        EXPECT_EQ(admitted, dearest) << blocks;
    }
    // libjpeg's standard progression of a full-colour image at the pixel limit still loads.
    constexpr std::int64_t component = 2048 * 1024;
    TJpegScanBudget full(3 * component);
    for (const TJpegScan& standard : std::vector<TJpegScan>{{0, 0, 0, 3 * component},
                                                            {1, 5, 0, component},
                                                            {1, 63, 0, component},
                                                            {1, 63, 0, component},
                                                            {6, 63, 0, component},
                                                            {1, 63, 2, component},
                                                            {0, 0, 1, 3 * component},
                                                            {1, 63, 1, component},
                                                            {1, 63, 1, component},
                                                            {1, 63, 1, component}}) {
        EXPECT_TRUE(full.Admit(standard)) << standard.SpectralStart << "-" << standard.SpectralEnd;
    }
}

} // namespace
} // namespace kvx::test
