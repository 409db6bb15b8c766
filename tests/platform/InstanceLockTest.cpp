// The instance marker lives in a shared temporary folder when there is no runtime folder:
// it must never be made through a link someone planted there, nor in someone else's folder.
#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace kvx {
namespace {

const QString Name = QStringLiteral("KorvaneInstanceMutex");

// Restores an environment variable when it ends.
class TEnvironment {
public:
    explicit TEnvironment(const char* name)
        : FName(name), FOld(qgetenv(name)), FHad(qEnvironmentVariableIsSet(name)) {}
    ~TEnvironment() { FHad ? qputenv(FName, FOld) : qunsetenv(FName); }
    TEnvironment(const TEnvironment&) = delete;
    TEnvironment& operator=(const TEnvironment&) = delete;

private:
    const char* FName;
    QByteArray FOld;
    bool FHad;
};

mode_t ModeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST(InstanceLock, MadePrivatelyAndNeverThroughALink) {
    const TEnvironment runtime("XDG_RUNTIME_DIR");
    const TEnvironment temp("TMPDIR");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString elsewhere = dir.filePath("anderswo");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    const QString privateName = QStringLiteral("korvane2-%1").arg(::geteuid());

    struct TCase {
        const char* What;
        QString Runtime; // empty: unset
        QString Temp;
        std::function<void(const QString&)> Prepare; // gets the temporary folder
        QString Expected;                            // the lock file, empty when there is none
    };
    const std::vector<TCase> cases{
        {"runtime folder", dir.filePath("run"), dir.filePath("tmp1"),
         [&](const QString&) { QDir().mkpath(dir.filePath("run")); }, dir.filePath("run/") + Name},
        {"private folder made", QString(), dir.filePath("tmp2"), [](const QString&) {},
         dir.filePath("tmp2/") + privateName + "/" + Name},
        {"runtime folder missing", dir.filePath("fehlt"), dir.filePath("tmp3"),
         [](const QString&) {}, dir.filePath("tmp3/") + privateName + "/" + Name},
        {"private folder is a link", QString(), dir.filePath("tmp4"),
         [&](const QString& tmp) { QFile::link(elsewhere, tmp + "/" + privateName); }, QString()},
        {"lock file is a link", dir.filePath("run5"), dir.filePath("tmp5"),
         [&](const QString&) {
             QDir().mkpath(dir.filePath("run5"));
             QFile::link(elsewhere + "/" + Name, dir.filePath("run5/") + Name);
         },
         QString()},
    };
    for (const TCase& c : cases) {
        QDir().mkpath(c.Temp);
        c.Prepare(c.Temp);
        c.Runtime.isEmpty() ? qunsetenv("XDG_RUNTIME_DIR")
                            : qputenv("XDG_RUNTIME_DIR", QFile::encodeName(c.Runtime));
        qputenv("TMPDIR", QFile::encodeName(c.Temp));
        const TInstanceLock lock(Name);
        EXPECT_EQ(lock.IsHeld(), !c.Expected.isEmpty()) << c.What;
        if (lock.IsHeld()) {
            EXPECT_EQ(lock.Path(), c.Expected) << c.What;
            EXPECT_EQ(ModeOf(c.Expected), 0600u) << c.What;
        }
        if (lock.IsHeld() && (c.Runtime.isEmpty() || !c.Expected.startsWith(c.Runtime))) {
            EXPECT_EQ(ModeOf(c.Temp + "/" + privateName) & 0777, 0700u) << c.What;
        }
        EXPECT_TRUE(QDir(elsewhere).isEmpty()) << c.What;
    }
    // A private folder that belongs to someone else is not used.
    if (::geteuid() == 0) {
        const QString foreign = dir.filePath("tmp6/") + privateName;
        ASSERT_TRUE(QDir().mkpath(foreign));
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp6")));
        EXPECT_FALSE(TInstanceLock(Name).IsHeld());
        EXPECT_TRUE(QDir(foreign).isEmpty());
    }
}

} // namespace
} // namespace kvx
