#include "publish/HtmlFileText.h"
#include "support/FileBytes.h"

#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace kvx {
namespace {

using namespace std::string_view_literals;
using test::Bytes;

struct TFileCase {
    const char* Name;
    QByteArray Bytes;
    QString Shown;  // what the editor shows
    QString Status; // the status line
    const char* U;  // how "ü" typed at the end is written
};

// Each page goes through Qt's editor and back: without an edit the file's bytes come back
// exactly; with a line typed at its end only that line is added, in the page's line end.
TEST(HtmlFileText, PagesGoThroughTheEditorAndBackByteForByte) {
    const TFileCase cases[] = {
        {"windows-1252, CR LF", "<p>Gr\xFC\xDF\x65</p>\r\n<p>\x80</p>\r\n",
         QStringLiteral("<p>Grüße</p>\n<p>€</p>\n"),
         QStringLiteral("Kodierung: windows-1252 (angenommen) – Zeilenende: CR LF"), "ü"},
        {"UTF-8 with mark, CR CR LF and CR", "\xEF\xBB\xBF<p>\xC3\xA4</p>\r\r\na\rb\r",
         QStringLiteral("<p>ä</p>\n\na\nb\n"),
         QStringLiteral("Kodierung: UTF-8 (mit Byte-Order-Mark) – Zeilenende: CR"), "ü"},
        {"line separators, NUL and controls in a script",
         Bytes("<script>s=\"a\xE2\x80\xA8\x62\xE2\x80\xA9\x63\0\x01\x1F\";</script>\n"sv),
         QString::fromUtf8("<script>s=\"a\nb\nc\0\x01\x1F\";</script>\n"sv),
         QStringLiteral("Kodierung: UTF-8 (erkannt) – Zeilenende: LF"), "ü"},
        {"EUC-KR", "<meta charset=euc-kr><p>\xC7\xD1</p>",
         QStringLiteral("<meta charset=euc-kr><p>한</p>"),
         QStringLiteral("Kodierung: EUC-KR (in der Datei angegeben) – Zeilenende: CR LF"),
         "&#252;"},
        {"UTF-16BE", QByteArray("\xFE\xFF\0<\0p\0>\0\n\xD5\x5C\0\n", 14),
         QStringLiteral("<p>\n한\n"),
         QStringLiteral("Kodierung: UTF-16BE (mit Byte-Order-Mark) – Zeilenende: LF"), "ü"},
        {"ASCII without declaration", "<p>&uuml;</p>", QStringLiteral("<p>&uuml;</p>"),
         QStringLiteral("Kodierung: ASCII, ohne Angabe in der Datei (andere Zeichen werden als "
                        "&#…; geschrieben) – Zeilenende: CR LF"),
         "&#252;"},
    };
    for (const TFileCase& c : cases) {
        const TPageText page = TPageText::FromBytes(c.Bytes);
        QTextDocument document;
        document.setPlainText(EditorPageText(page));
        const QString shown = EditorText(document);
        EXPECT_EQ(shown, c.Shown) << c.Name;
        EXPECT_EQ(PageFormatText(page), c.Status) << c.Name;
        EXPECT_EQ(PageBytesForEditorText(page, shown, shown), c.Bytes) << c.Name;

        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("\nü"));
        const QByteArray written = PageBytesForEditorText(page, shown, EditorText(document));
        EXPECT_TRUE(written.startsWith(c.Bytes)) << c.Name;
        const TPageText reread = TPageText::FromBytes(written, page.Encoding());
        EXPECT_EQ(reread.Text(), page.Text() + page.LineEnd() + c.U) << c.Name;
    }
}

TEST(HtmlFileText, EditorTextTurnsEveryKindOfLineBreakIntoLf) {
    QTextDocument document;
    // A Shift+Enter line break (U+2028) is written as an ordinary line end.
    document.setPlainText(QStringLiteral("a\nb\u2029c\u2028d\u00A0"));
    EXPECT_EQ(EditorText(document), QStringLiteral("a\nb\nc\nd\u00A0"));
    EXPECT_EQ(ToEditorLineEnds(QStringLiteral("a\r\nb\rc\nd\r")), QStringLiteral("a\nb\nc\nd\n"));
}

} // namespace
} // namespace kvx
