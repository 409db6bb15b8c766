#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvx {

namespace {

// A folder opened without following a link at its last component; -1 when it is not the
// user's own folder. A private folder is made 0700 too, so that nobody else may enter it.
int OpenOwnFolder(const QString& folder, bool privateFolder) {
    const QByteArray path = QFile::encodeName(folder);
    const int descriptor =
        ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        return -1;
    }
    struct stat info {};
    bool usable =
        ::fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
    // Our own folder may have come out narrower than 0700 under an odd umask.
    if (usable && privateFolder && (info.st_mode & 07777) != 0700) {
        usable = ::fchmod(descriptor, 0700) == 0;
    }
    if (!usable) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

// The folder for the lock file, opened; -1 when there is no safe one.
int OpenLockFolder(QString& folder) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime)) {
        const int descriptor = OpenOwnFolder(runtime, false);
        if (descriptor >= 0) {
            folder = runtime;
            return descriptor;
        }
    }
    // A shared temporary folder: a private folder of our own inside it, never one that
    // someone else made or a link to elsewhere.
    folder = QDir(QDir::tempPath()).filePath(QStringLiteral("korvane2-%1").arg(::geteuid()));
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        return -1;
    }
    return OpenOwnFolder(folder, true);
}

} // namespace

TInstanceLock::TInstanceLock(const QString& name) {
    QString folderPath;
    const int folder = OpenLockFolder(folderPath);
    if (folder < 0) {
        return; // only a marker: the program runs without it
    }
    FPath = QDir(folderPath).filePath(name);
    const QByteArray fileName = QFile::encodeName(name);
    FDescriptor = ::openat(folder, fileName.constData(),
                           O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    ::close(folder);
    if (FDescriptor < 0) {
        return;
    }
    // Shared and non-blocking: instances never wait for each other.
    struct stat info {};
    if (::fstat(FDescriptor, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::flock(FDescriptor, LOCK_SH | LOCK_NB) != 0) {
        ::close(FDescriptor);
        FDescriptor = -1;
    }
}

TInstanceLock::~TInstanceLock() {
    if (FDescriptor >= 0) {
        ::flock(FDescriptor, LOCK_UN);
        ::close(FDescriptor);
    }
}

} // namespace kvx
