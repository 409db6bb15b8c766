// Reading maps out of HTML: which map, which image, which areas, and every way a read stops.
#include "formats/MapDefinitionReader.h"
#include "ReaderFixtures.h"
#include "RecordingReaderHost.h"
#include "formats/ReaderMessages.h"
#include "platform/FilePaths.h"

#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace kvx::test {
namespace {

namespace msg = ReaderMessages;

// The project-variant line of every area, without its line end: shape, coordinates, texts,
// colour and contrast in one readable string.
std::vector<std::string> AreaLines(const TImageMap& map) {
    std::vector<std::string> lines;
    for (const TLinkAreaEntry& entry : map.Entries()) {
        std::string html;
        entry.Area->GetHtml(true, false, html);
        lines.push_back(html.substr(0, html.size() - 2));
    }
    return lines;
}

std::string Page(const std::string& body) {
    return "<html><body>" + body + "</body></html>";
}

class MapDefinitionReaderTest : public TReaderTest {
protected:
    void SetUp() override { WriteTestImage(PathOf("bild.png"), 40, 30); }

    void Read(const std::string& text, const std::string& sourceName = "seite.html") {
        ReadMapDefinition(text, PathOf(sourceName), FHost);
    }

    // The read ended without a map after exactly these boxes.
    void ExpectStopped(const std::vector<std::string>& messages) {
        EXPECT_EQ(FHost.Map(), nullptr);
        EXPECT_FALSE(FHost.Document().HasImage());
        EXPECT_EQ(FHost.MessageTexts(), messages);
    }

    void ExpectLoadError() {
        ASSERT_EQ(FHost.Messages.size(), 1u);
        EXPECT_EQ(FHost.Messages[0].Kind, TMessageKind::Error);
        EXPECT_EQ(FHost.Messages[0].Text, msg::LoadError);
        EXPECT_EQ(FHost.Messages[0].HelpContext, 135);
        EXPECT_EQ(FHost.Map(), nullptr);
        EXPECT_FALSE(FHost.Document().HasImage());
    }

    TRecordingReaderHost FHost;
};

const std::string KarteMap = "<map name=\"karte\">"
                             "<area shape=\"rect\" coords=\"10,20,30,25\" href=\"a.htm\">"
                             "<area shape=\"circle\" coords=\"5,6,4\" alt=\"Kreis\">"
                             "</map>";
const std::string KarteImg = "<img src=\"bild.png\" usemap=\"#karte\">";

TEST_F(MapDefinitionReaderTest, LoadsTheMapWithImageBeforeOrAfterIt) {
    for (const std::string& body : {KarteMap + KarteImg, KarteImg + "<p>x</p>" + KarteMap}) {
        TRecordingReaderHost host;
        ReadMapDefinition(Page(body), PathOf("seite.html"), host);
        ASSERT_NE(host.Map(), nullptr) << body;
        EXPECT_TRUE(host.Messages.empty());
        EXPECT_EQ(host.Map()->Name, "karte");
        EXPECT_EQ(host.Map()->ImageFile, PathOf("bild.png"));
        EXPECT_EQ(host.Map()->ProjectFile, "");
        EXPECT_EQ(host.Document().SourceBitmap.size(), QSize(40, 30));
        EXPECT_FALSE(host.Map()->HasSelection());
        // Nothing needed a person: no question, no message.
        EXPECT_TRUE(host.Calls.empty());
        const std::vector<std::string> areas = {
            " <area shape=\"rect\" coords=\"10,20,30,25\" href=\"a.htm\" alt=\"\" "
            "kvxcolor=\"0\" kvxcontrast=\"1\" />",
            " <area shape=\"circle\" coords=\"5,6,4\" href=\"#\" alt=\"Kreis\" "
            "title=\"Kreis\" kvxcolor=\"0\" kvxcontrast=\"1\" />"};
        EXPECT_EQ(AreaLines(*host.Map()), areas);
    }
}

TEST_F(MapDefinitionReaderTest, ProjectFileIsSetOnlyForKvxSources) {
    Read(Page(KarteMap + KarteImg), "karte.KVX");
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->ProjectFile, PathOf("karte.KVX"));
}

