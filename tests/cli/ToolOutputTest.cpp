// What kvxtool writes is never a failure reported as success, and never a file it was asked to
// read or one that is no project file.
#include "KvxtoolRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using kvx::test::RunKvxtool;

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ToolOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(Path("bild.png")));
        Put("seite.htm", "<map name=\"k\"><area shape=\"rect\" coords=\"1,1,5,5\" href=\"a.htm\">"
                         "</map><img src=\"bild.png\" usemap=\"#k\">");
        ASSERT_EQ(RunKvxtool({"save", "seite.htm", "alt.kvx"}, FDir.path()).ExitCode, 0);
    }

    QString Path(const QString& name) const { return FDir.filePath(name); }
    void Put(const QString& name, const QByteArray& bytes) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir FDir;
};

TEST_F(ToolOutputTest, FilesAreReplacedOnlyWhenTheyMayBe) {
    Put("notiz.txt", "Einkaufsliste");
    struct TCase {
        QStringList Arguments;
        QString Target;
        int ExitCode;
        bool Replaced;
    };
    const std::vector<TCase> cases = {
        {{"save", "alt.kvx", "alt.kvx"}, "alt.kvx", 1, false},
        {{"save", "alt.kvx", "./alt.kvx"}, "alt.kvx", 1, false},
        {{"save", "seite.htm", "seite.htm"}, "seite.htm", 1, false},
        {{"save", "seite.htm", "notiz.txt"}, "notiz.txt", 1, false},
        {{"save", "--force", "seite.htm", "notiz.txt"}, "notiz.txt", 0, true},
        {{"save", "--save-as", "seite.htm", "alt.kvx"}, "alt.kvx", 0, true},
        {{"decode", "bild.png", "bild.png"}, "bild.png", 1, false},
    };
    for (const TCase& c : cases) {
        const QByteArray before = Bytes(Path(c.Target));
        const kvx::test::TKvxtoolRun run = RunKvxtool(c.Arguments, FDir.path());
        EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Arguments.join(' ').toStdString();
        EXPECT_EQ(Bytes(Path(c.Target)) != before, c.Replaced)
            << c.Arguments.join(' ').toStdString();
        if (c.ExitCode != 0) {
            EXPECT_FALSE(run.Errors.isEmpty());
        }
    }
}

TEST_F(ToolOutputTest, AnUnwritableStandardOutputFailsTheCommand) {
    for (const QStringList& arguments :
         {QStringList{"info", "seite.htm"}, QStringList{"html", "seite.htm"},
          QStringList{"list", "seite.htm"}, QStringList{"check", "--json", "seite.htm"}}) {
        const kvx::test::TKvxtoolRun run = RunKvxtool(arguments, FDir.path(), "/dev/full");
        EXPECT_EQ(run.ExitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Errors.contains("Die Ausgabe konnte nicht geschrieben werden"))
            << run.Errors.constData();
    }
}

} // namespace
