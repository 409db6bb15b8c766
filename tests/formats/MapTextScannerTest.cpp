// The tag walk under the map reader: which tags are complete, and how quotes hide them.
#include "formats/MapTextScanner.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kvx {
namespace {

std::vector<std::string> Tags(std::string_view text, TQuoteScope scope) {
    TMapTextScanner scanner(text, scope);
    std::vector<std::string> tags;
    TTextSpan span;
    while (scanner.NextTag(span)) {
        tags.emplace_back(span.In(text));
    }
    return tags;
}

struct TScanCase {
    const char* Text;
    std::vector<std::string> Everywhere;
    std::vector<std::string> InsideTags;
};

class MapTextScannerCases : public ::testing::TestWithParam<TScanCase> {};

TEST_P(MapTextScannerCases, FindsTheCompleteTags) {
    const TScanCase& c = GetParam();
    EXPECT_EQ(Tags(c.Text, TQuoteScope::Everywhere), c.Everywhere) << c.Text;
    EXPECT_EQ(Tags(c.Text, TQuoteScope::InsideTags), c.InsideTags) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(
    Tags, MapTextScannerCases,
    ::testing::Values(
        TScanCase{"text <b> more <i x=\"1\">", {"<b>", "<i x=\"1\">"}, {"<b>", "<i x=\"1\">"}},
        // ">" and "<" inside a quoted value do not end or restart the tag.
        TScanCase{"<area alt=\"a > b\" on=\"x<y\">",
                  {"<area alt=\"a > b\" on=\"x<y\">"},
                  {"<area alt=\"a > b\" on=\"x<y\">"}},
        // A quote closes only before a blank, ">" or "/".
        TScanCase{"<a x=\"y\"z> <b>\" <c>", {"<c>"}, {"<c>"}},
        TScanCase{"<a x=\"y\"/><b>", {"<a x=\"y\"/>", "<b>"}, {"<a x=\"y\"/>", "<b>"}},
        // A quote outside tags hides the following tags only where every quote counts.
        TScanCase{"5\" wide <b> and \"x\" <c>", {"<c>"}, {"<b>", "<c>"}},
        // A "<" inside an open tag starts a new tag; a ">" outside any tag is plain text.
        TScanCase{"a > b <x <y>", {"<y>"}, {"<y>"}},
        // A tag still open at the end, or a quote left open, completes nothing.
        TScanCase{"<b> <c d=\"e", {"<b>"}, {"<b>"}},
        // The last character of the text never closes a quote.
        TScanCase{"<a b=\"c\"", {}, {}}, TScanCase{"", {}, {}}));

TEST(MapTextScanner, IgnoredQuotesHideNothingUntilSwitchedBack) {
    const std::string text = "<script>var s = \"<p>\";</script><map name=\"k\">";
    TMapTextScanner scanner(text, TQuoteScope::Everywhere);
    std::vector<std::string> tags;
    TTextSpan span;
    while (scanner.NextTag(span)) {
        tags.emplace_back(span.In(text));
        if (tags.back() == "<script>" || tags.back() == "</script>") {
            scanner.SetQuotesIgnored(tags.back() == "<script>");
        }
    }
    const std::vector<std::string> expected = {"<script>", "<p>", "</script>", "<map name=\"k\">"};
    EXPECT_EQ(tags, expected);
    // Without the script rule the quote hides everything after it.
    EXPECT_EQ(Tags(text, TQuoteScope::Everywhere), std::vector<std::string>{"<script>"});
}

TEST(MapTextScanner, SpansPointIntoTheText) {
    const std::string text = "ab<map name=\"x\">cd";
    TMapTextScanner scanner(text, TQuoteScope::Everywhere);
    TTextSpan span;
    ASSERT_TRUE(scanner.NextTag(span));
    EXPECT_EQ(span.Begin, 2u);
    EXPECT_EQ(span.End, 16u);
    EXPECT_FALSE(scanner.NextTag(span));
}

} // namespace
} // namespace kvx
