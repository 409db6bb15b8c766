#include "ReaderFixtures.h"

#include <QFile>
#include <QImage>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace kvx::test {

namespace {

struct TGifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct TColorMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

void WriteGif(const std::string& path, int width, int height) {
    int error = 0;
    std::unique_ptr<GifFileType, TGifCloser> gif(EGifOpenFileName(path.c_str(), false, &error));
    ASSERT_NE(gif, nullptr) << "cannot create " << path;
    const GifColorType colors[2] = {{0, 0, 0}, {255, 200, 0}};
    std::unique_ptr<ColorMapObject, TColorMapDeleter> colorMap(GifMakeMapObject(2, colors));
    ASSERT_EQ(EGifPutScreenDesc(gif.get(), width, height, 1, 0, colorMap.get()), GIF_OK);
    ASSERT_EQ(EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr), GIF_OK);
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            row[static_cast<std::size_t>(x)] = static_cast<GifPixelType>((x + y) % 2);
        }
        ASSERT_EQ(EGifPutLine(gif.get(), row.data(), width), GIF_OK);
    }
}

} // namespace

void WriteTestImage(const std::string& path, int width, int height) {
    const QString name = QString::fromStdString(path);
    if (name.endsWith(".gif", Qt::CaseInsensitive)) {
        WriteGif(path, width, height);
        return;
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(name, "PNG")) << "cannot create " << path;
}

std::string TReaderTest::PathOf(const std::string& name) const {
    return Folder() + name;
}

std::string TReaderTest::Folder() const {
    return FDir.path().toStdString() + "/";
}

} // namespace kvx::test
