// The older line-based project files: header fields, the slot rules of the area lines, the
// image search and the load error.
#include "formats/Version1Loader.h"
#include "ReaderFixtures.h"
#include "RecordingReaderHost.h"
#include "formats/ProjectFile.h"
#include "formats/ReaderMessages.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kvx::test {
namespace {

namespace msg = ReaderMessages;

// "shape coords href target [open]" of an area, from its properties.
std::string Describe(const TLinkArea& area) {
    TLinkAreaProperties props;
    area.GetProperties(props);
    std::string text = props.Kind == 1 ? "rect" : props.Kind == 2 ? "circle" : "poly";
    for (std::size_t i = 1; i < props.Coords.size(); i += 2) {
        text += (i == 1 ? " " : ",") + props.Coords[i];
    }
    text += " href=" + props.Href + " target=" + props.Target;
    if (area.Editing) {
        text += " unfinished";
    }
    return text;
}

TEST(SplitVersion1Header, TakesImageAndNameWithoutTheirQuotes) {
    struct TCase {
        const char* Header;
        const char* Image;
        const char* Name;
    };
    for (const TCase& c : {
             TCase{"\"kvx100\",\"C:\\Bilder\\Haus.gif\",\"karte\",\"\",\"\",\"x\",\"y\"",
                   "C:\\Bilder\\Haus.gif", "karte"},
             TCase{"\"kvx100\",\"\",\"\"", "", ""},
             TCase{"\"kvx100\"", "", ""},
             TCase{"\"kvx100\",x,\"ab\",c", "", "ab"},
         }) {
        const TVersion1Header header = SplitVersion1Header(c.Header);
        EXPECT_EQ(header.ImageFile, c.Image) << c.Header;
        EXPECT_EQ(header.MapName, c.Name) << c.Header;
    }
}

class Version1LoaderTest : public TReaderTest {
protected:
    void SetUp() override { WriteTestImage(PathOf("Bild.GIF"), 50, 40); }

    std::string Header() const { return "\"kvx100\",\"" + PathOf("Bild.GIF") + "\",\"karte\""; }

    void Load(const std::string& body) { LoadVersion1(Header(), body, PathOf("alt.kvx"), FHost); }

    std::vector<std::string> Areas() {
        std::vector<std::string> areas;
        if (FHost.Map() != nullptr) {
            for (const TLinkAreaEntry& entry : FHost.Map()->Entries()) {
                areas.push_back(Describe(*entry.Area));
            }
        }
        return areas;
    }

    TRecordingReaderHost FHost;
};

TEST_F(Version1LoaderTest, BuildsTheMapFromHeaderAndLines) {
    Load("2xx10,20,30,40,wohnen.htm,_blank,\r"
         "1xx0,20,0,20,kreis.htm,,\r"
         "3xx10,20,0,0,30,40,0,0,50,60,0,0,,dach.htm,_top,\r");
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_TRUE(FHost.Messages.empty());
    EXPECT_EQ(FHost.Map()->Name, "karte");
    EXPECT_EQ(FHost.Map()->ImageFile, PathOf("Bild.GIF"));
    EXPECT_EQ(FHost.Map()->ProjectFile, PathOf("alt.kvx"));
    EXPECT_EQ(FHost.Document().SourceBitmap.size(), QSize(50, 40));
    EXPECT_FALSE(FHost.Map()->HasSelection());
    const std::vector<std::string> areas = {"rect 30,10,70,30 href=wohnen.htm target=_blank",
                                            "circle 10,10,10 href=kreis.htm target=",
                                            "poly 10,20,30,40,50,60 href=dach.htm target=_top"};
    EXPECT_EQ(Areas(), areas);
    EXPECT_TRUE(FHost.Calls.empty());
    // Only the texts of the file are set; colour and contrast keep their defaults.
    const TLinkArea& rect = *FHost.Map()->Entries()[0].Area;
    EXPECT_TRUE(rect.Contrast);
    EXPECT_EQ(rect.Color, 0);
    EXPECT_EQ(rect.Alt, "");
}

TEST_F(Version1LoaderTest, AreaLineRules) {
    struct TCase {
        const char* Line;
        std::vector<std::string> Areas;
    };
    const std::vector<TCase> cases = {
        // Circle centre with truncating division, radius from the farther corner distance.
        {"1xx0,21,0,21,,,", {"circle 11,11,10 href= target="}},
        {"1xx10,4,-5,-4,,,", {"circle -6,12,3 href= target="}},
        // Hrefs are taken as they stand; text after the last comma is ignored.
        {"2xx1,2,3,4,a.htm?x=1&amp;y,_top,Rest", {"rect 3,1,7,3 href=a.htm?x=1&amp;y target=_top"}},
        // Characters 2 and 3 are not read; other kinds and short lines create nothing.
        {"2ab1,2,3,4,,,", {"rect 3,1,7,3 href= target="}},
        {"9xx1,2,3,4,,,", {}},
        {"2x", {}},
        {"", {}},
        {"2xx1,2,3,4", {}},
        // A line cut short keeps its area, without href; an open polygon stays unfinished.
        {"2xx1,2,3,4,h.htm,", {"rect 3,1,7,3 href= target="}},
        {"3xx10,20,0,0,30,40,0,0,", {"poly 10,20,30,40,30,40 href= target= unfinished"}},
        // Right and bottom edges beyond the 32-bit range wrap around.
        {"2xx0,1,2147483647,1,,,", {"rect -2147483648,0,2147483647,1 href= target="}},
        // The two unread fields of a polygon group may hold anything.
        {"3xx1,2,a,b,3,4,,,,h,t,", {"poly 1,2,3,4 href=h target=t"}},
    };
    for (const TCase& c : cases) {
        FHost = TRecordingReaderHost();
        Load(std::string(c.Line) + "\r");
        ASSERT_NE(FHost.Map(), nullptr) << c.Line;
        EXPECT_EQ(Areas(), c.Areas) << c.Line;
        EXPECT_TRUE(FHost.Messages.empty()) << c.Line;
        // Nothing stays selected, so the window shows every area alike.
        EXPECT_FALSE(FHost.Map()->HasSelection()) << c.Line;
    }
}

TEST_F(Version1LoaderTest, NonNumericFieldEndsInTheLoadErrorWithoutHelp) {
    for (const std::string body :
         {"2xx10,abc,30,40,,,\r", "2xx1,2,3,4,,,\r1xx 1,2,3,4,,,\r", "3xx1,2,0,0,x,4,0,0,,,,\r"}) {
        FHost = TRecordingReaderHost();
        Load(body);
        EXPECT_EQ(FHost.Map(), nullptr) << body;
        ASSERT_EQ(FHost.Messages.size(), 1u) << body;
        EXPECT_EQ(FHost.Messages[0].Kind, TMessageKind::Error);
        EXPECT_EQ(FHost.Messages[0].Text, msg::LoadError);
        EXPECT_EQ(FHost.Messages[0].HelpContext, 0);
    }
}

TEST_F(Version1LoaderTest, ImageBesideTheProjectFileIsFoundWithoutRegardToCase) {
    LoadVersion1("\"kvx100\",\"C:\\Eigene Dateien\\bild.gif\",\"k\"", "", PathOf("alt.kvx"), FHost);
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->ImageFile, PathOf("Bild.GIF"));
}

