// Files that are no files: a pipe given as input would block for ever, /dev/zero never ends,
// and a save must not turn a pipe or a device into a plain file.
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace kvx {
namespace {

// The message of the TFileError call throws; "" when it succeeds.
template <typename TCall> std::string ErrorOf(TCall call) {
    try {
        call();
    } catch (const TFileError& error) {
        return error.Detail();
    }
    return {};
}

TEST(HostileFiles, OnlyRegularFilesAreReadAndReplaced) {
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(name).toStdString(); };
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", path("zero").c_str()), 0);
    ASSERT_EQ(::symlink(path("pipe").c_str(), path("link-pipe").c_str()), 0);
    // Sparse: their size is known at once, and nothing of them is read.
    for (const auto& [name, size] : {std::pair{"gross.htm", std::int64_t{600} << 20},
                                     std::pair{"knapp.htm", (std::int64_t{512} << 20) + 1}}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
    }
    const std::string pipe = "Keine gewöhnliche Datei, sondern eine Pipe (FIFO)";
    const std::string device = "Keine gewöhnliche Datei, sondern ein Gerät";
    const std::vector<std::pair<std::string, std::string>> reads{
        {path("pipe"), pipe},
        {path("link-pipe"), pipe},
        {"/dev/zero", device},
        {path("zero"), device},
        {path("gross.htm"), "Die Datei ist 600,0 MiB groß; gelesen werden Dateien bis 512 MiB"},
        {path("knapp.htm"), "Die Datei ist 512,0 MiB groß; gelesen werden Dateien bis 512 MiB"},
        {dir.path().toStdString(), "Ist ein Verzeichnis (21)"},
    };
    for (const auto& [file, message] : reads) {
        EXPECT_EQ(ErrorOf([&] { ReadTextFile(file); }), message) << file;
    }
    // A device node of our own (root only), so that a fault could only ever replace that one.
    std::vector<std::pair<std::string, mode_t>> nodes{{path("pipe"), S_IFIFO},
                                                      {path("link-pipe"), S_IFIFO}};
    if (::mknod(path("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        nodes.push_back({path("null"), S_IFCHR});
    }
    for (const auto& [file, kind] : nodes) {
        EXPECT_EQ(ErrorOf([&] { WriteFileSafely(file, "<map>"); }),
                  "Keine gewöhnliche Datei; sie wird nicht ersetzt")
            << file;
        struct stat info {};
        EXPECT_TRUE(::stat(file.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == kind) << file;
    }
}

TEST(HostileFiles, StandardOutputFailuresAreReported) {
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const int full = ::open("/dev/full", O_WRONLY);
    EXPECT_EQ(ErrorOf([&] { WriteAllToDescriptor(full, "Erdgeschoss\n"); }),
              "Auf dem Gerät ist kein Speicherplatz mehr verfügbar (28)");
    EXPECT_EQ(ErrorOf([&] { WriteAllToDescriptor(ends[1], "Erdgeschoss\n"); }),
              "Die Gegenseite der Pipe ist geschlossen (32)");
    ::close(full);
    ::close(ends[1]);
    std::signal(SIGPIPE, previous);
}

} // namespace
} // namespace kvx
