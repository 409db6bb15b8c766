// The parts of paths from files made on Windows ("C:\Bilder\Haus.GIF") and here: the image
// file's name, folder and extension are taken from them.
#include "model/PathParts.h"

#include <gtest/gtest.h>

#include <string>

namespace kvx {
namespace {

struct TPathCase {
    std::string Path;
    std::string FileName;
    std::string Folder;
    std::string Extension;
};

void PrintTo(const TPathCase& c, std::ostream* out) {
    *out << c.Path;
}

class PathPartsCases : public ::testing::TestWithParam<TPathCase> {};

TEST_P(PathPartsCases, SplitsWindowsAndNativePaths) {
    const TPathCase& path = GetParam();
    EXPECT_EQ(FileNamePart(path.Path), path.FileName);
    EXPECT_EQ(FolderPart(path.Path), path.Folder);
    EXPECT_EQ(ExtensionOf(path.Path), path.Extension);
    EXPECT_EQ(FolderPart(path.Path) + FileNamePart(path.Path), path.Path);
}

INSTANTIATE_TEST_SUITE_P(
    All, PathPartsCases,
    ::testing::Values(TPathCase{"C:\\Bilder\\Haus.GIF", "Haus.GIF", "C:\\Bilder\\", ".GIF"},
                      TPathCase{"D:Bild.gif", "Bild.gif", "D:", ".gif"},
                      TPathCase{"bilder/karte.gif", "karte.gif", "bilder/", ".gif"},
                      TPathCase{"/home/a/b.tar.gz", "b.tar.gz", "/home/a/", ".gz"},
                      TPathCase{"mixed\\dir/Bild.PNG", "Bild.PNG", "mixed\\dir/", ".PNG"},
                      TPathCase{"C:\\my.dir\\datei", "datei", "C:\\my.dir\\", ""},
                      TPathCase{"ordner/", "", "ordner/", ""}, TPathCase{"karte", "karte", "", ""},
                      TPathCase{"", "", "", ""}, TPathCase{"1:x.gif", "1:x.gif", "", ".gif"}));

TEST(WithoutDrive, DropsOnlyALeadingDrive) {
    EXPECT_EQ(WithoutDrive("C:\\Bilder\\Haus.GIF"), "\\Bilder\\Haus.GIF");
    EXPECT_EQ(WithoutDrive("d:Bild.gif"), "Bild.gif");
    EXPECT_EQ(WithoutDrive("1:x.gif"), "1:x.gif");
    EXPECT_EQ(WithoutDrive("bilder/C:x"), "bilder/C:x");
    EXPECT_EQ(WithoutDrive("C"), "C");
}

} // namespace
} // namespace kvx
