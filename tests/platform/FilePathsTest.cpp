// Paths from files made on Windows ("C:\Bilder\Haus.GIF") must still find the image here.
#include "platform/FilePaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

namespace kvx {
namespace {

TEST(ToNativeSeparators, TurnsBackslashesIntoSlashes) {
    EXPECT_EQ(ToNativeSeparators("C:\\Bilder\\Haus.GIF"), "C:/Bilder/Haus.GIF");
    EXPECT_EQ(ToNativeSeparators("a/b"), "a/b");
}

// A folder "Bilder" holding "Haus.GIF", with the current folder moved into the fixture
// for the relative lookups and moved back afterwards.
class FindFileIgnoringCaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        ASSERT_TRUE(QDir(Dir.path()).mkpath("Bilder/Unter Ordner"));
        Put("Bilder/Haus.GIF");
        Put("Bilder/Unter Ordner/Grün.png");
        Root = QDir(Dir.path()).canonicalPath().toStdString();
        OldCurrent = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(Root)));
    }
    void TearDown() override { QDir::setCurrent(OldCurrent); }

    void Put(const char* relative) {
        QFile file(QDir(Dir.path()).filePath(QString::fromUtf8(relative)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir Dir;
    std::string Root;
    QString OldCurrent;
};

TEST_F(FindFileIgnoringCaseTest, FindsTheFileWhateverTheCaseOfItsComponents) {
    const std::string expected = Root + "/Bilder/Haus.GIF";
    for (const std::string& asked :
         {Root + "/Bilder/Haus.GIF", Root + "/bilder/haus.gif", Root + "/BILDER/HAUS.gif",
          Root + "\\bilder\\haus.gif", Root + "//bilder/./Haus.gif"}) {
        const std::optional<std::string> found = FindFileIgnoringCase(asked);
        ASSERT_TRUE(found.has_value()) << asked;
        EXPECT_TRUE(QFileInfo(QString::fromStdString(*found)).canonicalFilePath() ==
                    QString::fromStdString(expected))
            << *found;
    }
    EXPECT_EQ(FindFileIgnoringCase(Root + "/bilder/unter ordner/grün.PNG"),
              Root + "/Bilder/Unter Ordner/Grün.png");
}

TEST_F(FindFileIgnoringCaseTest, ResolvesRelativePathsInTheCurrentFolder) {
    EXPECT_EQ(FindFileIgnoringCase("Bilder/Haus.GIF"), "Bilder/Haus.GIF");
    EXPECT_EQ(FindFileIgnoringCase("bilder\\haus.gif"), "Bilder/Haus.GIF");
    EXPECT_EQ(FindFileIgnoringCase("D:bilder\\HAUS.GIF"), "Bilder/Haus.GIF");
    EXPECT_EQ(FindFileIgnoringCase("./bilder/../BILDER/haus.gif"), "./Bilder/../Bilder/Haus.GIF");
}

TEST_F(FindFileIgnoringCaseTest, GivesNothingWhenNoFileMatches) {
    for (const std::string& asked :
         {std::string(), Root + "/bilder/haus.png", Root + "/bilder", Root + "/bilder/",
          std::string("bilder/haus.gif/"), std::string("c:\\bilder\\haus.gif"), std::string("C:"),
          Root + "/haus.gif/bilder", std::string("bilder/..")}) {
        EXPECT_EQ(FindFileIgnoringCase(asked), std::nullopt) << asked;
    }
}

TEST_F(FindFileIgnoringCaseTest, PrefersAnEntryOfTheRightKind) {
    // A folder "HAUS.GIF" beside the file must not hide the file, nor a file named like a
    // folder the folder.
    ASSERT_TRUE(QDir(QString::fromStdString(Root)).mkdir("Bilder/HAUS.GIF"));
    Put("BILDER");
    EXPECT_EQ(FindFileIgnoringCase("bilder/haus.gif"), "Bilder/Haus.GIF");
}

TEST_F(FindFileIgnoringCaseTest, ListsEveryCaseVariantInByteOrderUnlessOneIsExact) {
    ASSERT_TRUE(QDir(Dir.path()).mkpath("bilder"));
    Put("bilder/HAUS.gif");
    Put("Bilder/haus.gif");
    const std::vector<std::string> variants{Root + "/Bilder/Haus.GIF", Root + "/Bilder/haus.gif",
                                            Root + "/bilder/HAUS.gif"};
    EXPECT_EQ(FindFilesIgnoringCase(Root + "/BILDER/HAUS.GIF"), variants);
    EXPECT_EQ(FindFilesIgnoringCase(Root + "/bilder/HAUS.gif"),
              std::vector<std::string>{Root + "/bilder/HAUS.gif"});
    EXPECT_EQ(FindFileIgnoringCase(Root + "/BILDER/HAUS.GIF"), variants.front());
}

TEST(IsExistingFile, CountsOnlyRegularFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string file = dir.filePath("a.gif").toStdString();
    QFile(QString::fromStdString(file)).open(QIODevice::WriteOnly);
    EXPECT_TRUE(IsExistingFile(file));
    EXPECT_FALSE(IsExistingFile(dir.path().toStdString()));
    EXPECT_FALSE(IsExistingFile(file + ".fehlt"));
    EXPECT_FALSE(IsExistingFile(""));
}

TEST(IsSameFile, FollowsLinksAndTellsFilesApart) {
    QTemporaryDir dir;
    const std::string page = dir.filePath("seite.htm").toStdString();
    QFile(dir.filePath("andere.htm")).open(QIODevice::WriteOnly);
    QFile(QString::fromStdString(page)).open(QIODevice::WriteOnly);
    ASSERT_EQ(::symlink(page.c_str(), (page + ".link").c_str()), 0);
    ASSERT_EQ(::link(page.c_str(), (page + ".hard").c_str()), 0);
    for (const auto& [other, same] : {std::pair{page, true},
                                      {dir.path().toStdString() + "/./seite.htm", true},
                                      {page + ".link", true},
                                      {page + ".hard", true},
                                      {dir.filePath("andere.htm").toStdString(), false},
                                      {page + ".fehlt", false}}) {
        EXPECT_EQ(IsSameFile(page, other), same) << other;
    }
    EXPECT_FALSE(IsSameFile(page + ".fehlt", page + ".fehlt"));
}

TEST(DataFilePath, LooksBesideTheExecutableFirst) {
    const QString folder = QCoreApplication::applicationDirPath();
    const std::string name = "kvx-data-file-test.htm";
    const std::string besideExecutable = folder.toStdString() + "/" + name;
    QFile file(QString::fromStdString(besideExecutable));
    file.remove();
    // Nowhere to be found: the place beside the executable is named all the same.
    EXPECT_EQ(DataFilePath(name), besideExecutable);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(DataFilePath(name), besideExecutable);
    file.remove();
}

} // namespace
} // namespace kvx
