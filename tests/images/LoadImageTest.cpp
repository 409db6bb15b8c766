// LoadImage: the file's first bytes pick the decoder, and a failed load keeps the previous image.

#include "ImageFixtures.h"
#include "images/ImageLoading.h"
#include "platform/FilePaths.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kvx::test {
namespace {

enum class TContent { Gif, Jpeg, Png };

class LoadImageTest : public ::testing::Test {
protected:
    // Writes an image of the given kind under name (folders are made as needed).
    std::string Make(const std::string& name, TContent content) {
        const std::string path = FDir.Path(name);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(QString::fromStdString(path)).path()));
        switch (content) {
        case TContent::Gif:
            EXPECT_TRUE(WriteGif(path, {3,
                                        2,
                                        {0xFFFF0000, 0xFF00FF00},
                                        0,
                                        {{0, 0, 3, 2, false, {}, -1, {0, 1, 0, 1, 0, 1}}}}));
            break;
        case TContent::Jpeg: {
            TJpegPicture picture;
            picture.Width = 16;
            picture.Height = 8;
            picture.Samples.assign(std::size_t{16} * 8 * 3, 100);
            EXPECT_TRUE(WriteJpeg(path, picture));
            break;
        }
        case TContent::Png: {
            TPngPicture picture;
            picture.Width = 2;
            picture.Height = 1;
            picture.Rows = {{1, 2, 3, 4, 5, 6}};
            EXPECT_TRUE(WritePng(path, picture));
            break;
        }
        }
        return path;
    }

    TScratchDir FDir;
    TImageBitmaps FDocument;
};

TEST_F(LoadImageTest, TheFilesFirstBytesChooseTheDecoderWhateverItsName) {
    const std::vector<std::tuple<std::string, TContent, QSize>> loading{
        {"karte.GIF", TContent::Gif, {3, 2}},  {"foto.jpg", TContent::Jpeg, {16, 8}},
        {"BILD.JPG", TContent::Jpeg, {16, 8}}, {"Ärger.Png", TContent::Png, {2, 1}},
        {"bild.jpg", TContent::Png, {2, 1}},   {"karte.jpeg", TContent::Gif, {3, 2}},
        {"foto.png", TContent::Jpeg, {16, 8}}, {"plan.bmp", TContent::Png, {2, 1}},
        {"plan", TContent::Gif, {3, 2}},       {"foto.jpg.bak", TContent::Jpeg, {16, 8}},
    };
    for (const auto& [name, content, size] : loading) {
        TImageBitmaps document;
        EXPECT_TRUE(LoadImage(Make(name, content), document)) << name;
        EXPECT_EQ(document.SourceBitmap.size(), size) << name;
    }
}

TEST_F(LoadImageTest, OtherContentAndFilesThatAreNotRegularAreRefusedAtOnce) {
    const std::string bmp = FDir.Path("plan.bmp");
    WriteBytes(bmp, QByteArray("BM\x3A\0\0\0\0\0\0\0\x36\0\0\0", 14));
    const std::string text = FDir.Path("bild.gif");
    WriteBytes(text, "GIF8 ist kein Bild");
    const std::string empty = FDir.Path("leer.png");
    WriteBytes(empty, QByteArray());
    // A pipe would block a reader for ever, /dev/zero never ends: both must fail at once.
    const std::string fifo = FDir.Path("pipe.gif");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string zero = FDir.Path("null.jpg");
    ASSERT_TRUE(QFile::link("/dev/zero", QString::fromStdString(zero)));
    const std::string folder = Make("ordner.png/plan.png", TContent::Png);
    for (const std::string& path :
         {bmp, text, empty, fifo, zero, FolderPart(folder), FDir.Path("fehlt.png")}) {
        TImageBitmaps document;
        EXPECT_FALSE(LoadImage(path, document)) << path;
        EXPECT_FALSE(document.HasImage()) << path;
    }
}

TEST_F(LoadImageTest, SuccessGivesTheImageAsAnRgb32Bitmap) {
    ASSERT_TRUE(LoadImage(Make("karte.gif", TContent::Gif), FDocument));
    EXPECT_EQ(FDocument.SourceBitmap.format(), QImage::Format_RGB32);
    const std::vector<QRgb> image = Pixels(FDocument.SourceBitmap);
    EXPECT_EQ(image, (std::vector<QRgb>{0xFFFF0000, 0xFF00FF00, 0xFFFF0000, 0xFF00FF00, 0xFFFF0000,
                                        0xFF00FF00}));

    ASSERT_TRUE(LoadImage(Make("foto.jpg", TContent::Jpeg), FDocument));
    EXPECT_EQ(FDocument.SourceBitmap.size(), QSize(16, 8));
}

TEST_F(LoadImageTest, FailedLoadKeepsThePreviousImage) {
    ASSERT_TRUE(LoadImage(Make("karte.gif", TContent::Gif), FDocument));
    const std::vector<QRgb> previous = Pixels(FDocument.SourceBitmap);

    const std::string cutGif = Make("kaputt.gif", TContent::Gif);
    WriteBytes(cutGif, ReadBytes(cutGif).chopped(4));
    const std::string cutPng = Make("kaputt.png", TContent::Png);
    WriteBytes(cutPng, ReadBytes(cutPng).left(45));
    const std::string cutJpeg = Make("kaputt.jpg", TContent::Jpeg);
    WriteBytes(cutJpeg, ReadBytes(cutJpeg).left(30));
    const std::vector<std::string> failing{cutGif, cutPng, cutJpeg, FDir.Path("fehlt.png")};
    for (const std::string& path : failing) {
        EXPECT_FALSE(LoadImage(path, FDocument)) << path;
        EXPECT_EQ(FDocument.SourceBitmap.size(), QSize(3, 2)) << path;
        EXPECT_EQ(Pixels(FDocument.SourceBitmap), previous) << path;
    }
}

TEST_F(LoadImageTest, RelativePathIsTakenFromTheCurrentFolder) {
    Make("bilder/karte.gif", TContent::Gif);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(FDir.Path(""))));
    const bool loaded = LoadImage("bilder/karte.gif", FDocument);
    QDir::setCurrent(previous);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(FDocument.SourceBitmap.size(), QSize(3, 2));
}

TEST_F(LoadImageTest, ProjectFixtureLoads) {
    // A 4 x 3 screen with a 3 x 2 frame at (1, 1) on white.
    ASSERT_TRUE(LoadImage(KVX_TEST_DATA_DIR "/images/rahmen.gif", FDocument));
    constexpr QRgb W = 0xFFFFFFFF;
    EXPECT_EQ(Pixels(FDocument.SourceBitmap),
              (std::vector<QRgb>{W, W, W, W, W, 0xFFFF0000, 0xFF008000, 0xFF0000FF, W, 0xFF0000FF,
                                 0xFF008000, 0xFFFF0000}));
}

} // namespace
} // namespace kvx::test
