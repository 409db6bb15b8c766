// GIF decoding with giflib: the first frame composed on the logical screen.

#include "images/ImageBitmap.h"
#include "images/ImageFormat.h"

#include <gif_lib.h>

#include <QColor>
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace kvx {
namespace {

constexpr QRgb Black = 0xFF000000u;

struct TGifCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using TGifHandle = std::unique_ptr<GifFileType, TGifCloser>;

int ReadFromFile(GifFileType* gif, GifByteType* buffer, int length) {
    auto* file = static_cast<std::FILE*>(gif->UserData);
    return static_cast<int>(std::fread(buffer, 1, static_cast<std::size_t>(length), file));
}

// Every possible pixel byte gets a colour; indexes past the map's end show black rather
// than reading beyond it.
std::array<QRgb, 256> ColourTable(const ColorMapObject* map) {
    std::array<QRgb, 256> table;
    table.fill(Black);
    if (map != nullptr && map->Colors != nullptr) {
        const int count = std::clamp(map->ColorCount, 0, 256);
        for (int i = 0; i < count; ++i) {
            const GifColorType& colour = map->Colors[i];
            table[static_cast<std::size_t>(i)] = qRgb(colour.Red, colour.Green, colour.Blue);
        }
    }
    return table;
}

QRgb BackgroundColour(const GifFileType& gif) {
    const ColorMapObject* map = gif.SColorMap;
    if (map == nullptr || map->Colors == nullptr || gif.SBackGroundColor < 0 ||
        gif.SBackGroundColor >= map->ColorCount) {
        return Black;
    }
    const GifColorType& colour = map->Colors[gif.SBackGroundColor];
    return qRgb(colour.Red, colour.Green, colour.Blue);
}

bool SkipExtension(GifFileType* gif) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
        return false;
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

// Reads records up to the first image descriptor; false when the file ends or breaks first.
bool SeekFirstFrame(GifFileType* gif) {
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) {
            return false;
        }
        if (type == IMAGE_DESC_RECORD_TYPE) {
            return DGifGetImageDesc(gif) != GIF_ERROR;
        }
        if (type != EXTENSION_RECORD_TYPE || !SkipExtension(gif)) {
            return false;
        }
    }
}

// The frame's rows as they come from the file, written into the screen bitmap.
class TFrameWriter {
public:
    TFrameWriter(GifFileType* gif, QImage& screen, TLoadProgress* progress)
        : FGif(gif), FScreen(screen), FProgress(progress), FFrame(gif->Image),
          FColours(ColourTable(FFrame.ColorMap != nullptr ? FFrame.ColorMap : gif->SColorMap)) {
        // Only the part of the frame inside the screen is drawn.
        const std::int64_t screenWidth = screen.width();
        const std::int64_t screenHeight = screen.height();
        FVisibleColumns =
            static_cast<int>(std::clamp<std::int64_t>(screenWidth - FFrame.Left, 0, FFrame.Width));
        FRowsLeft =
            static_cast<int>(std::clamp<std::int64_t>(screenHeight - FFrame.Top, 0, FFrame.Height));
        FRows = FRowsLeft;
    }

    bool Run() {
        if (FVisibleColumns == 0 || FRowsLeft == 0) {
            return true;
        }
        FLine.resize(static_cast<std::size_t>(FFrame.Width));
        if (!FFrame.Interlace) {
            return ReadRows(0, 1) != TRowResult::Failed;
        }
        // Interlaced rows arrive in four passes: every 8th from 0, every 8th from 4,
        // every 4th from 2, every 2nd from 1.
        constexpr std::array<std::pair<int, int>, 4> passes{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
        for (const auto& [first, step] : passes) {
            const TRowResult result = ReadRows(first, step);
            if (result != TRowResult::More) {
                return result == TRowResult::Done;
            }
        }
        return true;
    }

private:
    enum class TRowResult { More, Done, Failed };

    // Decodes the rows first, first + step, ... of the frame; stops as soon as every row that
    // shows on the screen is written, so rows beyond its bottom are never decoded.
    TRowResult ReadRows(int first, int step) {
        for (int row = first; row < FFrame.Height; row += step) {
            if (DGifGetLine(FGif, FLine.data(), FFrame.Width) == GIF_ERROR) {
                return TRowResult::Failed;
            }
            const int y = FFrame.Top + row;
            if (y >= FScreen.height()) {
                continue;
            }
            // Locals, so that the stores (unsigned int) cannot be taken to change the count.
            auto* target = reinterpret_cast<QRgb*>(FScreen.scanLine(y)) + FFrame.Left;
            const GifPixelType* indexes = FLine.data();
            const QRgb* colours = FColours.data();
            const int columns = FVisibleColumns;
            for (int x = 0; x < columns; ++x) {
                target[x] = colours[indexes[x]];
            }
            --FRowsLeft;
            if (FProgress != nullptr) {
                FProgress->Report(FRows - FRowsLeft, FRows);
            }
            if (FRowsLeft == 0) {
                return TRowResult::Done;
            }
        }
        return TRowResult::More;
    }

    GifFileType* FGif;
    QImage& FScreen;
    TLoadProgress* FProgress;
    const GifImageDesc FFrame;
    const std::array<QRgb, 256> FColours;
    std::vector<GifPixelType> FLine;
    int FVisibleColumns = 0;
    int FRowsLeft = 0;
    int FRows = 0; // the rows that show, FRowsLeft at the start
};

std::optional<QImage> DecodeFirstFrame(GifFileType* gif, TLoadProgress* progress) {
    if (!SeekFirstFrame(gif)) {
        return std::nullopt;
    }
    const GifImageDesc& frame = gif->Image;
    if (frame.Left < 0 || frame.Top < 0 || frame.Width < 0 || frame.Height < 0) {
        return std::nullopt;
    }
    // A screen without size would show nothing; such files are meant to be as large as
    // their frame, which is how browsers treat them.
    const std::int64_t width =
        gif->SWidth > 0 ? gif->SWidth : std::int64_t{frame.Left} + frame.Width;
    const std::int64_t height =
        gif->SHeight > 0 ? gif->SHeight : std::int64_t{frame.Top} + frame.Height;
    QImage screen = NewRgb32Bitmap(width, height, TBitmapUse::FilledNow);
    if (screen.isNull()) {
        return std::nullopt;
    }
    // A frame that covers the whole screen writes every pixel; clearing first would only
    // double the memory traffic of a large image.
    const bool covered =
        frame.Left == 0 && frame.Top == 0 && frame.Width >= width && frame.Height >= height;
    if (!covered) {
        screen.fill(BackgroundColour(*gif));
    }
    if (!TFrameWriter(gif, screen, progress).Run()) {
        return std::nullopt;
    }
    return screen;
}

} // namespace

std::optional<QImage> DecodeGifStream(std::FILE* file, TLoadProgress* progress) {
    try {
        int error = 0;
        const TGifHandle gif(DGifOpen(file, ReadFromFile, &error));
        if (!gif) {
            return std::nullopt;
        }
        return DecodeFirstFrame(gif.get(), progress);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace kvx