TEST_F(Version1LoaderTest, MissingImageIsAskedForWithoutHelpContext) {
    WriteTestImage(PathOf("neu.png"), 3, 2);
    FHost.ImageAnswers = {PathOf("neu.png")};
    LoadVersion1("\"kvx100\",\"C:\\fehlt.gif\",\"k\"", "2xx1,2,3,4,,,\r", PathOf("alt.kvx"), FHost);
    ASSERT_EQ(FHost.Messages.size(), 1u);
    EXPECT_EQ(FHost.Messages[0].Text, msg::ImageNotFound);
    EXPECT_EQ(FHost.Messages[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(FHost.Messages[0].HelpContext, 0);
    ASSERT_EQ(FHost.ImageQuestions.size(), 1u);
    EXPECT_EQ(FHost.ImageQuestions[0].PresetFileName, "fehlt.gif");
    EXPECT_EQ(FHost.ImageQuestions[0].InitialFolder, Folder());
    EXPECT_NE(FHost.ImageQuestions[0].Filter.find("PNG-Dateien (*.png)|*.PNG"), std::string::npos);
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->ImageFile, PathOf("neu.png"));
    EXPECT_EQ(FHost.Map()->Entries().size(), 1u);
}

TEST_F(Version1LoaderTest, CancelledImageQuestionEndsSilently) {
    FHost.ImageAnswers = {std::nullopt};
    LoadVersion1("\"kvx100\",\"fehlt.gif\",\"k\"", "2xx1,2,3,4,,,\r", PathOf("alt.kvx"), FHost);
    EXPECT_EQ(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.MessageTexts(), std::vector<std::string>{msg::ImageNotFound});
}

TEST_F(Version1LoaderTest, ImageThatDoesNotLoadEndsInTheLoadError) {
    WriteBytes(PathOf("kaputt.gif"), "GIF89a");
    LoadVersion1("\"kvx100\",\"" + PathOf("kaputt.gif") + "\",\"k\"", "", PathOf("alt.kvx"), FHost);
    EXPECT_EQ(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.MessageTexts(), std::vector<std::string>{msg::LoadError});
}

TEST_F(Version1LoaderTest, OpenReadsVersion1FilesWithAnyLineEnds) {
    const std::string path = PathOf("alt.KVX");
    WriteBytes(path, QByteArray::fromStdString(Header() + "\r\n2xx10,20,30,40,a.htm,,\n"
                                                          "1xx0,20,0,20,,,\r"));
    OpenProjectFile(path, FHost);
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->ProjectFile, path);
    const std::vector<std::string> areas = {"rect 30,10,70,30 href=a.htm target=",
                                            "circle 10,10,10 href= target="};
    EXPECT_EQ(Areas(), areas);
}

} // namespace
} // namespace kvx::test
