// Project files: version recognition, what Save and Save As write, saving and opening again,
// encodings, and files that cannot be written or are no project files.
#include "formats/ProjectFile.h"
#include "ReaderFixtures.h"
#include "RecordingReaderHost.h"
#include "formats/ReaderMessages.h"
#include "model/AreaFromCoordinates.h"
#include "platform/FileError.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace kvx::test {
namespace {

namespace msg = ReaderMessages;

TEST(DetectProjectVersion, ReadsTheFourCharactersAfterTheFirst) {
    struct TCase {
        const char* Line;
        TProjectVersion Version;
    };
    for (const TCase& c :
         {TCase{"\"kvx200\",\"\",\"\"", TProjectVersion::Version2},
          TCase{"'kvx2", TProjectVersion::Version2},
          TCase{"\"kvx299 und mehr", TProjectVersion::Version2},
          TCase{"\"kvx100\",\"c:\\a.gif\",\"k\"", TProjectVersion::Version1},
          TCase{"\"kvx300\"", TProjectVersion::Unsupported},
          TCase{"\"kvx\"", TProjectVersion::Unsupported},
          TCase{"xkvx", TProjectVersion::Unsupported}, TCase{"kvx200", TProjectVersion::Foreign},
          TCase{"\"KVX200\"", TProjectVersion::Foreign}, TCase{"<html>", TProjectVersion::Foreign},
          TCase{"\"", TProjectVersion::Foreign}, TCase{"", TProjectVersion::Foreign}}) {
        EXPECT_EQ(DetectProjectVersion(c.Line), c.Version) << c.Line;
    }
}

// A map with every kind of area and the texts that need care.
void FillMap(TImageMap& map, const std::string& imageFile) {
    map.Name = "karte \"1\" & <2>";
    map.ImageFile = imageFile;
    map.AltText = "Beschreibung & \"Dach\" <1>";
    map.Border = "2";
    std::string status;
    const auto finish = [&](const std::string& href, TColor color, bool contrast) {
        map.ModifySelected(0, 0, 0, 0, mmFinish, status);
        TLinkAreaProperties props;
        map.GetSelectedProperties(props);
        props.Href = href;
        props.Alt = "Dach & \"Giebel\"";
        props.Target = "_blank";
        props.OnClick = "zeige('<b>')";
        props.OnMouseOver = "a()";
        props.OnMouseOut = "b()";
        props.Color = color;
        props.Contrast = contrast;
        map.SetSelectedProperties(props);
        map.ClearSelection();
    };
    AddAreaFromCoordinates(map, akRectangle, {10, 20, 110, 80}, false);
    finish("wohnzimmer.htm?a=1&b=2", 255, false);
    AddAreaFromCoordinates(map, akCircle, {200, 150, 40}, false);
    finish("", 0x00FF00, true);
    AddAreaFromCoordinates(map, akPolygon, {300, 50, 350, 120, 260, 120}, false);
    finish("dach.htm", 0x123456, false);
}

std::string Html(const TImageMap& map) {
    std::string html;
    map.GetHtml(40, 30, true, false, html);
    return html;
}

class ProjectFileTest : public TReaderTest {
protected:
    void SetUp() override {
        WriteTestImage(PathOf("Bild.PNG"), 40, 30);
        FillMap(FMap, PathOf("Bild.PNG"));
    }

