// Files that are no files: a pipe given as input would block for ever, /dev/zero never ends,
// and a save must not turn a pipe or a device into a plain file.
#include "platform/FileError.h"
#include "platform/InputFile.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace kvx {
namespace {

class HostileFilesTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return FDir.filePath(name).toStdString(); }
    void Link(const std::string& target, const char* name) const {
        ASSERT_EQ(::symlink(target.c_str(), Path(name).c_str()), 0) << name;
    }
    // The TFileError's text that path gives, or "" when the call succeeded.
    template <typename TCall> static std::string ErrorOf(TCall call) {
        try {
            call();
        } catch (const TFileError& error) {
            return error.Detail();
        }
        return {};
    }

    QTemporaryDir FDir;
};

TEST_F(HostileFilesTest, OnlyRegularFilesAreReadAndTextFilesOnlyUpTo512MiB) {
    ASSERT_EQ(::mkfifo(Path("pipe.htm").c_str(), 0600), 0);
    Link(Path("pipe.htm"), "link-pipe.kvx");
    Link("/dev/zero", "zero.htm");
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = Path("socket.htm");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    // Sparse files: their size is known at once, and nothing of them is read.
    for (const auto& [name, size] : {std::pair{"gross.htm", std::int64_t{600} << 20},
                                     std::pair{"knapp.htm", (std::int64_t{512} << 20) + 1}}) {
        const int file = ::open(Path(name).c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_EQ(::ftruncate(file, size), 0);
        ::close(file);
    }
    const std::vector<std::pair<std::string, std::string>> cases{
        {Path("pipe.htm"), "Keine gewöhnliche Datei, sondern eine Pipe (FIFO)"},
        {Path("link-pipe.kvx"), "Keine gewöhnliche Datei, sondern eine Pipe (FIFO)"},
        {"/dev/zero", "Keine gewöhnliche Datei, sondern ein Gerät"},
        {Path("zero.htm"), "Keine gewöhnliche Datei, sondern ein Gerät"},
        // A socket cannot even be opened.
        {socketPath, "Gerät oder Adresse nicht gefunden (6)"},
        {Path("gross.htm"), "Die Datei ist 600,0 MiB groß; gelesen werden Dateien bis 512 MiB"},
        {Path("knapp.htm"), "Die Datei ist 512,0 MiB groß; gelesen werden Dateien bis 512 MiB"},
        {FDir.path().toStdString(), "Ist ein Verzeichnis (21)"},
    };
    for (const auto& [path, message] : cases) {
        EXPECT_EQ(ErrorOf([&] { ReadTextFile(path); }), message) << path;
    }
    ::close(socket);
}

TEST_F(HostileFilesTest, ASaveReplacesOnlyARegularFile) {
    ASSERT_EQ(::mkfifo(Path("pipe.kvx").c_str(), 0600), 0);
    Link(Path("pipe.kvx"), "link-pipe.kvx");
    std::vector<std::pair<std::string, mode_t>> nodes{{Path("pipe.kvx"), S_IFIFO},
                                                      {Path("link-pipe.kvx"), S_IFIFO}};
    // A device node of our own, so that a fault could only ever replace that one.
    if (::mknod(Path("null.kvx").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        Link(Path("null.kvx"), "link-null.kvx");
        nodes.insert(nodes.end(), {{Path("null.kvx"), S_IFCHR}, {Path("link-null.kvx"), S_IFCHR}});
    }
    for (const auto& [path, kind] : nodes) {
        EXPECT_EQ(ErrorOf([&] { WriteFileSafely(path, "<map>"); }),
                  "Keine gewöhnliche Datei; sie wird nicht ersetzt")
            << path;
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0) << path;
        EXPECT_EQ(info.st_mode & S_IFMT, kind) << path;
    }
    // A link to a regular file is followed, and stays a link.
    QFile(FDir.filePath("karte.kvx")).open(QIODevice::WriteOnly);
    Link(Path("karte.kvx"), "link-karte.kvx");
    WriteFileSafely(Path("link-karte.kvx"), "neu");
    EXPECT_TRUE(QFileInfo(FDir.filePath("link-karte.kvx")).isSymLink());
    EXPECT_EQ(ErrorOf([&] { ReadTextFile(Path("karte.kvx")); }), "");
    EXPECT_EQ(ReadTextFile(Path("karte.kvx")).Text, "neu");
}

TEST_F(HostileFilesTest, StandardOutputFailuresAreReported) {
    std::signal(SIGPIPE, SIG_IGN);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    const std::vector<std::pair<int, std::string>> cases{
        {full, "Auf dem Gerät ist kein Speicherplatz mehr verfügbar (28)"},
        {ends[1], "Die Gegenseite der Pipe ist geschlossen (32)"},
        {-1, "Ungültiger Dateideskriptor (9)"},
    };
    for (const auto& [descriptor, message] : cases) {
        EXPECT_EQ(ErrorOf([&] { WriteAllToDescriptor(descriptor, "Erdgeschoss\n"); }), message);
    }
    ::close(full);
    ::close(ends[1]);
    std::signal(SIGPIPE, SIG_DFL);
}

} // namespace
} // namespace kvx
