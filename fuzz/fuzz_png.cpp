// The PNG decoder on arbitrary file contents: an image or a clean failure.
#include "fuzz/FuzzFiles.h"
#include "html/ImageBitmap.h"
#include "html/ImageLoading.h"
#include "html/MapDocument.h"

#include <cstdlib>

// A few kilobytes can describe a picture of a hundred million pixels; decoding that takes
// seconds however well the decoder behaves. Memory safety is the same at any size.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kvx::SetImagePixelLimit(std::int64_t{1} << 22);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = kvx::WriteFuzzFile("bild.png", data, size);
    kvx::TMapDocument document;
    if (kvx::LoadImage(path, document)) {
        if (document.SourceBitmap.size() != document.WorkBitmap.size() ||
            document.SourceBitmap.format() != QImage::Format_RGB32) {
            std::abort();
        }
    } else if (document.HasImage()) {
        std::abort(); // a failed first load leaves no image
    }
    return 0;
}
