#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kvx {

namespace {

QString RuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return runtime;
    }
    return QDir::tempPath();
}

} // namespace

TInstanceLock::TInstanceLock(const QString& name) : FPath(QDir(RuntimeFolder()).filePath(name)) {
    const QByteArray path = QFile::encodeName(FPath);
    FDescriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (FDescriptor < 0) {
        return; // only a marker: the program runs without it
    }
    // Shared and non-blocking: instances never wait for each other.
    if (::flock(FDescriptor, LOCK_SH | LOCK_NB) != 0) {
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
