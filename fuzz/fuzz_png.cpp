// The PNG decoder on arbitrary file contents: an image or a clean failure.
#include "fuzz/FuzzFiles.h"
#include "images/ImageBitmap.h"

// A few kilobytes can describe a picture of a hundred million pixels; decoding that takes
// seconds however well the decoder behaves. Memory safety is the same at any size.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kvx::SetImagePixelLimit(std::int64_t{1} << 22);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kvx::FuzzLoadImage("bild.png", data, size);
    return 0;
}
