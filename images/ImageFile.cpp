#include "images/ImageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvx {

TImageFile::TImageFile(const std::string& path) {
    // Non-blocking open so that a FIFO cannot stall us before the type check.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return;
    }
    struct stat status {};
    const bool regular = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    const int flags = regular ? ::fcntl(descriptor, F_GETFL) : -1;
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        ::close(descriptor);
        return;
    }
    FHandle = ::fdopen(descriptor, "rb");
    if (FHandle == nullptr) {
        ::close(descriptor);
    }
}

TImageFile::~TImageFile() {
    if (FHandle != nullptr) {
        std::fclose(FHandle);
    }
}

} // namespace kvx
