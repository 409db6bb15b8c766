#include "fuzz/FuzzFiles.h"

#include "images/ImageLoading.h"

#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace kvx {

const std::string& FuzzFolder() {
    static const auto folder = std::make_unique<QTemporaryDir>();
    static const std::string path = folder->path().toStdString() + "/";
    return path;
}

std::string WriteFuzzFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzFolder() + name;
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size > 0) {
            std::fwrite(data, 1, size, file);
        }
        std::fclose(file);
    }
    return path;
}

const std::string& FuzzImage() {
    static const std::string path = [] {
        const std::string p = FuzzFolder() + "bild.png";
        // The tiny PNG is written once with raw bytes so no image plug-in is involved.
        static const unsigned char png[] = {
            0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
            0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00,
            0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00, 0x0C, 0x49, 0x44, 0x41, 0x54, 0x78,
            0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x00, 0x03, 0x01, 0x01, 0x00, 0xC9, 0xFE, 0x92,
            0xEF, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
        WriteFuzzFile("bild.png", png, sizeof png);
        return p;
    }();
    return path;
}

void FuzzLoadImage(const std::string& fileName, const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteFuzzFile(fileName, data, size);
    TImageBitmaps document;
    if (LoadImage(path, document)) {
        if (document.SourceBitmap.isNull() ||
            document.SourceBitmap.format() != QImage::Format_RGB32) {
            std::abort();
        }
    } else if (document.HasImage()) {
        std::abort(); // a failed first load leaves no image
    }
}

} // namespace kvx