TEST_F(MapDefinitionReaderTest, UpperCaseTagsAndAttributesLoad) {
    Read("<MAP NAME=\"k\"><AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"x.htm\"></MAP>"
         "<IMG SRC=\"bild.png\" USEMAP=\"#k\">");
    ASSERT_NE(FHost.Map(), nullptr);
    ASSERT_EQ(FHost.Map()->Entries().size(), 1u);
    EXPECT_EQ(FHost.Map()->Entries()[0].Area->Href, "x.htm");
}

TEST_F(MapDefinitionReaderTest, UsemapMustMatchTheNameExactly) {
    Read("<map name=\"k\"><area shape=\"rect\" coords=\"1,2,3,4\"></map>"
         "<img src=\"bild.png\" usemap=\"#K\"><img src=\"bild.png\" usemap=\"k\">");
    ExpectStopped({msg::NoImageUsesMap});
    EXPECT_EQ(FHost.Messages[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(FHost.Messages[0].HelpContext, 135);
}

TEST_F(MapDefinitionReaderTest, MapWithOnlyAnIdIsListedUnderItsId) {
    Read("<map id=\"nurId\"></map><img src=\"bild.png\" usemap=\"#nurId\">");
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->Name, "nurId");
    EXPECT_TRUE(FHost.Map()->Entries().empty());
}

TEST_F(MapDefinitionReaderTest, NamelessMapsAreIgnored) {
    Read("<map><area shape=\"rect\" coords=\"1,2,3,4\"></map><img src=\"bild.png\" usemap=\"#\">");
    ExpectStopped({msg::NoMapFound});
    EXPECT_EQ(FHost.Messages[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(FHost.Messages[0].HelpContext, 135);
    EXPECT_EQ(FHost.Calls, std::vector<std::string>{"ShowMessage"});

    // Beside a named map the nameless one does not count: no choice is offered.
    TRecordingReaderHost host;
    ReadMapDefinition("<map name=\"\" id=\"\"></map>" + KarteMap + KarteImg, PathOf("s.html"),
                      host);
    ASSERT_NE(host.Map(), nullptr);
    EXPECT_TRUE(host.MapQuestions.empty());
}

TEST_F(MapDefinitionReaderTest, SeveralMapsAreOfferedInDocumentOrder) {
    const std::string text = "<map name=\"erste\"><area shape=\"rect\" coords=\"1,1,2,2\"></map>"
                             "<map name=\"a&amp;b\"><area shape=\"rect\" coords=\"3,3,4,4\">"
                             "<area shape=\"rect\" coords=\"5,5,6,6\"></map>"
                             "<map name=\"erste\"></map>"
                             "<img src=\"bild.png\" usemap=\"#a&amp;b\">";
    FHost.MapAnswers = {1};
    Read(text);
    ASSERT_EQ(FHost.MapQuestions.size(), 1u);
    const std::vector<std::string> names = {"erste", "a&b", "erste"};
    EXPECT_EQ(FHost.MapQuestions[0], names);
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->Name, "a&b");
    EXPECT_EQ(FHost.Map()->Entries().size(), 2u);
}

TEST_F(MapDefinitionReaderTest, CancelledOrImpossibleMapChoiceStops) {
    const std::string text = KarteMap + "<map name=\"zwei\"></map>" + KarteImg;
    for (const std::optional<std::size_t> answer :
         std::initializer_list<std::optional<std::size_t>>{std::nullopt, 7}) {
        TRecordingReaderHost host;
        host.MapAnswers = {answer};
        ReadMapDefinition(text, PathOf("s.html"), host);
        EXPECT_EQ(host.Map(), nullptr);
        ASSERT_EQ(host.Messages.size(), 1u);
        EXPECT_EQ(host.Messages[0].Text, msg::MapChoiceCancelled);
        EXPECT_EQ(host.Messages[0].Kind, TMessageKind::Warning);
        EXPECT_EQ(host.Messages[0].HelpContext, 0);
    }
}

TEST_F(MapDefinitionReaderTest, EntitiesInTheNameMatchTheUnescapedUsemapOnly) {
    const std::string map = "<map name=\"a&amp;b\"><area shape=\"rect\" coords=\"1,1,2,2\"></map>";
    Read(map + "<img src=\"bild.png\" usemap=\"#a&amp;b\">");
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->Name, "a&b");

    TRecordingReaderHost upper;
    ReadMapDefinition(map + "<img src=\"bild.png\" usemap=\"#A&amp;B\">", PathOf("s.html"), upper);
    EXPECT_EQ(upper.MessageTexts(), std::vector<std::string>{msg::NoImageUsesMap});
}

TEST_F(MapDefinitionReaderTest, MapTextEndsAtTheNextMapStartTag) {
    // The first map has no end tag: its text stops before the second map's ">".
    const std::string text = "<map name=\"a\"><area shape=\"rect\" coords=\"1,1,2,2\">"
                             "<map name=\"b\"><area shape=\"rect\" coords=\"3,3,4,4\"></map>"
                             "<area shape=\"rect\" coords=\"5,5,6,6\">"
                             "<img src=\"bild.png\" usemap=\"#a\"><img src=\"bild.png\" "
                             "usemap=\"#b\">";
    for (const std::size_t choice : {0u, 1u}) {
        TRecordingReaderHost host;
        host.MapAnswers = {choice};
        ReadMapDefinition(text, PathOf("s.html"), host);
        ASSERT_NE(host.Map(), nullptr);
        ASSERT_EQ(host.Map()->Entries().size(), 1u);
        TLinkAreaProperties props;
        host.Map()->Entries()[0].Area->GetProperties(props);
        EXPECT_EQ(props.Coords[1], choice == 0 ? "1" : "3");
    }
}

TEST_F(MapDefinitionReaderTest, UnclosedMapRunsToTheEndOfTheText) {
    Read("<img src=\"bild.png\" usemap=\"#k\"><map name=\"k\">"
         "<area shape=\"rect\" coords=\"1,1,2,2\"><p><area shape=\"rect\" coords=\"3,3,4,4\">");
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->Entries().size(), 2u);
}

