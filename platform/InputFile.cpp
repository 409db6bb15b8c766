#include "platform/InputFile.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvx {

namespace {

// What a path that is no regular file names instead, in the words of the refusal.
const char* KindOf(mode_t mode) {
    if (S_ISFIFO(mode)) {
        return "eine Pipe (FIFO)";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "ein Gerät";
    }
    if (S_ISSOCK(mode)) {
        return "ein Socket";
    }
    return "keine Datei";
}

} // namespace

TInputFile::TInputFile(const std::string& path) {
    if (path.empty()) {
        ThrowSystemError(ENOENT);
    }
    FDescriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (FDescriptor < 0) {
        ThrowSystemError(errno);
    }
    struct stat info {};
    int code = ::fstat(FDescriptor, &info) == 0 ? 0 : errno;
    if (code == 0 && S_ISDIR(info.st_mode)) {
        code = EISDIR;
    }
    if (code == 0 && !S_ISREG(info.st_mode)) {
        ::close(FDescriptor);
        FDescriptor = -1;
        throw TFileError::Refusal(std::string("Keine gewöhnliche Datei, sondern ") +
                                  KindOf(info.st_mode));
    }
    // Reads of a regular file never wait anyway; the flag goes so that stdio sees a plain file.
    const int flags = code == 0 ? ::fcntl(FDescriptor, F_GETFL) : -1;
    if (code == 0 && (flags < 0 || ::fcntl(FDescriptor, F_SETFL, flags & ~O_NONBLOCK) < 0)) {
        code = errno;
    }
    if (code != 0) {
        ::close(FDescriptor);
        FDescriptor = -1;
        ThrowSystemError(code);
    }
    FSize = info.st_size;
}

TInputFile::~TInputFile() {
    if (FDescriptor >= 0) {
        ::close(FDescriptor);
    }
}

int TInputFile::Release() {
    const int descriptor = FDescriptor;
    FDescriptor = -1;
    return descriptor;
}

std::string TextFileTooLargeMessage(std::int64_t bytes) {
    // One decimal with a German comma: "600,5 MiB".
    constexpr std::int64_t mebibyte = std::int64_t{1} << 20;
    std::int64_t whole = bytes / mebibyte;
    std::int64_t tenth = (bytes % mebibyte * 10 + mebibyte / 2) / mebibyte;
    if (tenth == 10) {
        ++whole;
        tenth = 0;
    }
    char size[48];
    std::snprintf(size, sizeof size, "%lld,%lld MiB", static_cast<long long>(whole),
                  static_cast<long long>(tenth));
    return std::string("Die Datei ist ") + size + " groß; gelesen werden Dateien bis 512 MiB";
}

} // namespace kvx
