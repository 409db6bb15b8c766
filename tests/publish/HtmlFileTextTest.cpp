#include "publish/HtmlFileText.h"
#include "platform/FileError.h"

#include "PublishFixture.h"

#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace kvx {
namespace {

struct TFileCase {
    const char* Name;
    QByteArray Bytes;
    QString Text;
    TTextEncoding Encoding;
    bool ByteOrderMark;
    const char* LineEnd;
};

// Each file is read into the editor's form and written back byte for byte.
TEST(HtmlFileText, ReadsEachFileFormatAndWritesItBackUnchanged) {
    const TFileCase cases[] = {
        {"Windows-1252, CR LF",
         QByteArray("<p>Gr\xFC\xDF"
                    "e</p>\r\n<p>\x80</p>\r\n"),
         QStringLiteral("<p>Grüße</p>\n<p>€</p>\n"), TTextEncoding::Windows1252, false, "\r\n"},
        {"UTF-8, LF",
         QByteArray("<p>Gr\xC3\xBC\xC3\x9F"
                    "e</p>\n<p>x</p>"),
         QStringLiteral("<p>Grüße</p>\n<p>x</p>"), TTextEncoding::Utf8, false, "\n"},
        {"UTF-8 with BOM, CR LF", QByteArray("\xEF\xBB\xBF<p>\xC3\xA4</p>\r\n"),
         QStringLiteral("<p>ä</p>\n"), TTextEncoding::Utf8, true, "\r\n"},
        {"old Mac CR", QByteArray("a\rb\r"), QStringLiteral("a\nb\n"), TTextEncoding::Utf8, false,
         "\r"},
        {"one line", QByteArray("<html></html>"), QStringLiteral("<html></html>"),
         TTextEncoding::Utf8, false, "\r\n"},
        // A no-break space is kept, not turned into a blank.
        {"no-break space",
         QByteArray("a\xC2\xA0"
                    "b\r\n"),
         QStringLiteral("a\u00A0b\n"), TTextEncoding::Utf8, false, "\r\n"},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const TFileCase& c : cases) {
        const QString path = folder.filePath("seite.htm");
        test::WriteBytes(path, c.Bytes);
        const THtmlFileText file = LoadHtmlFile(path.toStdString());
        EXPECT_EQ(file.Text, c.Text) << c.Name;
        EXPECT_EQ(file.Format.Encoding, c.Encoding) << c.Name;
        EXPECT_EQ(file.Format.ByteOrderMark, c.ByteOrderMark) << c.Name;
        EXPECT_EQ(file.Format.LineEnd, QString::fromLatin1(c.LineEnd)) << c.Name;

        // Through the editor and back, as the HTML file window saves it.
        QTextDocument document;
        document.setPlainText(file.Text);
        EXPECT_EQ(EncodeHtmlFile(EditorText(document), file.Format), c.Bytes) << c.Name;
    }
}

TEST(HtmlFileText, LoadingAMissingFileThrowsTheSystemsError) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    try {
        LoadHtmlFile(folder.filePath("fehlt.htm").toStdString());
        FAIL() << "no error";
    } catch (const TFileError& error) {
        EXPECT_EQ(error.Code, ENOENT);
    }
}

TEST(HtmlFileText, ChoosesTheEncodingByTheFilesOwnAndFallsBackToUtf8) {
    THtmlFileFormat newFile; // CR LF, Windows-1252 when everything fits
    EXPECT_EQ(EncodeHtmlFile(QStringLiteral("ä\nb"), newFile), QByteArray("\xE4\r\nb"));
    EXPECT_EQ(EncodeHtmlFile(QStringLiteral("ä\u0394"), newFile), QByteArray("\xC3\xA4\xCE\x94"));

    THtmlFileFormat latin;
    latin.Encoding = TTextEncoding::Windows1252;
    latin.LineEnd = QStringLiteral("\n");
    EXPECT_EQ(EncodeHtmlFile(QStringLiteral("€\n"), latin), QByteArray("\x80\n"));
    // A Greek letter does not fit Windows-1252: the whole file becomes UTF-8.
    EXPECT_EQ(EncodeHtmlFile(QStringLiteral("€\u0394"), latin), QByteArray("\xE2\x82\xAC\xCE\x94"));

    THtmlFileFormat utf8;
    utf8.Encoding = TTextEncoding::Utf8;
    EXPECT_EQ(EncodeHtmlFile(QStringLiteral("ä"), utf8), QByteArray("\xC3\xA4"));
}

TEST(HtmlFileText, EditorTextTurnsEveryKindOfLineBreakIntoLf) {
    QTextDocument document;
    // A Shift+Enter line break (U+2028) is written as an ordinary line end.
    document.setPlainText(QStringLiteral("a\r\nb\rc\u2028d"));
    EXPECT_EQ(EditorText(document), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(ToEditorLineEnds(QStringLiteral("a\r\nb\rc\nd\r")), QStringLiteral("a\nb\nc\nd\n"));
}

} // namespace
} // namespace kvx