TEST_F(MapDefinitionReaderTest, QuotedValuesKeepTheirAngleBrackets) {
    Read("<map name=\"k\"><area shape=\"rect\" coords=\"1,2,3,4\" alt=\"a > b\" "
         "onClick=\"if (x<y) go('<b>')\" onMouseover=\"s()\" onMouseout=\"t()\" "
         "target=\"_top\" href=\"a.htm?x=1&amp;y=2\"></map>"
         "<img src=\"bild.png\" usemap=\"#k\">");
    ASSERT_NE(FHost.Map(), nullptr);
    ASSERT_EQ(FHost.Map()->Entries().size(), 1u);
    const TLinkArea& area = *FHost.Map()->Entries()[0].Area;
    EXPECT_EQ(area.Alt, "a > b");
    EXPECT_EQ(area.OnClick, "if (x<y) go('<b>')");
    EXPECT_EQ(area.OnMouseOver, "s()");
    EXPECT_EQ(area.OnMouseOut, "t()");
    EXPECT_EQ(area.Target, "_top");
    EXPECT_EQ(area.Href, "a.htm?x=1&y=2");
}

TEST_F(MapDefinitionReaderTest, AnOpenQuoteInTheTextHidesTheMap) {
    Read("<p>Bildschirm 24\" breit</p>" + KarteMap + KarteImg);
    ExpectStopped({msg::NoMapFound});
}

