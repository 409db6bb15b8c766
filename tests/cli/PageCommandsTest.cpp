// kvxtool insert and new-page: pages in many encodings and with mixed line ends, in another
// folder than the image. Every byte outside the definition stays; the definition reads
// correctly under the page's encoding. Expected bytes are made with the C library's iconv.
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iconv.h>

namespace {

using kvx::test::ReadBytes;
using kvx::test::WriteBytes;

QByteArray Encoded(const std::string& utf8, const char* encoding) {
    iconv_t converter = iconv_open(encoding, "UTF-8");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << encoding;
    std::string out(utf8.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    EXPECT_NE(iconv(converter, &in, &inLeft, &next, &outLeft), std::size_t(-1)) << encoding;
    iconv(converter, nullptr, nullptr, &next, &outLeft);
    iconv_close(converter);
    return QByteArray(out.data(), qsizetype(next - out.data()));
}

// The definition of the source's map, with its alt text as the page holds it.
std::string Definition(const std::string& lineEnd, const std::string& alt,
                       const std::string& source) {
    return "<map name=\"karte\" id=\"karte\">" + lineEnd +
           " <area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.htm\" alt=\"" + alt + "\" title=\"" +
           alt + "\" />" + lineEnd + "</map>" + lineEnd + "<img src=\"" + source +
           "\" width=\"100\" height=\"60\" border=\"0\" alt=\"\" title=\"\" usemap=\"#karte\" />" +
           lineEnd;
}

class PageCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        ASSERT_TRUE(QDir(FDir.path()).mkpath("Bilder"));
        ASSERT_TRUE(QDir(FDir.path()).mkpath("web"));
        QImage image(100, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(PathOf("Bilder/Karte.PNG"), "PNG"));
        WriteBytes(PathOf("quelle.htm"),
                   "<map name=\"karte\"><area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.htm\" "
                   "alt=\"Kueche \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80\"></map>"
                   "<img src=\"Bilder/Karte.PNG\" usemap=\"#karte\">");
    }

    QString PathOf(const QString& name) const { return FDir.filePath(name); }

    int Run(const QStringList& arguments, QByteArray* errors = nullptr) const {
        QProcess process;
        process.setWorkingDirectory(FDir.path());
        process.start(KVX_BIN_DIR "/kvxtool", arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            process.kill();
            ADD_FAILURE() << "kvxtool did not finish: " << arguments.join(' ').toStdString();
            return -1;
        }
        if (errors != nullptr) {
            *errors = process.readAllStandardError();
        }
        return process.exitCode();
    }

    QTemporaryDir FDir;
};

struct TEncodingCase {
    const char* Converter; // iconv's name
    const char* Head;      // the page's start, declaring the encoding where it needs to
    const char* Sample;    // text of the page's script
    const char* Alt;       // how the map's alt text "Kueche 日本 😀" is written
};

// The alt text in pages whose encoding lacks the emoji, or the emoji and the ideographs.
constexpr const char* Cjk = "Kueche 日本 &#128512;";
constexpr const char* Latin = "Kueche &#26085;&#26412; &#128512;";

TEST_F(PageCommandsTest, InsertKeepsEveryOtherByteOfPagesInManyEncodings) {
    const TEncodingCase cases[] = {
        {"UTF-8", "", "Grüße ☺", "Kueche 日本 😀"},
        {"UTF-16LE", "", "Grüße ☺", "Kueche 日本 😀"},
        {"WINDOWS-1252", "<meta charset=\"iso-8859-1\">", "Grüße", Latin},
        {"WINDOWS-31J", "<meta charset=\"shift_jis\">", "日本語 ①", Cjk},
        {"CP949", "<meta charset=\"euc-kr\">", "한국어", Cjk},
        {"GB18030", "<meta charset=\"gbk\">", "中文", "Kueche 日本 😀"},
        {"BIG5-HKSCS", "<meta charset=\"big5\">", "中文", Cjk},
        {"EUC-JP", "<meta charset=\"euc-jp\">", "日本語", Cjk},
        {"ISO-2022-JP", "<meta charset=\"iso-2022-jp\">", "日本語", Cjk},
        {"KOI8-R", "<meta charset=\"koi8-r\">", "Привет", Latin},
        {"WINDOWS-1251", "<meta charset=\"windows-1251\">", "Привет", Latin},
        {"ISO-8859-2", "<meta charset=\"iso-8859-2\">", "Łódź", Latin},
    };
    for (const TEncodingCase& c : cases) {
        SCOPED_TRACE(c.Converter);
        const bool utf16 = std::string_view(c.Converter) == "UTF-16LE";
        // Line ends of three kinds, CR LF the most common.
        const std::string before = std::string(c.Head) + "\r\n<script>s='" + c.Sample +
                                   "';</script>\r\r\n<p>x</p>\n<p>" + c.Sample + "</p>\r\n";
        const std::string after = "</BODY>\r\n</html>";
        const QByteArray mark = utf16 ? QByteArray("\xFF\xFE") : QByteArray();
        const QByteArray page = mark + Encoded(before + after, c.Converter);
        WriteBytes(PathOf("web/seite.htm"), page);

        QByteArray errors;
        ASSERT_EQ(Run({"insert", "quelle.htm", "web/seite.htm"}, &errors), 0) << errors.data();
        const std::string definition = Definition("\r\n", c.Alt, "../Bilder/Karte.PNG");
        const QByteArray expected = mark + Encoded(before + definition + after, c.Converter);
        EXPECT_EQ(ReadBytes(PathOf("web/seite.htm")), expected);
        // The bytes before and after the definition are the page's own.
        EXPECT_TRUE(ReadBytes(PathOf("web/seite.htm"))
                        .endsWith(Encoded(after, c.Converter).right(utf16 ? 32 : 16)));
        EXPECT_TRUE(ReadBytes(PathOf("web/seite.htm")).startsWith(page.left(page.size() - 40)));
    }
}

