// The first frame of a GIF, composed at the logical screen size.

#include "ImageFixtures.h"
#include "images/ImageLoading.h"

#include <QDir>
#include <gtest/gtest.h>

namespace kvx::test {
namespace {

constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
const std::vector<QRgb> Primaries{Red, Green, Blue, White};

TGifFrame FullFrame(int width, int height, std::vector<std::uint8_t> indexes) {
    return {0, 0, width, height, false, {}, -1, std::move(indexes)};
}

class GifDecoder : public ::testing::Test {
protected:
    // Writes picture and decodes it back.
    std::optional<QImage> RoundTrip(const TGifPicture& picture) {
        EXPECT_TRUE(WriteGif(FPath, picture));
        return DecodeGif(FPath);
    }
    // Writes picture, lets patch change the bytes, and decodes the result.
    template <typename Patch>
    std::optional<QImage> Patched(const TGifPicture& picture, Patch patch) {
        EXPECT_TRUE(WriteGif(FPath, picture));
        QByteArray bytes = ReadBytes(FPath);
        patch(bytes);
        WriteBytes(FPath, bytes);
        return DecodeGif(FPath);
    }

    TScratchDir FDir;
    const std::string FPath = FDir.Path("bild.gif");
};

TEST_F(GifDecoder, StillImageShowsItsGlobalColours) {
    const auto image = RoundTrip({3, 2, Primaries, 0, {FullFrame(3, 2, {0, 1, 2, 3, 2, 1})}});
    ASSERT_TRUE(image);
    EXPECT_EQ(image->format(), QImage::Format_RGB32);
    EXPECT_EQ(Pixels(*image), (std::vector<QRgb>{Red, Green, Blue, White, Blue, Green}));
}

TEST_F(GifDecoder, AnimationLoadsAsItsFirstFrame) {
    const auto image = RoundTrip(
        {2, 2, Primaries, 0, {FullFrame(2, 2, {0, 1, 1, 0}), FullFrame(2, 2, {2, 2, 2, 2})}});
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), (std::vector<QRgb>{Red, Green, Green, Red}));
}

TEST_F(GifDecoder, SmallFrameSitsAtItsOffsetOnTheBackgroundColour) {
    const TGifFrame frame{1, 1, 2, 1, false, {}, -1, {0, 1}};
    const auto image = RoundTrip({4, 3, Primaries, 2, {frame}});
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), (std::vector<QRgb>{Blue, Blue, Blue, Blue, //
                                                 Blue, Red, Green, Blue, //
                                                 Blue, Blue, Blue, Blue}));
}

TEST_F(GifDecoder, FrameReachingBeyondTheScreenIsClipped) {
    const TGifFrame frame{1, 1, 3, 3, false, {}, -1, {0, 1, 1, 1, 1, 1, 1, 1, 1}};
    const auto image = RoundTrip({2, 2, Primaries, 3, {frame}});
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), (std::vector<QRgb>{White, White, White, Red}));
}

TEST_F(GifDecoder, InterlacedRowsComeOutInDisplayOrder) {
    std::vector<QRgb> rowColours;
    std::vector<std::uint8_t> indexes;
    for (int y = 0; y < 11; ++y) {
        rowColours.push_back(qRgb(y * 20, 255 - y * 20, y * 7));
        indexes.push_back(static_cast<std::uint8_t>(y));
    }
    const auto image = RoundTrip({1, 11, rowColours, 0, {{0, 0, 1, 11, true, {}, -1, indexes}}});
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), rowColours);
}

TEST_F(GifDecoder, TransparentIndexKeepsItsTableColour) {
    TGifFrame frame = FullFrame(2, 1, {1, 2});
    frame.TransparentIndex = 1;
    const auto image = RoundTrip({2, 1, Primaries, 0, {frame}});
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), (std::vector<QRgb>{Green, Blue}));
}

TEST_F(GifDecoder, LocalColourTableOverridesTheGlobalOne) {
    TGifFrame frame{1, 0, 1, 1, false, {White, Green}, -1, {1}};
    const auto image = RoundTrip({2, 1, Primaries, 0, {frame}});
    ASSERT_TRUE(image);
    // The background still comes from the global table.
    EXPECT_EQ(Pixels(*image), (std::vector<QRgb>{Red, Green}));
}

TEST_F(GifDecoder, IndexesBeyondTheColourTableShowBlack) {
    // Written with four colours, then the table cut to two: indexes 2 and 3 lose their colour.
    const auto image =
        Patched({4, 1, Primaries, 0, {FullFrame(4, 1, {0, 1, 2, 3})}}, [](QByteArray& gif) {
            gif[10] = static_cast<char>(gif[10] & ~0x07);
            gif.remove(13 + 6, 6);
        });
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), (std::vector<QRgb>{Red, Green, Black, Black}));
}