TEST_F(MapDefinitionReaderTest, ScriptsAndStyles) {
    // A map written by a script is collected like any other.
    Read("<script>document.write('" + KarteMap + "');</script>" + KarteImg);
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->Entries().size(), 2u);

    // Quotes inside script and style elements hide nothing while the maps are collected.
    for (const std::string element :
         {"<script>var zoll = 24\";</script>", "<STYLE>p:after { content: \"\\\"\"; }</STYLE>"}) {
        TRecordingReaderHost host;
        ReadMapDefinition(element + KarteMap + KarteImg, PathOf("s.html"), host);
        ASSERT_NE(host.Map(), nullptr) << element;
        EXPECT_EQ(host.Map()->Entries().size(), 2u) << element;
    }
}

TEST_F(MapDefinitionReaderTest, TheFirstMatchingImgWins) {
    WriteTestImage(PathOf("zweites.png"), 7, 9);
    Read(KarteMap + "<img src=\"zweites.png\" usemap=\"#karte\">" + KarteImg);
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->ImageFile, PathOf("zweites.png"));
    EXPECT_EQ(FHost.Document().SourceBitmap.size(), QSize(7, 9));
}

// The candidates in their order: as written (relative to the current folder), the file name
// beside the page, the written path below the page's folder.
class ImageCandidatesTest : public MapDefinitionReaderTest {
protected:
    void SetUp() override {
        MapDefinitionReaderTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(PathOf("seiten/sub"))));
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(PathOf("arbeit/sub"))));
        FOldCurrent = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(PathOf("arbeit"))));
    }
    void TearDown() override { QDir::setCurrent(FOldCurrent); }

    // Reads a page in "seiten" whose img has src; returns the image file used.
    std::string ImageFor(const std::string& src) {
        TRecordingReaderHost host;
        ReadMapDefinition("<map name=\"k\"></map><img src=\"" + src + "\" usemap=\"#k\">",
                          PathOf("seiten/seite.html"), host);
        EXPECT_TRUE(host.Messages.empty()) << src;
        return host.Map() ? host.Map()->ImageFile : std::string();
    }

    QString FOldCurrent;
};

TEST_F(ImageCandidatesTest, TriedInOrder) {
    WriteTestImage(PathOf("seiten/sub/b.png"), 3, 3);
    EXPECT_EQ(ImageFor("sub/b.png"), PathOf("seiten/sub/b.png"));
    WriteTestImage(PathOf("seiten/b.png"), 2, 2);
    EXPECT_EQ(ImageFor("sub/b.png"), PathOf("seiten/b.png"));
    WriteTestImage(PathOf("arbeit/sub/b.png"), 1, 1);
    EXPECT_EQ(ImageFor("sub/b.png"), PathOf("arbeit/sub/b.png"));
}

TEST_F(ImageCandidatesTest, WindowsPathsAndLetterCase) {
    WriteTestImage(PathOf("seiten/Haus.GIF"), 4, 5);
    WriteTestImage(PathOf("seiten/sub/Plan.png"), 4, 5);
    EXPECT_EQ(ImageFor("haus.gif"), PathOf("seiten/Haus.GIF"));
    EXPECT_EQ(ImageFor("C:\\Bilder\\HAUS.gif"), PathOf("seiten/Haus.GIF"));
    EXPECT_EQ(ImageFor("bilder/haus.gif"), PathOf("seiten/Haus.GIF"));
    EXPECT_EQ(ImageFor("SUB\\plan.PNG"), PathOf("seiten/sub/Plan.png"));
    EXPECT_EQ(ImageFor(PathOf("seiten/sub/plan.png")), PathOf("seiten/sub/Plan.png"));
}

