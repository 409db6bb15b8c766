#include "images/ImageFile.h"

#include "platform/FileError.h"
#include "platform/InputFile.h"

#include <unistd.h>

namespace kvx {

TImageFile::TImageFile(const std::string& path) {
    try {
        TInputFile file(path);
        FHandle = ::fdopen(file.Descriptor(), "rb");
        if (FHandle != nullptr) {
            file.Release(); // closed with the FILE* from now on
        }
    } catch (const TFileError&) {
        // Not open: the decoders report the failure as theirs.
    }
}

TImageFile::~TImageFile() {
    if (FHandle != nullptr) {
        std::fclose(FHandle);
    }
}

} // namespace kvx
