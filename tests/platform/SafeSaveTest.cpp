// Saving onto a full disk and into a folder that takes no new file: the old content survives
// every failure, and a file the user may write is still saved where it can be.
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kvx {
namespace {

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unlesbar>");
}

// A folder on a tmpfs of 256 KiB, so that a full disk can be made; unmounted at the end.
class SafeSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        FRoot = FDir.path();
        FMounted = ::mount("tmpfs", QFile::encodeName(FRoot).constData(), "tmpfs", 0,
                           "size=256k,mode=0755") == 0;
    }
    void TearDown() override {
        if (FMounted) {
            ::umount2(QFile::encodeName(FRoot).constData(), MNT_DETACH);
        }
    }

    // Fills the file system up to its last block.
    void FillDisk() const {
        QFile filler(FRoot + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

    // The code of the TFileError that saving bytes to path gives as another user than the
    // folder's owner (nobody), 0 when it saves. Without root the caller is that other user.
    static int SaveAsOtherUser(const QString& path, const QByteArray& bytes) {
        const auto save = [&] {
            try {
                WriteFileSafely(path.toStdString(), bytes);
                return 0;
            } catch (const TFileError& error) {
                return error.Code == 0 ? 255 : error.Code;
            }
        };
        if (::geteuid() != 0) {
            return save();
        }
        const pid_t child = ::fork();
        if (child == 0) {
            const bool other = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(other ? save() : 254);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 253;
    }

    QTemporaryDir FDir;
    QString FRoot;
    bool FMounted = false;
};

TEST_F(SafeSaveTest, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
    if (!FMounted) {
        GTEST_SKIP() << "no tmpfs can be mounted here (needs root): the full disk is not tried";
    }
    const QString path = FRoot + "/karte.kvx";
    WriteFileSafely(path.toStdString(), "alt");
    FillDisk();
    for (const int size : {100, 8192, 300000}) {
        try {
            WriteFileSafely(path.toStdString(), QByteArray(size, 'n'));
            ADD_FAILURE() << "no TFileError for " << size;
        } catch (const TFileError& error) {
            EXPECT_EQ(error.Detail(), "Auf dem Gerät ist kein Speicherplatz mehr verfügbar (28)");
        }
        EXPECT_EQ(Content(path), "alt") << size;
        EXPECT_EQ(QDir(FRoot).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"filler", "karte.kvx"}));
    }
}

TEST_F(SafeSaveTest, AWritableFileInAClosedFolderIsWrittenInPlaceWhenItsSizeCanBeHad) {
    if (::geteuid() == 0 && !FMounted) {
        GTEST_SKIP() << "no tmpfs can be mounted here: the folder's owner cannot be set up";
    }
    // The folder takes no new file from the saving user; its files are theirs to write,
    // except the read-only one.
    const QString folder = FRoot + "/zu";
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString writable = folder + "/karte.kvx";
    const QString readOnly = folder + "/fest.kvx";
    WriteFileSafely(writable.toStdString(), "alte Karte, lang genug");
    WriteFileSafely(readOnly.toStdString(), "fest");
    ASSERT_TRUE(QFile::setPermissions(writable, QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadOther | QFile::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadOther));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);

    struct TCase {
        QString Path;
        QByteArray Bytes;
        bool FillFirst;
        int Code;
        QByteArray After;
    };
    const std::vector<TCase> cases{
        {writable, "kurz", false, 0, "kurz"},
        {writable, QByteArray(20000, 'n'), false, 0, QByteArray(20000, 'n')},
        {writable, "kurz", false, 0, "kurz"},
        {readOnly, "neu", false, EACCES, "fest"},
        // The reservation fails before a byte of the old content is touched.
        {writable, QByteArray(300000, 'x'), true, ENOSPC, "kurz"},
    };
    for (const TCase& c : cases) {
        if (c.FillFirst) {
            if (!FMounted) {
                continue;
            }
            FillDisk();
        }
        EXPECT_EQ(SaveAsOtherUser(c.Path, c.Bytes), c.Code) << c.Bytes.size();
        EXPECT_EQ(Content(c.Path), c.After) << c.Bytes.size();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"fest.kvx", "karte.kvx"}));
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
}

} // namespace
} // namespace kvx
