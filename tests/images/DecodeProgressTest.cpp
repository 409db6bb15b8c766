// The decoders report how far they have come, so the window's bar shows a real share, and
// LoadImage hands the decode to the waiter it is given.
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

// Values that hardly compress, so that a file cut short still holds its first rows.
std::vector<std::uint8_t> Noise(std::size_t count, unsigned modulo) {
    std::vector<std::uint8_t> values(count);
    std::uint32_t state = 12345;
    for (std::uint8_t& value : values) {
        state = state * 1103515245u + 12345u;
        value = static_cast<std::uint8_t>((state >> 16) % modulo);
    }
    return values;
}

bool Gif(const std::string& path, bool interlaced) {
    return WriteGif(path, {80,
                           60,
                           {0xFFFF0000, 0xFF0000FF, 0xFF00FF00, 0xFFFFFFFF},
                           0,
                           {{0, 0, 80, 60, interlaced, {}, -1, Noise(80 * 60, 4)}}});
}

bool Png(const std::string& path, bool interlaced) {
    TPngPicture picture{80, 60, PNG_COLOR_TYPE_RGB, 8, interlaced, {}, {}, {}, {}};
    const std::vector<std::uint8_t> noise = Noise(std::size_t{80} * 3 * 60, 256);
    for (std::size_t y = 0; y < 60; ++y) {
        picture.Rows.emplace_back(noise.begin() + y * 240, noise.begin() + (y + 1) * 240);
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

TEST(DecodeProgress, ADecodeReportsAllOfItsRowsOrAsFarAsAFileCutShortGoes) {
    const struct {
        const char* Name;
        std::function<bool(const std::string&)> Write;
        // Cut to two thirds, the file fails after some rows (libjpeg ends a short file in grey).
        bool CutOffFails;
    } cases[] = {
        {"gif", [](const std::string& p) { return Gif(p, false); }, true},
        {"gif interlaced", [](const std::string& p) { return Gif(p, true); }, true},
        {"png", [](const std::string& p) { return Png(p, false); }, true},
        {"png interlaced", [](const std::string& p) { return Png(p, true); }, true},
        {"jpeg", [](const std::string& p) { return Jpeg(p, false); }, false},
        {"jpeg progressive", [](const std::string& p) { return Jpeg(p, true); }, false},
    };
    TScratchDir dir;
    const std::string previous = dir.Path("vorher.png");
    ASSERT_TRUE(Png(previous, false));
    for (const auto& c : cases) {
        const std::string path = dir.Path(std::string(c.Name) + ".bild");
        ASSERT_TRUE(c.Write(path)) << c.Name;
        TRecordingWaiter whole;
        TImageBitmaps bitmaps;
        ASSERT_TRUE(LoadImage(path, bitmaps, whole)) << c.Name;
        EXPECT_EQ(whole.Runs, 1) << c.Name << ": the decode is handed to the waiter";
        EXPECT_EQ(whole.Progress.Permille(), 1000) << c.Name;
        if (!c.CutOffFails) {
            continue;
        }
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.resize(file.size() * 2 / 3)) << c.Name;
        ASSERT_TRUE(LoadImage(previous, bitmaps));
        const qint64 before = bitmaps.SourceBitmap.cacheKey();
        TRecordingWaiter cut;
        EXPECT_FALSE(LoadImage(path, bitmaps, cut)) << c.Name;
        EXPECT_EQ(bitmaps.SourceBitmap.cacheKey(), before) << c.Name;
        EXPECT_GT(cut.Progress.Permille(), 0) << c.Name << ": the first rows were decoded";
        EXPECT_LT(cut.Progress.Permille(), 1000) << c.Name;
    }
}

} // namespace
} // namespace kvx::test
