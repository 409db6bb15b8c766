// Pages written back exactly: each case a page as read, a change, and the bytes that must be
// written. Untouched bytes stay, inserted text is in the page's encoding and line end.
#include "formats/PageText.h"
#include "formats/NewPage.h"
#include "formats/PageEditorText.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

using namespace std::string_view_literals;
using test::Bytes;

struct TGoldenCase {
    const char* Name;
    QByteArray Page;
    std::string Anchor;      // the text replaced (UTF-8)
    std::string Replacement; // its line ends become the page's
    QByteArray Expected;
};

TEST(PageText, WritesOnlyTheChangedStretchInThePagesOwnEncoding) {
    const TGoldenCase cases[] = {
        {"UTF-8 template with mark and declaration",
         "\xEF\xBB\xBF<meta charset=\"utf-8\">\r\n<p>Gr\xC3\xBC\xC3\x9F"
         "e</p>\r\n<!-- !!!Image-Map!!! -->\r\n",
         std::string(MapMarker), "<map name=\"Küche\">\n</map>\n",
         "\xEF\xBB\xBF<meta charset=\"utf-8\">\r\n<p>Gr\xC3\xBC\xC3\x9F"
         "e</p>\r\n<map name=\"K\xC3\xBC"
         "che\">\r\n</map>\r\n\r\n"},
        {"ASCII page declaring iso-8859-1", "<meta charset=iso-8859-1>\n<p>&uuml;</p>\n<!--X-->\n",
         "<!--X-->", "<p>Küche</p>",
         "<meta charset=iso-8859-1>\n<p>&uuml;</p>\n<p>K\xFC"
         "che</p>\n"},
        {"EUC-KR page and an emoji",
         "<meta charset=euc-kr>\r\n<p>\xC7\xD1\xB1\xB9\xBE\xEE</p>\r\n<!--X-->\r\n", "<!--X-->",
         "<p>😀 한\n</p>",
         "<meta charset=euc-kr>\r\n<p>\xC7\xD1\xB1\xB9\xBE\xEE</p>\r\n<p>&#128512; \xC7\xD1\r\n</p>"
         "\r\n"},
        {"CR CR LF and mixed line ends", "<html>\r\r\n<p>a</p>\n<p>b</p>\n<!--X-->\r</html>",
         "<!--X-->", "<p>neu</p>\r\n<p>zwei</p>\r",
         "<html>\r\r\n<p>a</p>\n<p>b</p>\n<p>neu</p>\n<p>zwei</p>\n\r</html>"},
        {"UTF-16LE with mark", QByteArray("\xFF\xFE<\0p\0>\0\r\0\n\0!\0", 14), "!", "é😀\n",
         QByteArray("\xFF\xFE<\0p\0>\0\r\0\n\0\xE9\0\x3D\xD8\x00\xDE\r\0\n\0", 22)},
        {"ASCII page without declaration", "<p>x</p>\n<!--X-->", "<!--X-->", "Küche 😀",
         "<p>x</p>\nK&#252;che &#128512;"},
        {"windows-1252 page without declaration",
         "<p>Gr\xFC\xDF"
         "e</p><!--X-->",
         "<!--X-->", "Küche Ω",
         "<p>Gr\xFC\xDF"
         "e</p>K\xFC"
         "che &#937;"},
        {"ISO-2022-JP inside a Japanese run", "<meta charset=iso-2022-jp><p>\x1B$B0!0\"\x1B(B</p>",
         "\xE4\xBA\x9C", "x日", "<meta charset=iso-2022-jp><p>x\x1B$BF|\x1B(B\x1B$B0\"\x1B(B</p>"},
        // What would not survive decoding and encoding again stays because it is not touched:
        // bytes that do not decode, and Windows-31J's duplicate codes.
        {"UTF-8 with a broken byte", "\xEF\xBB\xBF<p>\xFF</p><!--X-->", "<!--X-->", "ä",
         "\xEF\xBB\xBF<p>\xFF</p>\xC3\xA4"},
        {"Shift_JIS duplicates", "<meta charset=shift_jis><p>\xED\x40\xFA\x5C</p><!--X-->",
         "<!--X-->", "\xE7\xBA\x8A", "<meta charset=shift_jis><p>\xED\x40\xFA\x5C</p>\xFA\x5C"},
    };
    for (const TGoldenCase& c : cases) {
        const TPageText page = TPageText::FromBytes(c.Page);
        const std::size_t at = page.Text().find(c.Anchor);
        ASSERT_NE(at, std::string::npos) << c.Name;
        EXPECT_EQ(
            page.BytesWith({{at, at + c.Anchor.size(), page.WithPageLineEnds(c.Replacement)}}),
            c.Expected)
            << c.Name;
        // Written without a change, every page comes back as it was.
        EXPECT_EQ(page.BytesWith({}), c.Page) << c.Name;
    }
}

