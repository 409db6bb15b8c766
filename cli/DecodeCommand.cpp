#include "cli/DecodeCommand.h"

#include "images/ImageLoading.h"
#include "platform/FileError.h"
#include "platform/FilePaths.h"
#include "platform/SafeFileWriter.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <iostream>

namespace kvx {

std::optional<QByteArray> PpmBytes(const QImage& bitmap) {
    const QImage rgb = bitmap.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        return std::nullopt;
    }
    QByteArray bytes = "P6\n" + QByteArray::number(rgb.width()) + ' ' +
                       QByteArray::number(rgb.height()) + "\n255\n";
    // Rows of RGB888 may be padded to 4 bytes; PPM rows are not.
    const qsizetype rowBytes = qsizetype{rgb.width()} * 3;
    bytes.reserve(bytes.size() + rowBytes * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        bytes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rowBytes);
    }
    return bytes;
}

int RunDecodeCommand(const TCommandArguments& arguments) {
    QCommandLineParser parser;
    if (!ParseCommandLine(parser, arguments, 2)) {
        return UsageError("decode", DecodeArguments);
    }
    const std::string imageFile = ArgumentPath(parser.positionalArguments()[0]);
    const std::string outputFile = ArgumentPath(parser.positionalArguments()[1]);
    const auto cannotWrite = [&](const std::string& reason) {
        std::cerr << "kvxtool: Die Datei \"" << outputFile
                  << "\" konnte nicht geschrieben werden: " << reason << '\n';
        return ExitFailure;
    };
    if (IsSameFile(imageFile, outputFile)) {
        return cannotWrite("Sie ist das Bild, das gelesen wird.");
    }
    TImageBitmaps bitmaps;
    if (!LoadImage(imageFile, bitmaps)) {
        std::cerr << UnknownImageFormatMessage << '\n';
        return ExitFailure;
    }
    const std::optional<QByteArray> ppm = PpmBytes(bitmaps.SourceBitmap);
    if (!ppm) {
        return cannotWrite("Nicht genug Speicher");
    }
    try {
        // The checked safe writer: a full disk or a cut-off write leaves the old file.
        WriteFileSafely(outputFile, *ppm);
    } catch (const TFileError& error) {
        return cannotWrite(error.Detail());
    }
    return ExitSuccess;
}

} // namespace kvx
