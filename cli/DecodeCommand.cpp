#include "cli/DecodeCommand.h"

#include "images/ImageLoading.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QFile>
#include <QSaveFile>
#include <iostream>

namespace kvx {

bool WritePpm(const QImage& bitmap, const std::string& path, std::string& error) {
    const QImage rgb = bitmap.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        error = "Nicht genug Speicher";
        return false;
    }
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    const QByteArray header = "P6\n" + QByteArray::number(rgb.width()) + ' ' +
                              QByteArray::number(rgb.height()) + "\n255\n";
    bool written = file.write(header) == header.size();
    // Rows of RGB888 may be padded to 4 bytes; PPM rows are not.
    const qint64 rowBytes = qint64{rgb.width()} * 3;
    for (int y = 0; written && y < rgb.height(); ++y) {
        written =
            file.write(reinterpret_cast<const char*>(rgb.constScanLine(y)), rowBytes) == rowBytes;
    }
    if (!written || !file.commit()) {
        error = file.errorString().toStdString();
        return false;
    }
    return true;
}

int RunDecodeCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    if (!ParseCommandLine(parser, arguments, 2)) {
        return UsageError("decode", DecodeArguments);
    }
    const std::string imageFile = ArgumentPath(parser.positionalArguments()[0]);
    const std::string outputFile = ArgumentPath(parser.positionalArguments()[1]);
    TImageBitmaps bitmaps;
    if (!LoadImage(imageFile, bitmaps)) {
        std::cerr << UnknownImageFormatMessage << '\n';
        return ExitFailure;
    }
    std::string error;
    if (!WritePpm(bitmaps.SourceBitmap, outputFile, error)) {
        std::cerr << "kvxtool: Die Datei \"" << outputFile
                  << "\" konnte nicht geschrieben werden: " << error << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace kvx
