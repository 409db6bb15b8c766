#include "images/ImageLoading.h"

#include "images/ImageBitmap.h"

#include "model/TextConversion.h"
#include "platform/FilePaths.h"

namespace kvx {
namespace {

using TDecoder = std::optional<QImage> (*)(const std::string&);

// The extension alone picks the decoder, whatever the file holds; nullptr for any other.
TDecoder DecoderFor(const std::string& imageFile) {
    const std::string extension = LowerAscii(ExtensionOf(imageFile));
    if (extension == ".gif") {
        return DecodeGif;
    }
    if (extension == ".jpg" || extension == ".jpeg") {
        return DecodeJpeg;
    }
    if (extension == ".png") {
        return DecodePng;
    }
    return nullptr;
}

} // namespace

bool LoadImage(const std::string& imageFile, TImageBitmaps& bitmaps) {
    // The clean previous picture stays in WorkBitmap whatever happens below (sharing the
    // pixels is a copy: the next render detaches it).
    bitmaps.WorkBitmap = bitmaps.SourceBitmap;
    try {
        const TDecoder decode = DecoderFor(imageFile);
        if (decode == nullptr) {
            return false;
        }
        std::optional<QImage> decoded = decode(imageFile);
        if (!decoded || decoded->isNull()) {
            return false;
        }
        // The work bitmap is allocated here, where a lack of memory still keeps the old image.
        // Its pixels are left as they are: every render copies the whole image over them.
        QImage work = NewRgb32Bitmap(decoded->width(), decoded->height());
        if (work.isNull()) {
            return false;
        }
        bitmaps.SourceBitmap = std::move(*decoded);
        bitmaps.WorkBitmap = std::move(work);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace kvx
