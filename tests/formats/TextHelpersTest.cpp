// Attribute look-up, number filter and coordinate splitting as the reader and the
// coordinates grid rely on them.
#include "formats/HtmlTextRoutines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace kvx {
namespace {

TEST(GetAttribute, IgnoresAsciiCaseOfTheName) {
    const TStringArray2D rows = ScanTag("<area href=\"a.htm\" ALT=\"Text\">", false);
    EXPECT_EQ(GetAttribute("HREF", rows), "a.htm");
    EXPECT_EQ(GetAttribute("alt", rows), "Text");
}

TEST(GetAttribute, TheLastOfSeveralWins) {
    const TStringArray2D rows = ScanTag("<area href=\"first\" HREF=\"second\">", false);
    EXPECT_EQ(GetAttribute("href", rows), "second");
}

TEST(GetAttribute, AbsentAndEmptyAttributesBothGiveEmptyText) {
    const TStringArray2D rows = ScanTag("<area href=\"\" nohref>", false);
    EXPECT_EQ(GetAttribute("href", rows), "");
    EXPECT_EQ(GetAttribute("nohref", rows), "");
    EXPECT_EQ(GetAttribute("alt", rows), "");
    EXPECT_EQ(GetAttribute("alt", TStringArray2D{}), "");
}

TEST(GetAttribute, LooksAtEveryRowIncludingTheFirst) {
    const TStringArray2D rows = {{"Title", "first row"}, {"other", "x"}};
    EXPECT_EQ(GetAttribute("title", rows), "first row");
}

TEST(GetAttribute, LowerCasesOnlyAsciiLetters) {
    const TStringArray2D rows = {{"area", ""}, {"ÄLT", "x"}};
    EXPECT_EQ(GetAttribute("ÄLT", rows), "x");
    EXPECT_EQ(GetAttribute("älT", rows), "");
}

struct TFilterCase {
    std::string Text;
    std::string Expected;
};

void PrintTo(const TFilterCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.Text);
}

class FilterNumberCases : public ::testing::TestWithParam<TFilterCase> {};

TEST_P(FilterNumberCases, KeepsDigitsAndALeadingMinus) {
    EXPECT_EQ(FilterNumber(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(All, FilterNumberCases,
                         ::testing::Values(TFilterCase{"-12", "-12"}, TFilterCase{" -12", "12"},
                                           TFilterCase{"1.5", "15"}, TFilterCase{"abc", "0"},
                                           TFilterCase{"", "0"}, TFilterCase{"-", "-"},
                                           TFilterCase{"--5", "-5"}, TFilterCase{"+7", "7"},
                                           TFilterCase{"1-2", "12"}, TFilterCase{"0x1F", "01"},
                                           TFilterCase{"12 px", "12"}, TFilterCase{"٣4", "4"}));

struct TCoordsCase {
    std::string Text;
    TIntegerArray Expected;
};

void PrintTo(const TCoordsCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.Text);
}

class SplitCoordsCases : public ::testing::TestWithParam<TCoordsCase> {};

TEST_P(SplitCoordsCases, SplitsAtCommasOnly) {
    EXPECT_EQ(SplitCoords(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(All, SplitCoordsCases,
                         ::testing::Values(TCoordsCase{"1,2,3", {1, 2, 3}}, TCoordsCase{"", {0}},
                                           TCoordsCase{"5,", {5, 0}}, TCoordsCase{",5", {0, 5}},
                                           TCoordsCase{"5,,6", {5, 0, 6}},
                                           TCoordsCase{"10, -5", {10, 5}},
                                           TCoordsCase{"-10,-5", {-10, -5}},
                                           TCoordsCase{"1;2", {12}}, TCoordsCase{"10 20", {1020}},
                                           TCoordsCase{" 7 , 8 ", {7, 8}},
                                           TCoordsCase{"2147483647,-2147483648",
                                                       {std::numeric_limits<std::int32_t>::max(),
                                                        std::numeric_limits<std::int32_t>::min()}},
                                           TCoordsCase{"00012,-0", {12, 0}}));

TEST(SplitCoords, RaisesTheConversionErrorForPiecesThatAreNoInteger) {
    struct TBad {
        std::string Text;
        std::string Message;
    };
    const TBad cases[] = {
        {"-", "'-' is not a valid integer value"},
        {"1,-x", "'-' is not a valid integer value"},
        {"2147483648", "'2147483648' is not a valid integer value"},
        {"3,-2147483649", "'-2147483649' is not a valid integer value"},
        {"99999999999999999999", "'99999999999999999999' is not a valid integer value"},
    };
    for (const TBad& bad : cases) {
        SCOPED_TRACE(bad.Text);
        try {
            SplitCoords(bad.Text);
            ADD_FAILURE() << "no EConvertError";
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), bad.Message);
        }
    }
}

TEST(SplitCoords, SplitsLongListsCompletely) {
    std::string text;
    for (int k = 0; k < 100000; ++k) {
        text += std::to_string(k) + ",";
    }
    const TIntegerArray numbers = SplitCoords(text);
    ASSERT_EQ(numbers.size(), 100001u);
    EXPECT_EQ(numbers[99999], 99999);
    EXPECT_EQ(numbers.back(), 0);
}

TEST(SlashesToBackslashes, ReplacesEverySlashAndNothingElse) {
    EXPECT_EQ(SlashesToBackslashes("bilder/karte.gif"), "bilder\\karte.gif");
    EXPECT_EQ(SlashesToBackslashes("//a//b/"), "\\\\a\\\\b\\");
    EXPECT_EQ(SlashesToBackslashes("C:\\x/y"), "C:\\x\\y");
    EXPECT_EQ(SlashesToBackslashes(""), "");
}

} // namespace
} // namespace kvx
