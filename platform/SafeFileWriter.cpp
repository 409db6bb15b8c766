#include "platform/SafeFileWriter.h"

#include "platform/FileError.h"

#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvx {

namespace {

// QSaveFile reports failures as its own error kinds; the system's reason is still in errno
// right after the failing call. A failure Qt detects by itself leaves errno untouched.
[[noreturn]] void ThrowSaveFileError(const QSaveFile& file, int code) {
    if (code != 0) {
        ThrowSystemError(code);
    }
    throw TFileError(file.errorString().toStdString(), EIO);
}

// The file a path leads to once every link is followed; empty when it does not exist.
std::string ResolvedPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

std::string FolderOf(const std::string& resolvedFile) {
    const std::size_t slash = resolvedFile.rfind('/');
    return slash == 0 ? std::string("/") : resolvedFile.substr(0, slash);
}

// The one case in which a save may not go through a temporary file: the folder takes no new
// file, yet the file itself may be written.
bool MustWriteInPlace(const std::string& resolvedFile) {
    return !resolvedFile.empty() && ::access(FolderOf(resolvedFile).c_str(), W_OK | X_OK) != 0 &&
           ::access(resolvedFile.c_str(), W_OK) == 0;
}

class TDescriptor {
public:
    explicit TDescriptor(int descriptor) : FDescriptor(descriptor) {}
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    ~TDescriptor() {
        if (FDescriptor >= 0) {
            ::close(FDescriptor);
        }
    }
    int Get() const { return FDescriptor; }
    // Closes now, so that its failure is seen.
    int Close() {
        const int result = ::close(FDescriptor);
        FDescriptor = -1;
        return result;
    }

private:
    int FDescriptor;
};

void WriteInPlace(const std::string& resolvedFile, const QByteArray& bytes) {
    TDescriptor file(::open(resolvedFile.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Get() < 0) {
        ThrowSystemError(errno);
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        ThrowSystemError(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        throw TFileError::Refusal("Keine gewöhnliche Datei; sie wird nicht ersetzt");
    }
    const off_t size = static_cast<off_t>(bytes.size());
    if (size > 0) {
        // Reserved before the first byte is overwritten: a full disk or quota then refuses the
        // save while the old content is still whole.
        const int reserved = ::posix_fallocate(file.Get(), 0, size);
        if (reserved != 0) {
            // A reservation that failed half-way may have made the file longer.
            if (::ftruncate(file.Get(), info.st_size) != 0) {
                // The content is unchanged either way; the reservation's reason is what counts.
            }
            ThrowSystemError(reserved);
        }
    }
    WriteAllToDescriptor(file.Get(), std::string_view(bytes.constData(), bytes.size()));
    if (::ftruncate(file.Get(), size) != 0 || ::fsync(file.Get()) != 0 || file.Close() != 0) {
        ThrowSystemError(errno);
    }
}

} // namespace

void WriteFileSafely(const std::string& path, const QByteArray& bytes) {
    // QSaveFile refuses an empty name and a folder by itself, without a system error; name
    // both as the system would.
    if (path.empty()) {
        ThrowSystemError(ENOENT);
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            ThrowSystemError(EISDIR);
        }
        // Renaming a new file over a pipe or a device would replace it with a plain file.
        if (!S_ISREG(info.st_mode)) {
            throw TFileError::Refusal("Keine gewöhnliche Datei; sie wird nicht ersetzt");
        }
    } else if (errno != ENOENT) {
        ThrowSystemError(errno);
    }
    QSaveFile file(QString::fromStdString(path));
    errno = 0;
    // Unbuffered, so that every failure (disk full, file size limit) shows in write() below:
    // Qt 6.4's commit() misses a failed flush of a write buffer and would put the cut-off
    // file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int code = errno;
        const std::string resolved = ResolvedPath(path);
        if (MustWriteInPlace(resolved)) {
            WriteInPlace(resolved, bytes);
            return;
        }
        ThrowSaveFileError(file, code);
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        ThrowSaveFileError(file, errno); // the unfinished temporary file is removed with file
    }
    errno = 0;
    if (!file.commit()) {
        ThrowSaveFileError(file, errno);
    }
}

void WriteAllToDescriptor(int descriptor, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const std::size_t chunk = std::min<std::size_t>(bytes.size() - written, SSIZE_MAX);
        const ssize_t count = ::write(descriptor, bytes.data() + written, chunk);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A descriptor someone else made non-blocking: wait until it takes more.
            pollfd ready{descriptor, POLLOUT, 0};
            if (::poll(&ready, 1, -1) >= 0 || errno == EINTR) {
                continue;
            }
        }
        ThrowSystemError(count < 0 ? errno : EIO);
    }
}

} // namespace kvx
