// The reader's tolerance of foreign HTML is exactly the tag scanner's, so its rules are
// pinned down here case by case.
#include "formats/HtmlTextRoutines.h"

#include <gtest/gtest.h>

#include <string>

namespace kvx {
namespace {

struct TScanCase {
    std::string Tag;
    bool NameOnly;
    TStringArray2D Expected;
};

void PrintTo(const TScanCase& scanCase, std::ostream* out) {
    *out << ::testing::PrintToString(scanCase.Tag) << (scanCase.NameOnly ? " (name only)" : "");
}

class ScanTagCases : public ::testing::TestWithParam<TScanCase> {};

TEST_P(ScanTagCases, GivesTheExpectedRows) {
    const TScanCase& scanCase = GetParam();
    EXPECT_EQ(ScanTag(scanCase.Tag, scanCase.NameOnly), scanCase.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    TypicalTags, ScanTagCases,
    ::testing::Values(
        TScanCase{"<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.htm\">",
                  false,
                  {{"area", ""}, {"shape", "rect"}, {"coords", "1,2,3,4"}, {"href", "a.htm"}}},
        TScanCase{"<area shape=\"rect\" href=\"a.htm\">", true, {{"area", ""}}},
        TScanCase{"</MAP>", true, {{"/MAP", ""}}}, TScanCase{"<area>", true, {{"area", ""}}},
        TScanCase{"<AREA Href=\"A.HTM\">", false, {{"AREA", ""}, {"Href", "A.HTM"}}},
        TScanCase{"<area SHAPE=rect>", false, {{"area", ""}, {"SHAPE", "rect"}}},
        TScanCase{"<area href = \"x\">", false, {{"area", ""}, {"href", "x"}}},
        TScanCase{"<a href=\"/x/y\">", false, {{"a", ""}, {"href", "/x/y"}}},
        TScanCase{"<a href=/x/y>", false, {{"a", ""}, {"href", "/x/y"}}},
        TScanCase{"<img alt=\"Grüße – ☺\">", false, {{"img", ""}, {"alt", "Grüße – ☺"}}},
        TScanCase{"text before <img src=a.gif>", false, {{"img", ""}, {"src", "a.gif"}}},
        TScanCase{"<   area shape=rect>", false, {{"area", ""}, {"shape", "rect"}}},
        TScanCase{
            "<area a=\"1\" b=\"2\"> <x y=\"3\">", false, {{"area", ""}, {"a", "1"}, {"b", "2"}}}));

INSTANTIATE_TEST_SUITE_P(
    ValuelessAndOpenAttributes, ScanTagCases,
    ::testing::Values(
        TScanCase{"<area nohref shape=\"rect\">", false, {{"area", ""}, {"shape", "rect"}}},
        TScanCase{"<area shape=\"rect\" nohref>", false, {{"area", ""}, {"shape", "rect"}}},
        TScanCase{"<area nohref \"alt\"=\"x\">", false, {{"area", ""}, {"alt", "x"}}},
        TScanCase{"<area shape=\"rect", false, {{"area", ""}}},
        TScanCase{"<area shape=rect", false, {{"area", ""}}},
        TScanCase{"<area shape=", false, {{"area", ""}}}, TScanCase{"<area", false, {}},
        TScanCase{"<area", true, {}}, TScanCase{"", false, {}},
        TScanCase{"no tag at all", false, {}}, TScanCase{"<", false, {}},
        TScanCase{"<>", false, {}}, TScanCase{"<a<b>", false, {}}));

INSTANTIATE_TEST_SUITE_P(
    QuotesAndStopCharacters, ScanTagCases,
    ::testing::Values(
        TScanCase{"<area alt=\"a > b\">", false, {{"area", ""}, {"alt", "a > b"}}},
        TScanCase{
            "<area alt=\"<b>\" href=x>", false, {{"area", ""}, {"alt", "<b>"}, {"href", "x"}}},
        TScanCase{"<area \"quoted name\"=\"v\">", false, {{"area", ""}, {"quoted name", "v"}}},
        TScanCase{"<area \"a>b\"=v>", false, {{"area", ""}, {"a>b", "v"}}},
        // Only double quotes quote: the apostrophe is an ordinary character and the blank
        // ends the bare value.
        TScanCase{"<area alt='a b'>", false, {{"area", ""}, {"alt", "'a"}}},
        TScanCase{"<area shape=\"rect\" />", false, {{"area", ""}, {"shape", "rect"}}},
        TScanCase{"<area shape=\"rect\"/>", false, {{"area", ""}, {"shape", "rect"}}},
        TScanCase{"<area href=x/>", false, {{"area", ""}}},
        // "/>" ends the scan even inside quotes.
        TScanCase{"<area alt=\"a/>b\" href=\"x\">", false, {{"area", ""}}},
        TScanCase{"<br/>", false, {}}, TScanCase{"<br />", false, {{"br", ""}}},
        // A ">" before the first "<" already ends the scan.
        TScanCase{"> <area shape=rect>", false, {}},
        TScanCase{"<area a=1 <b c=2>", false, {{"area", ""}, {"a", "1"}}}));

INSTANTIATE_TEST_SUITE_P(
    CommentsLineBreaksAndOddInput, ScanTagCases,
    ::testing::Values(TScanCase{"<!-- a = \"b\" -->", false, {{"!--", ""}}},
                      TScanCase{"<!--x-->", false, {{"!--x--", ""}}},
                      TScanCase{"<!DOCTYPE html>", false, {{"!DOCTYPE", ""}}},
                      TScanCase{"<area\nshape=\"rect\">", false, {{"areashape=\"rect\"", ""}}},
                      TScanCase{"<area\r\nshape=\"rect\">", false, {{"areashape=\"rect\"", ""}}},
                      TScanCase{"<area alt=\"a\r\nb\" href=\"c\nd\">",
                                false,
                                {{"area", ""}, {"alt", "ab"}, {"href", "cd"}}},
                      TScanCase{"<area shape=rect\n>", false, {{"area", ""}, {"shape", "rect"}}},
                      // A tab is no blank.
                      TScanCase{"<area\tshape=\"rect\">", false, {{"area\tshape=\"rect\"", ""}}},
                      // "=" with no name takes the previous attribute's value as its name.
                      TScanCase{
                          "<area a=\"x\" =\"y\">", false, {{"area", ""}, {"a", ""}, {"x", "y"}}},
                      TScanCase{"<area =\"y\">", false, {{"area", ""}, {"", "y"}}}));

TEST(ScanTag, KeepsEveryAttributeOfAVeryLongTag) {
    std::string tag = "<area";
    for (int k = 0; k < 300; ++k) {
        tag += " a" + std::to_string(k) + "=\"" + std::to_string(k) + "\"";
    }
    tag += ">";
    const TStringArray2D rows = ScanTag(tag, false);
    ASSERT_EQ(rows.size(), 301u);
    EXPECT_EQ(rows[300][0], "a299");
    EXPECT_EQ(rows[300][1], "299");
}

// Hostile pages may hold tags of megabytes; these must scan in linear time (a quadratic scan
// would not finish within the test's timeout).
TEST(ScanTag, ScansMegabyteTagsOfEveryShape) {
    constexpr std::size_t size = 5 * 1024 * 1024;

    const std::string longValue = "<area alt=\"" + std::string(size, 'x') + "\" href=y>";
    TStringArray2D rows = ScanTag(longValue, false);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][1].size(), size);
    EXPECT_EQ(rows[2][1], "y");

    std::string manyAttributes = "<area";
    while (manyAttributes.size() < size) {
        manyAttributes += " a=b";
    }
    manyAttributes += ">";
    rows = ScanTag(manyAttributes, false);
    EXPECT_EQ(rows.size(), 1 + (manyAttributes.size() - 6) / 4);

    std::string valueless = "<area";
    while (valueless.size() < size) {
        valueless += " nohref";
    }
    EXPECT_EQ(ScanTag(valueless + " x=1>", false).size(), 2u);

    std::string movedValues = "<area a=\"v\"";
    while (movedValues.size() < size) {
        movedValues += " =\"v\"";
    }
    EXPECT_GT(ScanTag(movedValues + ">", false).size(), size / 8);

    const std::string longName = "<" + std::string(size, 'n');
    EXPECT_TRUE(ScanTag(longName, true).empty());
    EXPECT_EQ(ScanTag(longName + ">", true).at(0)[0].size(), size);
}

} // namespace
} // namespace kvx
