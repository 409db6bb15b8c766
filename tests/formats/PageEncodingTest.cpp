// How a page's encoding is found, and that every supported encoding reads a page correctly
// and writes it back byte for byte, with inserted text that reads correctly under it.
#include "formats/EncodingDetection.h"
#include "formats/PageText.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <map>

namespace kvx {
namespace {

// Fixtures are made with the C library's converter directly, independently of the program.
QByteArray Convert(std::string_view text, const char* to, const char* from) {
    iconv_t converter = iconv_open(to, from);
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << to << " " << from;
    std::string out(text.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    EXPECT_NE(iconv(converter, &in, &inLeft, &next, &outLeft), std::size_t(-1)) << to << from;
    iconv(converter, nullptr, nullptr, &next, &outLeft);
    iconv_close(converter);
    return QByteArray(out.data(), qsizetype(next - out.data()));
}

struct TDetectCase {
    const char* Name;
    QByteArray Bytes;
    const char* Encoding;
    TEncodingSource Source;
    bool AsciiOnly = false;
};

TEST(DetectPageEncoding, FollowsMarkThenDeclarationThenUtf8ThenWindows1252) {
    const QByteArray filler(1100, 'x');
    const TDetectCase cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF<meta charset=latin1>\xC3\xBC", "UTF-8",
         TEncodingSource::ByteOrderMark},
        {"UTF-16LE mark", QByteArray("\xFF\xFE<\0", 4), "UTF-16LE", TEncodingSource::ByteOrderMark},
        {"UTF-16BE mark", QByteArray("\xFE\xFF\0<", 4), "UTF-16BE", TEncodingSource::ByteOrderMark},
        {"meta charset", "<html><META CharSet='Shift_JIS'>\x82\xA0", "Shift_JIS",
         TEncodingSource::Declaration},
        {"http-equiv", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=euc-kr\">",
         "EUC-KR", TEncodingSource::Declaration},
        {"content before http-equiv",
         "<meta content='text/html;charset=\"gbk\"' http-equiv=content-type />", "gb18030",
         TEncodingSource::Declaration},
        {"iso-8859-1 is windows-1252", "<meta charset=iso-8859-1>&uuml;", "windows-1252",
         TEncodingSource::Declaration},
        {"us-ascii is windows-1252", "<meta charset=\" US-ASCII \">", "windows-1252",
         TEncodingSource::Declaration},
        {"big5", "<meta charset=big5>", "Big5", TEncodingSource::Declaration},
        {"utf-16 declared means UTF-8", "<meta charset=utf-16>", "UTF-8",
         TEncodingSource::Declaration},
        {"x-user-defined", "<meta charset=x-user-defined>", "windows-1252",
         TEncodingSource::Declaration},
        {"content without pragma", "<meta content=\"text/html; charset=koi8-r\">\xC3\xBC", "UTF-8",
         TEncodingSource::Utf8Bytes},
        {"declaration in a comment", "<!-- <meta charset=koi8-r> -->", "UTF-8",
         TEncodingSource::Utf8Bytes, true},
        {"declaration in an attribute", "<p title='<meta charset=koi8-r>'>", "UTF-8",
         TEncodingSource::Utf8Bytes, true},
        {"declaration too late", filler + "<meta charset=koi8-r>", "UTF-8",
         TEncodingSource::Utf8Bytes, true},
        {"unknown label", "<meta charset=klingon><meta charset=koi8-u>", "KOI8-U",
         TEncodingSource::Declaration},
        {"declared UTF-8 that is not", "<meta charset=utf-8>Gr\xFC\xDF", "windows-1252",
         TEncodingSource::Fallback},
        {"valid UTF-8", "Gr\xC3\xBC\xC3\x9F", "UTF-8", TEncodingSource::Utf8Bytes},
        {"beyond U+10FFFF is no UTF-8", "\xF4\x90\x80\x80", "windows-1252",
         TEncodingSource::Fallback},
        {"ASCII without declaration", "<p>&uuml;</p>", "UTF-8", TEncodingSource::Utf8Bytes, true},
        {"empty", "", "UTF-8", TEncodingSource::Utf8Bytes, true},
    };
    for (const TDetectCase& c : cases) {
        const TDetectedEncoding detected =
            DetectPageEncoding(std::string_view(c.Bytes.constData(), std::size_t(c.Bytes.size())));
        EXPECT_EQ(std::string(detected.Encoding->Name), c.Encoding) << c.Name;
        EXPECT_EQ(detected.Source, c.Source) << c.Name;
        EXPECT_EQ(detected.AsciiOnly, c.AsciiOnly) << c.Name;
    }
}

// A page in every supported encoding, declared in it, with each kind of line end and
// characters of its script. The Unicode pages also carry the characters that scripts depend
// on and that line-based tools break.
std::string SamplePage(const TPageEncoding& encoding) {
    static const std::map<std::string_view, std::string> Samples = {
        {"UTF-8", "Grüße 한국어 😀\u2028\u2029 \x01"},
        {"UTF-16LE", "Grüße 日本語 😀\u2028\u2029"},
        {"UTF-16BE", "Grüße 中文 😀\u2028"},
        {"windows-1252", "Grüße € „x“"},
        {"IBM866", "Привет"},
        {"ISO-8859-2", "Łódź Žluťoučký"},
        {"ISO-8859-3", "Ħal Għargħur"},
        {"ISO-8859-4", "Ķekava"},
        {"ISO-8859-5", "Привет"},
        {"ISO-8859-6", "مرحبا"},
        {"ISO-8859-7", "Καλημέρα"},
        {"ISO-8859-8", "שלום"},
        {"ISO-8859-8-I", "שלום"},
        {"ISO-8859-10", "Þórður"},
        {"ISO-8859-13", "Ąžuolas"},
        {"ISO-8859-14", "Ŵŷ"},
        {"ISO-8859-15", "Œuvre €"},
        {"ISO-8859-16", "Șțară"},
        {"KOI8-R", "Привет"},
        {"KOI8-U", "Привіт"},
        {"macintosh", "Grüße"},
        {"windows-874", "สวัสดี"},
        {"windows-1250", "Łódź"},
        {"windows-1251", "Привет"},
        {"windows-1253", "Καλημέρα"},
        {"windows-1254", "Ğüşiöç"},
        {"windows-1255", "שלום"},
        {"windows-1256", "مرحبا"},
        {"windows-1257", "Ąžuolas"},
        {"windows-1258", "Việt"},
        {"x-mac-cyrillic", "Привет"},
        {"gb18030", "中文 😀"},
        {"Big5", "中文"},
        {"EUC-JP", "日本語"},
        {"ISO-2022-JP", "日本語 と テキスト"},
        {"Shift_JIS", "日本語 ①"},
        {"EUC-KR", "한국어 똠"},
    };
    const auto found = Samples.find(encoding.Name);
    EXPECT_NE(found, Samples.end()) << encoding.Name;
    const bool unicode = encoding.Name.starts_with("UTF-16");
    return std::string(unicode ? "" : "<meta charset=\"") +
           std::string(unicode ? "" : encoding.Name) + (unicode ? "" : "\">") + "\r\n<p>" +
           found->second + "</p>\r\n<p>CR CR LF</p>\r\r\n<p>LF</p>\n<p>CR</p>\r" + found->second +
           "\r\n<!-- hier -->\r\n</body>";
}

// "Küche 😀 €" as a page in encoding holds it: each character the converter can write as
// itself, every other one as a numeric character reference.
std::string AsWritten(const TPageEncoding& encoding) {
    std::string expected;
    for (const char32_t c : std::u32string(U"Küche 😀 €")) {
        const std::string one =
            Convert(std::string_view(reinterpret_cast<const char*>(&c), 4), "UTF-8", "UTF-32LE")
                .toStdString();
        iconv_t converter = iconv_open(std::string(encoding.Converter).c_str(), "UTF-8");
        char buffer[16];
        char* in = const_cast<char*>(one.data());
        std::size_t inLeft = one.size();
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const bool fits = iconv(converter, &in, &inLeft, &out, &outLeft) != std::size_t(-1);
        iconv_close(converter);
        expected += fits ? one : "&#" + std::to_string(unsigned(c)) + ";";
    }
    return expected;
}

TEST(PageText, EveryEncodingReadsCorrectlyAndWritesBackExactly) {
    for (const TPageEncoding& encoding : PageEncodings()) {
        SCOPED_TRACE(std::string(encoding.Name));
        const std::string converter(encoding.Converter);
        const std::string text = SamplePage(encoding);
        const QByteArray mark = encoding == Utf16LeEncoding()   ? QByteArray("\xFF\xFE")
                                : encoding == Utf16BeEncoding() ? QByteArray("\xFE\xFF")
                                                                : QByteArray();
        const QByteArray bytes = mark + Convert(text, converter.c_str(), "UTF-8");
        const TPageText page = TPageText::FromBytes(bytes);
        EXPECT_EQ(page.Encoding().Encoding->Name, encoding.Name);
        EXPECT_EQ(page.Text(), text);
        EXPECT_EQ(page.LineEnd(), "\r\n");
        EXPECT_EQ(page.BytesWith({}), bytes);

        // A line put in before the comment: the bytes before and after it stay as they were,
        // and it reads correctly in the page's encoding.
        const std::size_t at = text.find("<!-- hier");
        const QByteArray written = page.BytesWith({{at, at, "<p>Küche 😀 €</p>\r\n"}});
        const QByteArray before = mark + Convert(text.substr(0, at), converter.c_str(), "UTF-8");
        const QByteArray after = Convert(text.substr(at), converter.c_str(), "UTF-8");
        EXPECT_TRUE(written.startsWith(before.left(before.size() - (encoding.Stateful ? 3 : 0))));
        EXPECT_TRUE(written.endsWith(after));
        const TPageText reread = TPageText::FromBytes(written);
        EXPECT_EQ(reread.Encoding().Encoding->Name, encoding.Name);
        EXPECT_EQ(reread.Text(),
                  text.substr(0, at) + "<p>" + AsWritten(encoding) + "</p>\r\n" + text.substr(at));
    }
}

} // namespace
} // namespace kvx