    TImageMap FMap;
    TRecordingReaderHost FHost;
};

TEST_F(ProjectFileTest, SaveWritesHeaderThenTheProjectVariant) {
    const std::string text = ProjectFileText(FMap, 40, 30, false);
    EXPECT_EQ(text, "\"kvx200\",\"\",\"\"\r\n" + Html(FMap));
    EXPECT_EQ(text.substr(14, 13), "\r\n<map name=\"");
}

TEST_F(ProjectFileTest, SaveAsWritesTheImagePathAsHeldOnLineTwo) {
    EXPECT_EQ(ProjectFileText(FMap, 40, 30, true),
              "\"kvx200\",\"\",\"\"\r\n" + PathOf("Bild.PNG") + "\r\n" + Html(FMap));
}

// Save, then Open: the same map, except for the two things the reader does not take back.
void ExpectSameMapAfterOpening(const TImageMap& saved, const TImageMap& opened) {
    EXPECT_EQ(opened.Name, saved.Name);
    EXPECT_EQ(opened.AltText, saved.AltText);
    EXPECT_EQ(opened.Border, saved.Border);
    ASSERT_EQ(opened.Entries().size(), saved.Entries().size());
    for (std::size_t i = 0; i < saved.Entries().size(); ++i) {
        TLinkAreaProperties before;
        TLinkAreaProperties after;
        saved.Entries()[i].Area->GetProperties(before);
        opened.Entries()[i].Area->GetProperties(after);
        EXPECT_EQ(after.Kind, before.Kind);
        EXPECT_EQ(after.Coords, before.Coords);
        EXPECT_EQ(after.Href, before.Href.empty() ? "#" : before.Href);
        EXPECT_EQ(after.Alt, before.Alt);
        EXPECT_EQ(after.Target, before.Target);
        EXPECT_EQ(after.OnClick, before.OnClick);
        EXPECT_EQ(after.OnMouseOver, before.OnMouseOver);
        EXPECT_EQ(after.OnMouseOut, before.OnMouseOut);
        EXPECT_EQ(after.Contrast, before.Contrast);
        EXPECT_EQ(after.Color, before.Contrast ? 0 : before.Color);
        EXPECT_EQ(opened.Entries()[i].Id, static_cast<std::int32_t>(i + 1));
    }
}

TEST_F(ProjectFileTest, SavedMapOpensAgain) {
    for (const bool saveAs : {false, true}) {
        const std::string path = PathOf(saveAs ? "unter.kvx" : "karte.kvx");
        SaveProjectFile(path, FMap, 40, 30, saveAs);
        TRecordingReaderHost host;
        OpenProjectFile(path, host);
        ASSERT_NE(host.Map(), nullptr) << path;
        EXPECT_TRUE(host.Messages.empty());
        EXPECT_EQ(host.Map()->ImageFile, PathOf("Bild.PNG"));
        EXPECT_EQ(host.Map()->ProjectFile, path);
        ExpectSameMapAfterOpening(FMap, *host.Map());
    }
}

TEST_F(ProjectFileTest, SaveAsLineWithAQuoteDoesNotHideTheMap) {
    WriteTestImage(PathOf("zoll 24\".png"), 5, 5);
    FMap.ImageFile = PathOf("zoll 24\".png");
    const std::string text = ProjectFileText(FMap, 5, 5, true);
    EXPECT_NE(text.find("\r\n" + PathOf("zoll 24&quot;.png") + "\r\n"), std::string::npos);
    SaveProjectFile(PathOf("q.kvx"), FMap, 5, 5, true);
    // The img line cuts the source at the quote, so the image itself has to be pointed out.
    FHost.ImageAnswers = {PathOf("zoll 24\".png")};
    OpenProjectFile(PathOf("q.kvx"), FHost);
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->Entries().size(), 3u);
}

TEST_F(ProjectFileTest, TextsFittingWindows1252AreSavedSo) {
    FMap.Name = "Häuser";
    SaveProjectFile(PathOf("ansi.kvx"), FMap, 40, 30, false);
    const QByteArray bytes = ReadBytes(PathOf("ansi.kvx"));
    EXPECT_TRUE(bytes.contains("<map name=\"H\xE4user\""));
    EXPECT_FALSE(bytes.contains("H\xC3\xA4user"));
    OpenProjectFile(PathOf("ansi.kvx"), FHost);
    ASSERT_NE(FHost.Map(), nullptr);
    EXPECT_EQ(FHost.Map()->Name, "Häuser");
}

TEST_F(ProjectFileTest, TextsBeyondWindows1252OrReadingAsUtf8AreSavedAsUtf8) {
    // "Â®" fits Windows-1252, but those two bytes would read back as the UTF-8 of "®".
    for (const std::string name : {"Häuser Ω", "Â®"}) {
        FMap.Name = name;
        SaveProjectFile(PathOf("utf8.kvx"), FMap, 40, 30, false);
        const QByteArray bytes = ReadBytes(PathOf("utf8.kvx"));
        EXPECT_TRUE(bytes.contains(QByteArray::fromStdString("<map name=\"" + name + "\"")));
        TRecordingReaderHost host;
        OpenProjectFile(PathOf("utf8.kvx"), host);
        ASSERT_NE(host.Map(), nullptr);
        EXPECT_EQ(host.Map()->Name, name);
    }
}

TEST_F(ProjectFileTest, EveryLineEndsWithCrLf) {
    SaveProjectFile(PathOf("zeilen.kvx"), FMap, 40, 30, true);
    const QByteArray bytes = ReadBytes(PathOf("zeilen.kvx"));
    EXPECT_EQ(bytes.count('\n'), 8);
    EXPECT_EQ(bytes.count("\r\n"), 8);
    EXPECT_TRUE(bytes.endsWith("/>\r\n"));
}

