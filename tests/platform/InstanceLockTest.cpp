// The instance marker lives in a shared temporary folder when there is no runtime folder:
// it must never be made through a link someone planted there, nor in someone else's folder.
#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace kvx {
namespace {

mode_t ModeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST(InstanceLock, MadePrivatelyAndNeverThroughALink) {
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    QTemporaryDir dir;
    const QString elsewhere = dir.filePath("anderswo");
    const QString lock = QStringLiteral("/KorvaneInstanceMutex");
    const QString own = QStringLiteral("/korvane2-%1").arg(::geteuid());
    for (const char* folder : {"anderswo", "run", "run5", "t1", "t2", "t3", "t4", "t5", "t6"}) {
        ASSERT_TRUE(QDir().mkpath(dir.filePath(folder)));
    }
    QFile::link(elsewhere, dir.filePath("t4") + own);
    QFile::link(elsewhere + lock, dir.filePath("run5") + lock);
    const bool root = ::geteuid() == 0;
    if (root) {
        QDir().mkpath(dir.filePath("t6") + own);
        ::chown(QFile::encodeName(dir.filePath("t6") + own).constData(), 65534, 65534);
    }
    // Runtime folder (empty: unset), temporary folder, the lock file expected ("" for none).
    const std::vector<std::tuple<QString, QString, QString>> cases{
        {dir.filePath("run"), dir.filePath("t1"), dir.filePath("run") + lock},
        {QString(), dir.filePath("t2"), dir.filePath("t2") + own + lock},
        {dir.filePath("fehlt"), dir.filePath("t3"), dir.filePath("t3") + own + lock},
        {QString(), dir.filePath("t4"), QString()},               // the private folder is a link
        {dir.filePath("run5"), dir.filePath("t5"), QString()},    // the lock file is a link
        {QString(), dir.filePath(root ? "t6" : "t4"), QString()}, // someone else's folder
    };
    for (const auto& [runtime, temp, expected] : cases) {
        runtime.isEmpty() ? qunsetenv("XDG_RUNTIME_DIR")
                          : qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        qputenv("TMPDIR", QFile::encodeName(temp));
        const TInstanceLock instance(QStringLiteral("KorvaneInstanceMutex"));
        EXPECT_EQ(instance.IsHeld(), !expected.isEmpty()) << temp.toStdString();
        if (instance.IsHeld()) {
            EXPECT_EQ(instance.Path(), expected);
            EXPECT_EQ(ModeOf(expected), 0600u);
            if (expected.contains(own)) {
                EXPECT_EQ(ModeOf(QFileInfo(expected).path()), 0700u);
            }
        }
        EXPECT_TRUE(QDir(elsewhere).isEmpty()) << temp.toStdString();
    }
    oldRuntime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", oldRuntime);
    oldTemp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", oldTemp);
}

} // namespace
} // namespace kvx
