// kvxtool decode IMAGE OUT.ppm: exit codes, messages and the PPM it writes.

#include "KvxtoolRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using kvx::test::RunKvxtool;
using TRun = kvx::test::TKvxtoolRun;

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString Fixture = KVX_TEST_DATA_DIR "/images/rahmen.gif";
const QByteArray UnknownFormat =
    "Unbekanntes Bildformat! Es können nur GIF-, JPEG- und PNG-Grafiken geladen werden!";

TEST(DecodeCommand, WritesTheImageAsBinaryPpm) {
    const QTemporaryDir dir;
    const QString output = dir.filePath("bild.ppm");
    const TRun run = RunKvxtool({"decode", Fixture, output});
    EXPECT_EQ(run.ExitCode, 0) << run.Errors.constData();
    EXPECT_TRUE(run.Errors.isEmpty());
    // rahmen.gif: a 3 x 2 frame at (1, 1) on a white 4 x 3 screen.
    const QByteArray white("\xFF\xFF\xFF", 3);
    const QByteArray red("\xFF\x00\x00", 3);
    const QByteArray green("\x00\x80\x00", 3);
    const QByteArray blue("\x00\x00\xFF", 3);
    const QByteArray expected = "P6\n4 3\n255\n" + white + white + white + white + white + red +
                                green + blue + white + blue + green + red;
    EXPECT_EQ(ReadFile(output), expected);
}

TEST(DecodeCommand, ReplacesAnExistingOutputFile) {
    const QTemporaryDir dir;
    const QString output = dir.filePath("bild.ppm");
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1000, 'x'));
    old.close();
    EXPECT_EQ(RunKvxtool({"decode", Fixture, output}).ExitCode, 0);
    EXPECT_TRUE(ReadFile(output).startsWith("P6\n4 3\n255\n"));
    EXPECT_EQ(ReadFile(output).size(), 11 + 4 * 3 * 3);
}

TEST(DecodeCommand, ImageThatDoesNotLoadExitsOneWithTheMessage) {
    const QTemporaryDir dir;
    const QString wrongContent = dir.filePath("rahmen.gif");
    QFile text(wrongContent);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("kein Bild");
    text.close();
    const QString pipe = dir.filePath("pipe.gif");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString damaged = dir.filePath("kaputt.gif");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ReadFile(Fixture).left(20));
    file.close();
    for (const QString& image : {wrongContent, damaged, pipe, dir.filePath("fehlt.png")}) {
        const QString output = dir.filePath("bild.ppm");
        const TRun run = RunKvxtool({"decode", image, output});
        EXPECT_EQ(run.ExitCode, 1) << image.toStdString();
        EXPECT_TRUE(run.Errors.contains(UnknownFormat)) << run.Errors.constData();
        EXPECT_FALSE(QFile::exists(output)) << image.toStdString();
    }
}

TEST(DecodeCommand, UnwritableOutputExitsOneAndNamesTheFile) {
    const QTemporaryDir dir;
    for (const QString& output : {dir.filePath("fehlt/bild.ppm"), dir.path()}) {
        const TRun run = RunKvxtool({"decode", Fixture, output});
        EXPECT_EQ(run.ExitCode, 1) << output.toStdString();
        EXPECT_TRUE(run.Errors.contains(output.toUtf8())) << run.Errors.constData();
    }
    EXPECT_FALSE(QDir(dir.filePath("fehlt")).exists());
}

TEST(DecodeCommand, WrongCommandLinesExitTwoWithUsage) {
    const std::vector<QStringList> wrong{
        {}, {"decode"}, {"decode", Fixture}, {"decode", Fixture, "a.ppm", "b.ppm"}, {"dekodieren"}};
    for (const QStringList& arguments : wrong) {
        const TRun run = RunKvxtool(arguments);
        EXPECT_EQ(run.ExitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Errors.contains("Aufruf: kvxtool")) << run.Errors.constData();
    }
    const TRun help = RunKvxtool({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_TRUE(help.Output.contains("decode BILD AUSGABE.ppm"));
}

} // namespace
