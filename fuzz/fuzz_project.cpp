// Project files: the header test and both loaders on arbitrary file contents.
#include "formats/ProjectFile.h"
#include "fuzz/FuzzFiles.h"
#include "fuzz/FuzzReaderHost.h"
#include "images/ImageFiles.h"
#include "platform/FileError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = kvx::WriteFuzzFile("karte.kvx", data, size);
    // The chooser answers with the fuzz image, so the loaders get as far as the areas.
    kvx::TFuzzReaderHost host(kvx::FuzzImage());
    try {
        kvx::CheckReadMap(kvx::OpenProjectFile(path, host, kvx::TImageFiles()));
    } catch (const kvx::TFileError&) {
    }
    return 0;
}
