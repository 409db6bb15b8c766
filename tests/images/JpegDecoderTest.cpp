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

// A grey 64 x 64 picture (64 blocks) in a scan script of DC, then AC first scans of single
// coefficients at half precision, then refinements: every scan within the standard's rules.
TJpegPicture ManyScans(int firstScans, int refinements) {
    TJpegPicture picture;
    picture.Width = 64;
    picture.Height = 64;
    picture.InputSpace = JCS_GRAYSCALE;
    picture.Components = 1;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            picture.Samples.push_back(static_cast<JSAMPLE>((x * 4 + y * 2) % 256));
        }
    }
    jpeg_scan_info dc{};
    dc.comps_in_scan = 1;
    picture.Scans.push_back(dc);
    for (int k = 1; k <= firstScans; ++k) {
        jpeg_scan_info first = dc;
        first.Ss = first.Se = k;
        first.Al = 1;
        picture.Scans.push_back(first);
    }
    for (int k = 1; k <= refinements; ++k) {
        jpeg_scan_info refine = dc;
        refine.Ss = refine.Se = k;
        refine.Ah = 1;
        picture.Scans.push_back(refine);
    }
    return picture;
}

// The last scan again and again: libjpeg only warns about such a progression and walks every
// block once more for each copy.
QByteArray WithLastScanRepeated(const QByteArray& jpeg, int copies) {
    const qsizetype lastScan = jpeg.lastIndexOf("\xFF\xDA");
    const QByteArray scan = jpeg.mid(lastScan, jpeg.size() - 2 - lastScan);
    return jpeg.left(jpeg.size() - 2) + scan.repeated(copies) + "\xFF\xD9";
}

TEST(JpegDecoder, ScansAreLimitedByWorkThatGrowsWithTheImage) {
    const TScratchDir dir;
    const std::string path = dir.Path("foto.jpg");
    ASSERT_TRUE(WriteJpeg(path, ManyScans(63, 36)));
    const QByteArray hundredScans = ReadBytes(path);
    ASSERT_TRUE(WriteJpeg(path, ManyScans(63, 0)));
    const QByteArray reference = ReadBytes(path);
    const std::optional<QImage> expected = DecodeJpeg(path);
    ASSERT_TRUE(expected);
    struct TCase {
        const char* Name;
        QByteArray Bytes;
        bool Loads;
    };
    const std::vector<TCase> cases{
        {"100 scans by the rules", hundredScans, true},
        {"a refinement 30 times more", WithLastScanRepeated(hundredScans, 30), true},
        {"a refinement 300 times more", WithLastScanRepeated(hundredScans, 300), false},
        {"an AC first scan 2000 times more", WithLastScanRepeated(reference, 2000), false},
    };
    for (const TCase& c : cases) {
        WriteBytes(path, c.Bytes);
        const std::optional<QImage> image = DecodeJpeg(path);
        EXPECT_EQ(image.has_value(), c.Loads) << c.Name;
        if (image && c.Loads) {
            EXPECT_EQ(image->size(), QSize(64, 64)) << c.Name;
            EXPECT_LE(MaxChannelDifference(*image, Pixels(*expected)), 2 * Tolerance) << c.Name;
        }
    }
}

TEST(JpegScanBudget, AHundredOfTheDearestScansFitUpToTheLimitOfWork) {
    const TJpegScan dearest{1, 63, 1, 0};
    struct TCase {
        std::int64_t Blocks;
        int DearestScans; // how many of them fit
    };
    // Near 128 000 blocks a hundred of them reach the limit of work.
    const std::vector<TCase> cases{{1, 100}, {64, 100}, {120000, 100}, {1000000, 12}, {2097152, 6}};
    for (const TCase& c : cases) {
        TJpegScanBudget budget(c.Blocks);
        TJpegScan scan = dearest;
        scan.Blocks = c.Blocks;
        int admitted = 0;
        while (admitted < 1000 && budget.Admit(scan)) {
            ++admitted;
        }
        EXPECT_EQ(admitted, c.DearestScans) << c.Blocks;
        EXPECT_LE(budget.Budget(), TJpegScanBudget::MaxWork) << c.Blocks;
    }
    // Cheaper scans go further: AC first scans cost a seventh of a full refinement.
    constexpr std::int64_t component = 2048 * 1024; // 16384 x 8192, at the pixel limit
    TJpegScanBudget budget(3 * component);
    int admitted = 0;
    while (admitted < 1000 && budget.Admit({5, 63, 0, component})) {
        ++admitted;
    }
    EXPECT_EQ(admitted, 42);
    // libjpeg's standard progression of a full-colour image at the pixel limit still loads.
    const std::vector<TJpegScan> standard{{0, 0, 0, 3 * component}, {1, 5, 0, component},
                                          {1, 63, 0, component},    {1, 63, 0, component},
                                          {6, 63, 0, component},    {1, 63, 2, component},
                                          {0, 0, 1, 3 * component}, {1, 63, 1, component},
                                          {1, 63, 1, component},    {1, 63, 1, component}};
    TJpegScanBudget full(3 * component);
    for (const TJpegScan& scan : standard) {
        EXPECT_TRUE(full.Admit(scan)) << scan.SpectralStart << "-" << scan.SpectralEnd;
    }
}

} // namespace
} // namespace kvx::test
