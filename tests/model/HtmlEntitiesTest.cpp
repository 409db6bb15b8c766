// Every text the writer puts into an attribute must come back unchanged through the reader.
#include "model/TextConversion.h"

#include <gtest/gtest.h>

#include <string>

namespace kvx {
namespace {

struct TEntityCase {
    std::string Plain;
    std::string Escaped;
};

void PrintTo(const TEntityCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.Plain);
}

class HtmlEscapeCases : public ::testing::TestWithParam<TEntityCase> {};

TEST_P(HtmlEscapeCases, EscapesExactlyTheFourCharacters) {
    EXPECT_EQ(HtmlEscape(GetParam().Plain), GetParam().Escaped);
}

TEST_P(HtmlEscapeCases, UnescapingGivesThePlainTextBack) {
    EXPECT_EQ(HtmlUnescape(GetParam().Escaped), GetParam().Plain);
}

INSTANTIATE_TEST_SUITE_P(
    All, HtmlEscapeCases,
    ::testing::Values(TEntityCase{"a<b & \"c\"", "a&lt;b &amp; &quot;c&quot;"}, TEntityCase{"", ""},
                      TEntityCase{"<>\"&", "&lt;&gt;&quot;&amp;"},
                      TEntityCase{"it's\r\nfine", "it's\r\nfine"},
                      TEntityCase{"Grüße € ☺", "Grüße € ☺"},
                      // Text that already looks like an entity is escaped once more.
                      TEntityCase{"&amp;", "&amp;amp;"}, TEntityCase{"&lt;", "&amp;lt;"},
                      TEntityCase{"a&b;c", "a&amp;b;c"}, TEntityCase{"&#60;", "&amp;#60;"}));

struct TUnescapeCase {
    std::string Text;
    std::string Expected;
};

void PrintTo(const TUnescapeCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.Text);
}

class HtmlUnescapeCases : public ::testing::TestWithParam<TUnescapeCase> {};

TEST_P(HtmlUnescapeCases, DecodesOnlyTheFourEntities) {
    EXPECT_EQ(HtmlUnescape(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    All, HtmlUnescapeCases,
    ::testing::Values(TUnescapeCase{"&AMP;", "&AMP;"}, TUnescapeCase{"&nbsp;", "&nbsp;"},
                      TUnescapeCase{"a & b", "a & b"}, TUnescapeCase{"x&lt", "x&lt"},
                      TUnescapeCase{"&amp;lt;", "&lt;"}, TUnescapeCase{"&#60;", "&#60;"},
                      TUnescapeCase{"&&amp;", "&&"}, TUnescapeCase{"&x&gt;y", "&x>y"},
                      TUnescapeCase{"&;", "&;"}, TUnescapeCase{";;", ";;"},
                      TUnescapeCase{"&lt;x;", "<x;"}, TUnescapeCase{"&quot;&quot;", "\"\""},
                      TUnescapeCase{"&lt ;", "&lt ;"},
                      TUnescapeCase{"Gr&uuml;&szlig;e", "Gr&uuml;&szlig;e"},
                      TUnescapeCase{"&", "&"}));

TEST(HtmlEscape, RoundTripsEveryByteValue) {
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    EXPECT_EQ(HtmlUnescape(HtmlEscape(all)), all);
}

TEST(HtmlUnescape, StaysLinearOnLongRunsOfAmpersands) {
    const std::string text(4 * 1024 * 1024, '&');
    EXPECT_EQ(HtmlUnescape(text), text);
}

TEST(JavaScriptStringEscape, EscapesWhatWouldEndOrBendTheLiteralAndNothingElse) {
    const struct {
        std::string Plain;
        std::string Escaped;
    } cases[] = {
        {"", ""},
        {"it's", "it\\'s"},
        {"\"q\"", "\\\"q\\\""},
        {"a\\b", "a\\\\b"},
        {"\r\n", "\\r\\n"},
        {"\xE2\x80\xA8\xE2\x80\xA9", "\\u2028\\u2029"},
        // Other characters of the same lead bytes stay, as do entities, tabs and percent signs.
        {"\xE2\x80\xA6 \xE2\x82\xAC", "\xE2\x80\xA6 \xE2\x82\xAC"},
        {"<&amp;>\t%41", "<&amp;>\t%41"},
        {"\xE2\x80", "\xE2\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JavaScriptStringEscape(c.Plain), c.Escaped) << ::testing::PrintToString(c.Plain);
    }
}

} // namespace
} // namespace kvx