TEST_F(ProjectFileTest, FailedSaveLeavesThePreviousFileIntact) {
    const std::string path = PathOf("karte.kvx");
    WriteBytes(path, "vorher");
    // A file size limit makes the write fail half-way, as a full disk would.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool failed = false;
    try {
        SaveProjectFile(path, FMap, 40, 30, false);
    } catch (const TFileError& error) {
        failed = true;
        const std::string message = SaveFileErrorMessage(error);
        EXPECT_TRUE(message.starts_with("Fehler beim Öffnen der Datei! Bitte drücken Sie F1 für "
                                        "weitere Informationen!\r\nGenauer Fehler: "));
        EXPECT_TRUE(message.ends_with(")"));
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ReadBytes(path), "vorher");
}

TEST_F(ProjectFileTest, SaveIntoAMissingFolderThrows) {
    EXPECT_THROW(SaveProjectFile(PathOf("fehlt/karte.kvx"), FMap, 40, 30, false), TFileError);
}

TEST_F(ProjectFileTest, OpenRefusesOtherVersionsAndForeignFiles) {
    struct TCase {
        QByteArray Bytes;
        const char* Message;
    };
    for (const TCase& c :
         {TCase{"\"kvx300\",\"\",\"\"\r\n<map name=\"k\"></map>", msg::IncompatibleVersion},
          TCase{"<html><map name=\"k\"></map></html>", msg::NotAProjectFile},
          TCase{"", msg::NotAProjectFile}}) {
        WriteBytes(PathOf("x.kvx"), c.Bytes);
        TRecordingReaderHost host;
        OpenProjectFile(PathOf("x.kvx"), host);
        EXPECT_EQ(host.Map(), nullptr);
        ASSERT_EQ(host.Messages.size(), 1u);
        EXPECT_EQ(host.Messages[0].Text, c.Message);
        EXPECT_EQ(host.Messages[0].Kind, TMessageKind::Error);
        EXPECT_EQ(host.Messages[0].HelpContext, 0);
    }
}

TEST_F(ProjectFileTest, OpenOfAMissingFileThrowsForTheCallersMessage) {
    try {
        OpenProjectFile(PathOf("fehlt.kvx"), FHost);
        ADD_FAILURE() << "no error";
    } catch (const TFileError& error) {
        EXPECT_TRUE(OpenFileErrorMessage(error).starts_with(
            "Fehler beim Öffnen der Datei! Drücken Sie F1 für weitere Informationen!\r\n"
            "Genauer Fehler: "));
    }
    EXPECT_TRUE(FHost.Calls.empty());
}

TEST_F(ProjectFileTest, Version2LinesAreJoinedWithBlanks) {
    // A tag split over lines reads as if the lines were separated by a blank.
    WriteBytes(PathOf("hand.kvx"), "\"kvx200\",\"\",\"\"\n<map name=\"k\">\n<area\nshape=\"rect\"\r"
                                   "coords=\"1,2,3,4\"\r\nalt=\"x\">\n</map>\n<img src=\"bild.png\""
                                   "\nusemap=\"#k\">");
    OpenProjectFile(PathOf("hand.kvx"), FHost);
    ASSERT_NE(FHost.Map(), nullptr);
    ASSERT_EQ(FHost.Map()->Entries().size(), 1u);
    EXPECT_EQ(FHost.Map()->Entries()[0].Area->Alt, "x");
}

TEST_F(ProjectFileTest, ImportReadsThePagesOwnEncodingAndLeavesTheMapUnsaved) {
    const std::pair<QByteArray, std::string> pages[] = {
        {"", "Grüße"}, // no declaration, not UTF-8: Windows-1252
        {"<meta charset=\"shift_jis\">", "日本"},
    };
    for (const auto& [declaration, alt] : pages) {
        const QByteArray altBytes = declaration.isEmpty() ? "Gr\xFC\xDF\x65" : "\x93\xFA\x96\x7B";
        WriteBytes(PathOf("seite.htm"),
                   declaration +
                       "<map name=\"k\">\r\n<area shape=\"rect\"\r\n"
                       "coords=\"1,2,3,4\" alt=\"" +
                       altBytes + "\">\r\n</map><img src=\"bild.png\" usemap=\"#k\">\r\n");
        TRecordingReaderHost host;
        ImportHtmlFile(PathOf("seite.htm"), host);
        ASSERT_NE(host.Map(), nullptr);
        EXPECT_EQ(host.Map()->ProjectFile, "");
        ASSERT_EQ(host.Map()->Entries().size(), 1u);
        EXPECT_EQ(host.Map()->Entries()[0].Area->Alt, alt);
    }
}

TEST(JoinLines, EveryLineIsFollowedByTheSeparator) {
    EXPECT_EQ(JoinLines(std::vector<std::string>{"a", "", "b"}, " "), "a  b ");
    EXPECT_EQ(JoinLines(std::vector<std::string>{}, "\r"), "");
}

} // namespace
} // namespace kvx::test