TEST_F(GifDecoder, WithoutAnyColourTableEverythingIsBlack) {
    const auto image =
        Patched({2, 2, Primaries, 3, {{1, 1, 1, 1, false, {}, -1, {2}}}}, [](QByteArray& gif) {
            gif[10] = static_cast<char>(gif[10] & 0x7F);
            gif.remove(13, 12);
        });
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), std::vector<QRgb>(4, Black));
}

TEST_F(GifDecoder, BackgroundIndexOutsideTheTableIsBlack) {
    const auto image = RoundTrip({2, 1, Primaries, 9, {{0, 0, 1, 1, false, {}, -1, {0}}}});
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), (std::vector<QRgb>{Red, Black}));
}

TEST_F(GifDecoder, ScreenWithoutSizeTakesTheFrameExtent) {
    const auto image = Patched({3, 2, Primaries, 3, {{1, 0, 2, 2, false, {}, -1, {0, 1, 2, 0}}}},
                               [](QByteArray& gif) { gif.replace(6, 4, QByteArray(4, '\0')); });
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), (std::vector<QRgb>{White, Red, Green, White, Blue, Red}));
}

TEST_F(GifDecoder, HugeScreenIsRefusedBeforeAnyAllocation) {
    const auto image = Patched({1, 1, Primaries, 0, {FullFrame(1, 1, {0})}},
                               [](QByteArray& gif) { gif.replace(6, 4, QByteArray(4, '\xFF')); });
    EXPECT_FALSE(image);
}

// A screen of 14689 x 61752 pixels behind a tiny frame once took seconds to clear; sizes
// beyond the bitmap limit are refused even when each side is a legal GIF size.
TEST_F(GifDecoder, ScreenBeyondThePixelLimitIsRefused) {
    const auto image = Patched({1, 1, Primaries, 0, {FullFrame(1, 1, {0})}}, [](QByteArray& gif) {
        const char size[] = {'\x61', '\x39', '\x38', '\xF1'}; // 14689 x 61752, little-endian
        gif.replace(6, 4, QByteArray(size, 4));
    });
    EXPECT_FALSE(image);
}

// Large bitmaps have their memory mapped by a second thread while the decoder writes them;
// every row must keep what the decoder wrote, and a file that breaks off must fail cleanly
// while that thread may still be at work.
TEST_F(GifDecoder, LargeImageComesOutWholeAndLargeDamagedOneFails) {
    constexpr int width = 2048;
    constexpr int height = 1536; // 12 MiB of RGB32: large enough for the mapping thread
    std::vector<std::uint8_t> indexes(std::size_t{width} * height);
    std::vector<QRgb> expected(indexes.size());
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        indexes[i] = static_cast<std::uint8_t>(((i % width) / 7 + (i / width) / 5) % 4);
        expected[i] = Primaries[indexes[i]];
    }
    const auto image =
        RoundTrip({width, height, Primaries, 0, {FullFrame(width, height, indexes)}});
    ASSERT_TRUE(image);
    EXPECT_EQ(Pixels(*image), expected);

    const QByteArray whole = ReadBytes(FPath);
    WriteBytes(FPath, whole.left(whole.size() / 3));
    EXPECT_FALSE(DecodeGif(FPath));
}

TEST_F(GifDecoder, DamagedOrMissingFilesFail) {
    ASSERT_TRUE(
        WriteGif(FPath, {8, 8, Primaries, 0, {FullFrame(8, 8, std::vector<std::uint8_t>(64, 1))}}));
    const QByteArray good = ReadBytes(FPath);
    const std::vector<std::pair<const char*, QByteArray>> damaged{
        {"cut in the image data", good.left(good.size() - 6)},
        {"cut in the header", good.left(9)},
        {"cut after the colour table", good.left(25)},
        {"no frame before the trailer", good.left(25) + ";"},
        {"not a GIF at all", QByteArray("\x89PNG\r\n\x1a\n0000000000000000")},
        {"empty", QByteArray()},
    };
    for (const auto& [what, bytes] : damaged) {
        WriteBytes(FPath, bytes);
        EXPECT_FALSE(DecodeGif(FPath)) << what;
    }
    EXPECT_FALSE(DecodeGif(FDir.Path("fehlt.gif")));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(FDir.Path("ordner.gif"))));
    EXPECT_FALSE(DecodeGif(FDir.Path("ordner.gif")));
}

} // namespace
} // namespace kvx::test
