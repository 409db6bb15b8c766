// Saving onto a full disk and into a folder that takes no new file: the old content survives
// every failure, and a file the user may write is still saved where it can be.
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvx {
namespace {

// The TFileError code of saving bytes to path (255 for a refusal), 0 when it saves; as user
// nobody when we are root, so that the folder's permissions count.
int Save(const QString& path, const QByteArray& bytes, bool asOtherUser) {
    const auto save = [&] {
        try {
            WriteFileSafely(path.toStdString(), bytes);
            return 0;
        } catch (const TFileError& error) {
            return error.Code == 0 ? 255 : error.Code;
        }
    };
    if (!asOtherUser || ::geteuid() != 0) {
        return save();
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 ? save() : 254);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 253;
}

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unlesbar>");
}

TEST(SafeSave, FullDiskAndClosedFolderKeepTheOldContentOrWriteInPlace) {
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    if (::mount("tmpfs", root.constData(), "tmpfs", 0, "size=256k,mode=0755") != 0) {
        GTEST_SKIP() << "no tmpfs can be mounted here (needs root): full disks are not tried";
    }
    // "zu" takes no new file from the saving user; karte.kvx is theirs to write, fest.kvx not.
    const QString open = dir.filePath("offen.kvx");
    const QString folder = dir.filePath("zu");
    const QString writable = folder + "/karte.kvx";
    const QString readOnly = folder + "/fest.kvx";
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString& path : {open, writable, readOnly}) {
        WriteFileSafely(path.toStdString(), "alt");
    }
    ::chmod(QFile::encodeName(writable).constData(), 0666);
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    struct TCase {
        QString Path;
        QByteArray Bytes;
        bool FillFirst;
        int Code;
        QByteArray After;
    };
    const std::vector<TCase> cases{
        {writable, QByteArray(20000, 'n'), false, 0, QByteArray(20000, 'n')},
        {writable, "kurz", false, 0, "kurz"},
        {readOnly, "neu", false, EACCES, "alt"},
        // Once the disk is full, neither way touches a byte of the old content.
        {open, QByteArray(8192, 'n'), true, ENOSPC, "alt"},
        {open, QByteArray(300000, 'n'), false, ENOSPC, "alt"},
        {writable, QByteArray(300000, 'x'), false, ENOSPC, "kurz"},
    };
    for (const TCase& c : cases) {
        if (c.FillFirst) {
            QFile filler(dir.filePath("filler"));
            ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
            }
        }
        EXPECT_EQ(Save(c.Path, c.Bytes, c.Path != open), c.Code) << c.Bytes.size();
        EXPECT_EQ(Content(c.Path), c.After) << c.Bytes.size();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"fest.kvx", "karte.kvx"}));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"filler", "offen.kvx"}));
    ::umount2(root.constData(), MNT_DETACH);
}

} // namespace
} // namespace kvx