TEST(NewPageFromTemplate, TakesTheTemplatesBytesEncodingAndLineEnds) {
    const TPageText builtIn = LoadPageTemplate("");
    EXPECT_EQ(builtIn.Encoding().Encoding->Name, "UTF-8");
    EXPECT_EQ(builtIn.Encoding().Source, TEncodingSource::Declaration);
    const QByteArray page =
        NewPageFromTemplate(builtIn, "<map name=\"Küche\">\r\n</map>\r\n").Bytes();
    QByteArray expected = Bytes(DefaultPageTemplate);
    expected.replace(Bytes(MapMarker), "<map name=\"K\xC3\xBC"
                                       "che\">\r\n</map>\r\n");
    EXPECT_EQ(page, expected);

    const TPageText latin = TPageText::FromBytes("<p>\xFC</p>\n<!-- !!!Image-Map!!! -->\n"
                                                 "<!-- !!!Image-Map!!! -->");
    EXPECT_EQ(NewPageFromTemplate(latin, "Küche\r\n").Bytes(), "<p>\xFC</p>\nK\xFC"
                                                               "che\n\n<!-- !!!Image-Map!!! -->");
    EXPECT_THROW(NewPageFromTemplate(TPageText::FromBytes("<p></p>"), "x"), EPageInsertion);
}

struct TEditorCase {
    const char* Name;
    QByteArray Page;
    // How the editor's text changes: each From found in it is replaced by To.
    std::vector<std::pair<std::string, std::string>> Changes;
    QByteArray Expected;
};

// The window's save: what the editor holds now against what it showed first.
TEST(EditsFromEditor, KeepsEveryLineAndCharacterTheUserLeftAlone) {
    const TEditorCase cases[] = {
        {"no edit",
         Bytes("a\r\rb\r\nc\xE2\x80\xA8\x64\xE2\x80\xA9\x65\0f\x01\n"sv),
         {},
         Bytes("a\r\rb\r\nc\xE2\x80\xA8\x64\xE2\x80\xA9\x65\0f\x01\n"sv)},
        {"edits far apart keep the lines between",
         "<script>s=\"a\xE2\x80\xA8\x62\";</script>\rx\r\nmid\rdle\ny\r\n",
         {{"x", "X"}, {"y", "Y\nZ"}},
         "<script>s=\"a\xE2\x80\xA8\x62\";</script>\rX\r\nmid\rdle\nY\r\nZ\r\n"},
        {"typing inside a line keeps its ends",
         "eins\rzwei\r\ndrei\n",
         {{"zwei", "zw3i"}},
         "eins\rzw3i\r\ndrei\n"},
        {"a new last line", "a\nb", {{"b", "b\nc"}}, "a\nb\nc"},
        {"removed lines", "a\rb\rc\rd", {{"b\nc\n", ""}}, "a\rd"},
        {"new line break in an old line", "<p>ab</p>\r\n", {{"ab", "a\nb"}}, "<p>a\r\nb</p>\r\n"},
    };
    for (const TEditorCase& c : cases) {
        const TPageText page = TPageText::FromBytes(c.Page);
        const std::string shown = EditorFormOfPage(page);
        std::string edited = shown;
        for (const auto& [from, to] : c.Changes) {
            const std::size_t at = edited.find(from);
            ASSERT_NE(at, std::string::npos) << c.Name << ": " << from;
            edited.replace(at, from.size(), to);
        }
        EXPECT_EQ(page.BytesWith(EditsFromEditor(page, shown, edited)), c.Expected) << c.Name;
    }
}

} // namespace
} // namespace kvx
