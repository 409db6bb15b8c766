// The decoders report how far they have come, so the window's bar shows a real share, and
// LoadImage hands only the decode to the waiter it is given.
#include "ImageFixtures.h"
#include "images/ImageLoading.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace kvx::test {
namespace {

// Runs steps at once and keeps what they reported.
class TRecordingWaiter final : public TLoadWaiter {
public:
    void Run(const TLoadStep& step) override {
        ++Runs;
        step(Progress);
    }
    int Runs = 0;
    TLoadProgress Progress;
};

// Values that hardly compress, so that the image data spreads over the whole file and a
// file cut short still holds its first rows.
std::vector<std::uint8_t> Noise(std::size_t count, unsigned modulo) {
    std::vector<std::uint8_t> values(count);
    std::uint32_t state = 12345;
    for (std::uint8_t& value : values) {
        state = state * 1103515245u + 12345u;
        value = static_cast<std::uint8_t>((state >> 16) % modulo);
    }
    return values;
}

bool Gif(const std::string& path, bool interlaced, int screenHeight) {
    return WriteGif(path, {80,
                           screenHeight,
                           {0xFFFF0000, 0xFF0000FF, 0xFF00FF00, 0xFFFFFFFF},
                           0,
                           {{0, 0, 80, 60, interlaced, {}, -1, Noise(80 * 60, 4)}}});
}

bool Png(const std::string& path, bool interlaced) {
    TPngPicture picture;
    picture.Width = 80;
    picture.Height = 60;
    picture.Interlaced = interlaced;
    for (int y = 0; y < picture.Height; ++y) {
        picture.Rows.push_back(Noise(std::size_t{80} * 3 * (y + 1), 256));
        picture.Rows.back().erase(picture.Rows.back().begin(), picture.Rows.back().end() - 80 * 3);
    }
    return WritePng(path, picture);
}

bool Jpeg(const std::string& path, bool progressive) {
    TJpegPicture picture;
    picture.Width = 80;
    picture.Height = 64;
    picture.Progressive = progressive;
    picture.Samples = Noise(std::size_t{80} * 64 * 3, 256);
    return WriteJpeg(path, picture);
}

struct TPictureCase {
    const char* Name;
    std::function<bool(const std::string&)> Write;
    QSize Size;
    // Cut to two thirds, the file fails after some of its rows (libjpeg completes a short
    // file in grey; a GIF frame's rows below the screen are never needed).
    bool CutOffFails;
};

const std::vector<TPictureCase>& Pictures() {
    static const std::vector<TPictureCase> pictures{
        {"gif", [](const std::string& p) { return Gif(p, false, 60); }, {80, 60}, true},
        {"gif interlaced", [](const std::string& p) { return Gif(p, true, 60); }, {80, 60}, true},
        {"gif frame beyond the screen",
         [](const std::string& p) { return Gif(p, false, 20); },
         {80, 20},
         false},
        {"png", [](const std::string& p) { return Png(p, false); }, {80, 60}, true},
        {"png interlaced", [](const std::string& p) { return Png(p, true); }, {80, 60}, true},
        {"jpeg", [](const std::string& p) { return Jpeg(p, false); }, {80, 64}, false},
        {"jpeg progressive", [](const std::string& p) { return Jpeg(p, true); }, {80, 64}, false},
    };
    return pictures;
}

TEST(DecodeProgress, ACompleteDecodeReportsAllOfItThroughTheWaiter) {
    TScratchDir dir;
    for (const TPictureCase& c : Pictures()) {
        const std::string path = dir.Path(std::string(c.Name) + ".bild");
        ASSERT_TRUE(c.Write(path)) << c.Name;
        TRecordingWaiter waiter;
        TImageBitmaps bitmaps;
        ASSERT_TRUE(LoadImage(path, bitmaps, waiter)) << c.Name;
        EXPECT_EQ(bitmaps.SourceBitmap.size(), c.Size) << c.Name;
        EXPECT_EQ(waiter.Runs, 1) << c.Name << ": the decode is handed to the waiter";
        EXPECT_EQ(waiter.Progress.Permille(), 1000) << c.Name;
    }
}

TEST(DecodeProgress, ACutOffFileReportsPartOfItAndKeepsThePreviousImage) {
    TScratchDir dir;
    const std::string previous = dir.Path("vorher.png");
    ASSERT_TRUE(Png(previous, false));
    for (const TPictureCase& c : Pictures()) {
        if (!c.CutOffFails) {
            continue;
        }
        const std::string path = dir.Path(std::string(c.Name) + ".bild");
        ASSERT_TRUE(c.Write(path)) << c.Name;
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.resize(file.size() * 2 / 3)) << c.Name;
        TImageBitmaps bitmaps;
        ASSERT_TRUE(LoadImage(previous, bitmaps));
        const qint64 before = bitmaps.SourceBitmap.cacheKey();
        TRecordingWaiter waiter;
        EXPECT_FALSE(LoadImage(path, bitmaps, waiter)) << c.Name;
        EXPECT_EQ(bitmaps.SourceBitmap.cacheKey(), before) << c.Name;
        EXPECT_EQ(waiter.Runs, 1) << c.Name;
        EXPECT_GT(waiter.Progress.Permille(), 0) << c.Name << ": the first rows were decoded";
        EXPECT_LT(waiter.Progress.Permille(), 1000) << c.Name;
    }
}

} // namespace
} // namespace kvx::test