TEST_F(PageCommandsTest, InsertReplacesTheMapAndUpdatesItsImagesOrRefuses) {
    const QByteArray page =
        "<body>\n<map name=\"karte\">\n<area shape=\"rect\" coords=\"9,9,9,9\">\n</map>\n"
        "<p><img class=\"gross\" src=\"alt.png\" usemap=\"#karte\" style=\"border:0\"></p>\n"
        "</body>\n";
    WriteBytes(PathOf("web/seite.htm"), page);
    ASSERT_EQ(Run({"insert", "--out", "web/neu.htm", "quelle.htm", "web/seite.htm"}), 0);
    EXPECT_EQ(ReadBytes(PathOf("web/seite.htm")), page); // --out leaves the page alone
    // The page is ASCII without a declaration: other characters become references.
    std::string map = Definition("\n", Latin, "../Bilder/Karte.PNG");
    map = map.substr(0, map.find("</map>") + 6);
    const std::string expected =
        "<body>\n" + map +
        "\n<p><img class=\"gross\" src=\"../Bilder/Karte.PNG\" usemap=\"#karte\" "
        "style=\"border:0\" width=\"100\" height=\"60\" border=\"0\" alt=\"\" title=\"\"></p>\n"
        "</body>\n";
    EXPECT_EQ(ReadBytes(PathOf("web/neu.htm")).toStdString(), expected);

    // An unclosed map, a source as output and wrong command lines change nothing.
    const QByteArray unclosed = "<map name=\"karte\"><area>\n</body>";
    WriteBytes(PathOf("web/offen.htm"), unclosed);
    QByteArray errors;
    EXPECT_EQ(Run({"insert", "quelle.htm", "web/offen.htm"}, &errors), 1);
    EXPECT_TRUE(errors.contains("nicht mit </map> abgeschlossen")) << errors.data();
    EXPECT_EQ(ReadBytes(PathOf("web/offen.htm")), unclosed);
    EXPECT_EQ(Run({"insert", "--out", "./quelle.htm", "quelle.htm", "web/seite.htm"}, &errors), 1);
    EXPECT_TRUE(errors.contains("Quelldatei")) << errors.data();
    EXPECT_EQ(Run({"insert", "quelle.htm"}), 2);
    EXPECT_EQ(Run({"insert", "--vorlage", "x", "quelle.htm", "web/seite.htm"}), 2);
    EXPECT_EQ(Run({"insert", "quelle.htm", "web/fehlt.htm"}), 1);
    EXPECT_FALSE(QFile::exists(PathOf("web/fehlt.htm")));
}

TEST_F(PageCommandsTest, NewPageIsTheTemplateWithTheDefinitionInItsEncoding) {
    // No template beside the program: the built-in page, UTF-8.
    ASSERT_EQ(Run({"new-page", "quelle.htm", "web/neu.htm"}), 0);
    const QByteArray page = ReadBytes(PathOf("web/neu.htm"));
    EXPECT_TRUE(page.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 "
                                "Transitional//EN\">\r\n\r\n<html>\r\n<head>\r\n <meta "
                                "charset=\"utf-8\">\r\n"));
    EXPECT_TRUE(page.contains(QByteArray::fromStdString(
        "<body>\r\n\r\n" + Definition("\r\n", "Kueche 日本 😀", "../Bilder/Karte.PNG") +
        "\r\n</body>\r\n</html>")));

    WriteBytes(PathOf("vorlage.htm"), "<p>Gr\xFC\xDF"
                                      "e</p>\n<!-- !!!Image-Map!!! -->\n");
    ASSERT_EQ(Run({"new-page", "--template", "vorlage.htm", "quelle.htm", "Bilder/neu.htm"}), 0);
    EXPECT_EQ(
        ReadBytes(PathOf("Bilder/neu.htm")),
        Encoded("<p>Grüße</p>\n" + Definition("\n", Latin, "Karte.PNG") + "\n", "WINDOWS-1252"));

    WriteBytes(PathOf("leer.htm"), "<p></p>");
    QByteArray errors;
    EXPECT_EQ(Run({"new-page", "--template", "leer.htm", "quelle.htm", "x.htm"}, &errors), 1);
    EXPECT_TRUE(errors.contains("Markierung")) << errors.data();
    EXPECT_EQ(Run({"new-page", "--template", "fehlt.htm", "quelle.htm", "x.htm"}), 1);
    EXPECT_EQ(Run({"new-page", "quelle.htm", "quelle.htm"}), 1);
    EXPECT_FALSE(QFile::exists(PathOf("x.htm")));
    EXPECT_EQ(Run({"new-page", "quelle.htm"}), 2);
}

} // namespace