// Case variants: an exact match of any candidate first; several matches that differ only in
// letter case are put to the user, the first in byte order preset.
TEST_F(ImageCandidatesTest, ExactMatchesFirstAndSeveralCaseVariantsAreAsked) {
    using TFiles = std::vector<std::string>;
    // src, the files made for it, the files found: one is used, several are asked about.
    const std::vector<std::tuple<std::string, TFiles, TFiles>> cases{
        {"bilder/foto.png",
         {"seiten/Bilder/Foto.png", "seiten/bilder/foto.png"},
         {"seiten/bilder/foto.png"}},
        {"BILDER/FOTO.PNG", {}, {"seiten/Bilder/Foto.png", "seiten/bilder/foto.png"}},
        // Beside the page (candidate 2) only without regard to case, below it (candidate 3)
        // exactly: the exact one wins.
        {"sub/b.png", {"seiten/B.png", "seiten/sub/b.png"}, {"seiten/sub/b.png"}},
        {"SUB/Z.PNG",
         {"seiten/sub/z.png", "seiten/SUB/Z.png"},
         {"seiten/SUB/Z.png", "seiten/sub/z.png"}},
        {"a&amp;b &quot;c&quot; &lt;d&gt;.png",
         {"seiten/a&b \"c\" <d>.png"},
         {"seiten/a&b \"c\" <d>.png"}},
    };
    for (const auto& [src, made, found] : cases) {
        TFiles paths;
        for (const std::string& file : made) {
            ASSERT_TRUE(QDir().mkpath(QString::fromStdString(FolderPart(PathOf(file)))));
            WriteTestImage(PathOf(file), 2, 2);
        }
        for (const std::string& file : found) {
            paths.push_back(PathOf(file));
        }
        TRecordingReaderHost host;
        host.ImageAnswers = {paths.back()};
        ReadMapDefinition("<map name=\"k\"></map><img src=\"" + src + "\" usemap=\"#k\">",
                          PathOf("seiten/seite.html"), host);
        ASSERT_NE(host.Map(), nullptr) << src;
        EXPECT_EQ(host.Map()->ImageFile, paths.back()) << src;
        EXPECT_EQ(host.MessageTexts(),
                  paths.size() == 1 ? TFiles{} : TFiles{msg::AmbiguousImageFile(paths)});
        if (paths.size() > 1) {
            ASSERT_EQ(host.ImageQuestions.size(), 1u) << src;
            EXPECT_EQ(host.ImageQuestions[0].PresetFileName, FileNamePart(paths[0]));
            EXPECT_EQ(host.ImageQuestions[0].InitialFolder, FolderPart(paths[0]));
        }
    }
}

// The img that shows the map keeps its description and border across a save and a reopen.
TEST_F(MapDefinitionReaderTest, TheImgsDescriptionAndBorderBecomeTheMaps) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {"alt=\"Haus &amp; &quot;Hof&quot;\" border=\"2\"", "Haus & \"Hof\"", "2"},
        {"border=\"-3\"", "", "3"},
        {"border=\" 4 \" alt=\"\"", "", "4"},
        {"border=\"dick\" ALT=\"Plan\"", "Plan", "0"},
        {"border=\"\"", "", "0"},
        {"", "", "0"},
    };
    for (const auto& [attributes, alt, border] : cases) {
        TRecordingReaderHost host;
        ReadMapDefinition(KarteMap + "<img src=\"bild.png\" " + attributes + " usemap=\"#karte\">",
                          PathOf("seite.html"), host);
        ASSERT_NE(host.Map(), nullptr) << attributes;
        EXPECT_EQ(host.Map()->AltText, alt) << attributes;
        EXPECT_EQ(host.Map()->Border, border) << attributes;
    }
}

