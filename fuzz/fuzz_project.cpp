// Project files: the header test and both loaders on arbitrary file contents.
#include "fuzz/FuzzFiles.h"
#include "fuzz/FuzzReaderHost.h"
#include "html/ProjectFile.h"
#include "platform/FileError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = kvx::WriteFuzzFile("karte.kvx", data, size);
    // The chooser answers with the fuzz image, so the loaders get as far as the areas.
    kvx::TFuzzReaderHost host(kvx::FuzzImage());
    try {
        kvx::OpenProjectFile(path, host);
    } catch (const kvx::TFileError&) {
    }
    return 0;
}
