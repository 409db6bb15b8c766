// Reading and writing text files as project files, imported pages and templates need it:
// nothing a user typed may be lost, and a failed save must leave the old file as it was.
#include "platform/TextFile.h"
#include "platform/FileError.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <string>
#include <sys/resource.h>

namespace kvx {
namespace {

using test::Bytes;
using test::ReadBytes;
using test::WriteBytes;

std::string Path(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromUtf8(name)).toStdString();
}

struct TDecodeCase {
    const char* Name;
    std::string Bytes;
    std::string Text;
    TTextEncoding Encoding;
    bool ByteOrderMark = false;
};

void PrintTo(const TDecodeCase& c, std::ostream* out) {
    *out << c.Name;
}

class DecodeTextCases : public ::testing::TestWithParam<TDecodeCase> {};

TEST_P(DecodeTextCases, ChoosesUtf8OnlyForValidUtf8) {
    const TTextFileContent content = DecodeText(Bytes(GetParam().Bytes));
    EXPECT_EQ(content.Text, GetParam().Text);
    EXPECT_EQ(content.Encoding, GetParam().Encoding);
    EXPECT_EQ(content.ByteOrderMark, GetParam().ByteOrderMark);
}

INSTANTIATE_TEST_SUITE_P(
    All, DecodeTextCases,
    ::testing::Values(
        TDecodeCase{"Empty", "", "", TTextEncoding::Utf8},
        TDecodeCase{"Ascii", "<map name=\"a\">\r\n", "<map name=\"a\">\r\n", TTextEncoding::Utf8},
        TDecodeCase{"Utf8",
                    "Gr\xC3\xBC\xC3\x9F"
                    "e \xE2\x82\xAC \xF0\x9F\x98\x80",
                    "Grüße € 😀", TTextEncoding::Utf8},
        TDecodeCase{"ByteOrderMarkDropped",
                    "\xEF\xBB\xBF"
                    "abc",
                    "abc", TTextEncoding::Utf8, true},
        TDecodeCase{"OnlyAByteOrderMark", "\xEF\xBB\xBF", "", TTextEncoding::Utf8, true},
        TDecodeCase{"SecondByteOrderMarkKept", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF",
                    TTextEncoding::Utf8, true},
        // Bytes that are not UTF-8 make even a leading mark plain Windows-1252 text.
        TDecodeCase{"ByteOrderMarkBeforeWindows1252", "\xEF\xBB\xBF\xFC", "ï»¿ü",
                    TTextEncoding::Windows1252},
        TDecodeCase{"Windows1252",
                    "Gr\xFC\xDF"
                    "e \x80 \x84x\x93",
                    "Grüße € „x“", TTextEncoding::Windows1252},
        TDecodeCase{"UndefinedBytesKept", "\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D",
                    TTextEncoding::Windows1252},
        // One byte that is not UTF-8 makes the whole file Windows-1252.
        TDecodeCase{"MixedIsWindows1252", "\xC3\xBC \xFC", "Ã¼ ü", TTextEncoding::Windows1252},
        TDecodeCase{"OverlongForm", "\xC0\xAF", "À¯", TTextEncoding::Windows1252},
        TDecodeCase{"OverlongThreeBytes", "\xE0\x80\xAF", "à€¯", TTextEncoding::Windows1252},
        TDecodeCase{"Surrogate", "\xED\xA0\x80", "í\u00A0€", TTextEncoding::Windows1252},
        TDecodeCase{"BeyondUnicode", "\xF4\x90\x80\x80", "ô\u0090€€", TTextEncoding::Windows1252},
        TDecodeCase{"Truncated", "ab\xE2\x82", "abâ‚", TTextEncoding::Windows1252}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DecodeText, EveryWindows1252ByteComesBackWhenWrittenAgain) {
    QByteArray all;
    for (int c = 1; c < 256; ++c) {
        all.append(static_cast<char>(c));
    }
    const TTextFileContent content = DecodeText(all);
    ASSERT_EQ(content.Encoding, TTextEncoding::Windows1252);
    EXPECT_EQ(EncodeForProjectFile(content.Text), all);
    EXPECT_EQ(EncodeText(content.Text, TTextEncoding::Windows1252), all);
}

struct TLinesCase {
    std::string Text;
    std::vector<std::string> Lines;
};

void PrintTo(const TLinesCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.Text);
}

class SplitLinesCases : public ::testing::TestWithParam<TLinesCase> {};

TEST_P(SplitLinesCases, EndsLinesAtCrLfLfAndCr) {
    EXPECT_EQ(SplitLines(GetParam().Text), GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(
    All, SplitLinesCases,
    ::testing::Values(TLinesCase{"", {}}, TLinesCase{"a", {"a"}}, TLinesCase{"a\r\n", {"a"}},
                      TLinesCase{"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                      TLinesCase{"a\n\nb\n", {"a", "", "b"}}, TLinesCase{"\n", {""}},
                      TLinesCase{"\r\n\r\n", {"", ""}}, TLinesCase{"a\n\r\nb", {"a", "", "b"}},
                      TLinesCase{"a\r\rb", {"a", "", "b"}}, TLinesCase{"a\n\rb", {"a", "", "b"}},
                      TLinesCase{"x\r", {"x"}}, TLinesCase{" a \t", {" a \t"}}));

TEST(EncodeForProjectFile, UsesWindows1252WhenEveryCharacterFits) {
    EXPECT_EQ(EncodeForProjectFile("Grüße € „x“ ÿ"), Bytes("Gr\xFC\xDF"
                                                           "e \x80 \x84x\x93 \xFF"));
    EXPECT_EQ(EncodeForProjectFile("plain\r\n"), Bytes("plain\r\n"));
    EXPECT_EQ(EncodeForProjectFile(""), QByteArray());
}

TEST(EncodeForProjectFile, UsesUtf8WhenACharacterHasNoWindows1252Code) {
    // "Â®" fits, but its Windows-1252 bytes would read back as the UTF-8 of "®".
    for (const std::string text : {"Grüße ☺", "Ω", "ü 😀", "€\u0080", "Â®"}) {
        EXPECT_EQ(EncodeForProjectFile(text), Bytes(text)) << text;
    }
}

TEST(EncodeText, KeepsUtf8AsItIs) {
    EXPECT_EQ(EncodeText("Grüße €", TTextEncoding::Utf8), Bytes("Grüße €"));
    EXPECT_EQ(EncodeText("Grüße ☺", TTextEncoding::Windows1252), Bytes("Grüße ☺"));
    // Bytes that are not UTF-8 at all cannot be translated: they go out unchanged.
    EXPECT_EQ(EncodeText("\xFF\xFE", TTextEncoding::Windows1252), Bytes("\xFF\xFE"));
}

TEST(ReadTextFile, ReadsAndDecodesTheWholeFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = Path(dir, "karte.kvx");
    QByteArray big(300000, 'x');
    big.append("\r\nGr\xFC\xDF"
               "e");
    WriteBytes(path, big);
    const TTextFileContent content = ReadTextFile(path);
    EXPECT_EQ(content.Encoding, TTextEncoding::Windows1252);
    EXPECT_EQ(content.Text.size(), 300000u + 2u + 7u);
    EXPECT_TRUE(content.Text.ends_with("\r\nGrüße"));
}

TEST(ReadTextFile, ReportsTheSystemsMessageAndCode) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    try {
        ReadTextFile(Path(dir, "fehlt.kvx"));
        ADD_FAILURE() << "no TFileError";
    } catch (const TFileError& error) {
        EXPECT_EQ(error.Code, ENOENT);
        EXPECT_EQ(error.Detail(), "Datei oder Verzeichnis nicht gefunden (2)");
    }
    try {
        ReadTextFile(dir.path().toStdString());
        ADD_FAILURE() << "no TFileError for a folder";
    } catch (const TFileError& error) {
        EXPECT_EQ(error.Code, EISDIR);
        EXPECT_EQ(error.SystemMessage, "Ist ein Verzeichnis");
    }
}

TEST(WriteFileSafely, CreatesAndReplacesFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = Path(dir, "karte.kvx");
    WriteFileSafely(path, "first version\r\n");
    EXPECT_EQ(ReadBytes(path), "first version\r\n");
    WriteFileSafely(path, "second\r\n");
    EXPECT_EQ(ReadBytes(path), "second\r\n");
    WriteFileSafely(path, QByteArray());
    EXPECT_EQ(ReadBytes(path), QByteArray());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"karte.kvx"});
}

TEST(WriteFileSafely, ReportsAMissingFolderWithTheSystemsMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = Path(dir, "fehlt/karte.kvx");
    try {
        WriteFileSafely(path, "x");
        ADD_FAILURE() << "no TFileError";
    } catch (const TFileError& error) {
        EXPECT_EQ(error.Detail(), "Datei oder Verzeichnis nicht gefunden (2)");
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    try {
        WriteFileSafely("", "x");
        ADD_FAILURE() << "no TFileError for an empty path";
    } catch (const TFileError& error) {
        EXPECT_EQ(error.Code, ENOENT);
    }
}

TEST(WriteFileSafely, LeavesAFolderOfTheSameNameAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = Path(dir, "karte.kvx");
    ASSERT_TRUE(QDir(dir.path()).mkdir("karte.kvx"));
    WriteBytes(path + "/inside.txt", "keep");
    try {
        WriteFileSafely(path, "x");
        ADD_FAILURE() << "no TFileError";
    } catch (const TFileError& error) {
        EXPECT_EQ(error.Detail(), "Ist ein Verzeichnis (21)");
    }
    EXPECT_EQ(ReadBytes(path + "/inside.txt"), "keep");
}

// Limits the size of files this process may write, as a full disk would; works for root too.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &Old);
        OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = Old;
        limit.rlim_cur = bytes;
        Active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &Old);
        std::signal(SIGXFSZ, OldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;
    bool Active = false;

private:
    rlimit Old{};
    void (*OldHandler)(int) = nullptr;
};

TEST(WriteFileSafely, AFailedWriteLeavesTheOldFileIntact) {
    // Writes that fit into a write buffer fail only when it is emptied, larger ones at once.
    for (const qsizetype size : {qsizetype(4097), qsizetype(10000), qsizetype(1024 * 1024)}) {
        SCOPED_TRACE(size);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const std::string path = Path(dir, "karte.kvx");
        const QByteArray old = "old project\r\n";
        WriteBytes(path, old);
        {
            const TFileSizeLimit limit(4096);
            ASSERT_TRUE(limit.Active);
            try {
                WriteFileSafely(path, QByteArray(size, 'n'));
                ADD_FAILURE() << "no TFileError";
            } catch (const TFileError& error) {
                EXPECT_EQ(error.Code, EFBIG);
                EXPECT_EQ(error.Detail(), "Die Datei ist zu groß (27)");
            }
        }
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"karte.kvx"});
    }
}

} // namespace
} // namespace kvx