TEST_F(MapDefinitionReaderTest, MissingImageIsAskedFor) {
    WriteTestImage(PathOf("anderswo.png"), 6, 4);
    FHost.ImageAnswers = {PathOf("anderswo.png")};
    Read(KarteMap + "<img src=\"pics/fehlt.png\" usemap=\"#karte\">", "seiten.html");
    ASSERT_EQ(FHost.Messages.size(), 1u);
    EXPECT_EQ(FHost.Messages[0].Text, msg::ImageNotFound);
    EXPECT_EQ(FHost.Messages[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(FHost.Messages[0].HelpContext, 135);
    ASSERT_EQ(FHost.ImageQuestions.size(), 1u);
    EXPECT_EQ(FHost.ImageQuestions[0].PresetFileName, "fehlt.png");
    EXPECT_EQ(FHost.ImageQuestions[0].InitialFolder, Folder());
    EXPECT_EQ(FHost.ImageQuestions[0].Filter,
              "Bilddateien (*.gif;*.jpg;*.jpeg;*.png)|*.GIF;*.JPG;*.JPEG;*.PNG|GIF-Dateien "
              "(*.gif)|*.GIF|JPEG-Dateien (*.jpg;*.jpeg)|*.JPG;*.JPEG|PNG-Dateien (*.png)|*.PNG");
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->ImageFile, PathOf("anderswo.png"));
    EXPECT_EQ(FHost.Document().SourceBitmap.size(), QSize(6, 4));
}

TEST_F(MapDefinitionReaderTest, CancelledImageQuestionStops) {
    FHost.ImageAnswers = {std::nullopt};
    Read(KarteMap + "<img src=\"fehlt.png\" usemap=\"#karte\">");
    ExpectStopped({msg::ImageNotFound, msg::ImageChoiceCancelled});
    EXPECT_EQ(FHost.Messages[1].Kind, TMessageKind::Warning);
    EXPECT_EQ(FHost.Messages[1].HelpContext, 0);
}

struct TShapeCase {
    const char* Area;
    const char* Expected; // project-variant opening up to the coordinates, "" when skipped
};

class ShapeTable : public MapDefinitionReaderTest,
                   public ::testing::WithParamInterface<TShapeCase> {};

TEST_P(ShapeTable, CreatesOrSkipsTheArea) {
    Read("<map name=\"k\">" + std::string(GetParam().Area) + "</map>" +
         "<img src=\"bild.png\" usemap=\"#k\">");
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_TRUE(FHost.Messages.empty());
    const std::vector<std::string> lines = AreaLines(*FHost.Map());
    if (std::string(GetParam().Expected).empty()) {
        EXPECT_TRUE(lines.empty()) << GetParam().Area;
    } else {
        ASSERT_EQ(lines.size(), 1u) << GetParam().Area;
        EXPECT_EQ(lines[0].substr(0, std::string(GetParam().Expected).size()), GetParam().Expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShapeTable,
    ::testing::Values(TShapeCase{"<area shape=\"rect\" coords=\"30,40,10,20\">",
                                 " <area shape=\"rect\" coords=\"10,20,30,40\""},
                      TShapeCase{"<area shape=\"rect\" coords=\"1,2,3,4,5,6\">",
                                 " <area shape=\"rect\" coords=\"1,2,3,4\""},
                      TShapeCase{"<area shape=\"RECT\" coords=\"1, 2, 3, 4\">",
                                 " <area shape=\"rect\" coords=\"1,2,3,4\""},
                      TShapeCase{"<area shape=\"rect\" coords=\"10 20 30 40\">", ""},
                      TShapeCase{"<area shape=\"rect\" coords=\"1,2,3\">", ""},
                      TShapeCase{"<area shape=\"circle\" coords=\"50,50,-8\">",
                                 " <area shape=\"circle\" coords=\"50,50,8\""},
                      TShapeCase{"<area shape=\"circle\" coords=\"50,50\">", ""},
                      // The creation drag of a circle at the edge of the 32-bit range wraps around.
                      TShapeCase{"<area shape=\"circle\" coords=\"2147483647,0,5\">",
                                 " <area shape=\"circle\" coords=\"2147483647,0,5\""},
                      TShapeCase{"<area shape=\"poly\" coords=\"1,2,3,4,5,6,7\">",
                                 " <area shape=\"poly\" coords=\"1,2,3,4,5,6\""},
                      TShapeCase{"<area shape=\"polygon\" coords=\"1,2,3,4\">",
                                 " <area shape=\"poly\" coords=\"1,2,3,4\""},
                      TShapeCase{"<area shape=\"poly\" coords=\"1,2,3,4,5,6,\">",
                                 " <area shape=\"poly\" coords=\"1,2,3,4,5,6\""},
                      TShapeCase{"<area shape=\"poly\" coords=\"1,2,3\">", ""},
                      TShapeCase{"<area shape=\"default\" coords=\"1,2,3,4\">", ""},
                      TShapeCase{"<area coords=\"1,2,3,4\" href=\"x\">", ""},
                      TShapeCase{"<area shape=\"\" coords=\"1,2,3,4\">", ""},
                      TShapeCase{"<img src=\"x\"><p>1,2,3,4</p>", ""}));

struct TColorCase {
    const char* Attributes;
    TColor Color;
    bool Contrast;
};

class ColorTable : public MapDefinitionReaderTest,
                   public ::testing::WithParamInterface<TColorCase> {};

TEST_P(ColorTable, ReadsKvxColorAndContrast) {
    Read("<map name=\"k\"><area shape=\"rect\" coords=\"1,2,3,4\" " +
         std::string(GetParam().Attributes) + "></map><img src=\"bild.png\" usemap=\"#k\">");
    ASSERT_NE(FHost.Map(), nullptr);
    ASSERT_EQ(FHost.Map()->Entries().size(), 1u);
    const TLinkArea& area = *FHost.Map()->Entries()[0].Area;
    EXPECT_EQ(area.Color, GetParam().Color) << GetParam().Attributes;
    EXPECT_EQ(area.Contrast, GetParam().Contrast) << GetParam().Attributes;
}

INSTANTIATE_TEST_SUITE_P(
    Colors, ColorTable,
    ::testing::Values(TColorCase{"kvxcolor=\"255\" kvxcontrast=\"1\"", 0, true},
                      TColorCase{"kvxcolor=\"255\" kvxcontrast=\"0\"", 255, false},
                      TColorCase{"KVXCOLOR=\"-5\"", -5, false},
                      TColorCase{"kvxcontrast=\"0\"", 0, true},
                      TColorCase{"kvxcolor=\"\" kvxcontrast=\"0\"", 0, true},
                      TColorCase{"", 0, true}));

TEST_F(MapDefinitionReaderTest, InvalidNumbersEndInTheLoadError) {
    for (const std::string area : {"<area shape=\"rect\" coords=\"1,2,3,4\" kvxcolor=\"#FF0000\">",
                                   "<area shape=\"rect\" coords=\"1,-,3,4\">",
                                   "<area shape=\"circle\" coords=\"1,2,99999999999\">"}) {
        FHost = TRecordingReaderHost();
        Read("<map name=\"k\"><area shape=\"rect\" coords=\"0,0,1,1\">" + area +
             "</map><img src=\"bild.png\" usemap=\"#k\">");
        ExpectLoadError();
    }
}

TEST_F(MapDefinitionReaderTest, ImageThatDoesNotLoadEndsInTheLoadError) {
    WriteBytes(PathOf("kaputt.png"), "kein Bild");
    WriteBytes(PathOf("bild.bmp"), "BM");
    for (const std::string image : {"kaputt.png", "bild.bmp"}) {
        FHost = TRecordingReaderHost();
        Read(KarteMap + "<img src=\"" + image + "\" usemap=\"#karte\">");
        ExpectLoadError();
    }
}

TEST_F(MapDefinitionReaderTest, CollectMapNamesListsWhatTheChoiceWouldOffer) {
    const std::vector<std::string> names = {"a<b", "nurId", "a<b"};
    EXPECT_EQ(CollectMapNames("<map name=\"a&lt;b\"></map><MAP ID=\"nurId\"><map>"
                              "<map name=\"a&lt;b\" id=\"x\">"),
              names);
    EXPECT_TRUE(CollectMapNames("<p>keine</p> &lt;map name=\"x\"&gt;").empty());
}

} // namespace
} // namespace kvx::test
