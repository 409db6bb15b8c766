// The one strict text-to-integer conversion; its error text reaches the user.
#include "model/TextConversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace kvx {
namespace {

struct TGoodCase {
    std::string Text;
    std::int32_t Value;
};

void PrintTo(const TGoodCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.Text);
}

class StrToIntGood : public ::testing::TestWithParam<TGoodCase> {};

TEST_P(StrToIntGood, Converts) {
    EXPECT_EQ(StrToInt(GetParam().Text), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(All, StrToIntGood,
                         ::testing::Values(TGoodCase{"0", 0}, TGoodCase{"-0", 0},
                                           TGoodCase{"00012", 12}, TGoodCase{"-17", -17},
                                           TGoodCase{"2147483647", 2147483647},
                                           TGoodCase{"-2147483648", -2147483647 - 1}));

class StrToIntBad : public ::testing::TestWithParam<std::string> {};

TEST_P(StrToIntBad, RaisesTheConversionErrorNamingTheText) {
    try {
        StrToInt(GetParam());
        ADD_FAILURE() << "no EConvertError";
    } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + GetParam() + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(All, StrToIntBad,
                         ::testing::Values("-", "", "+1", " 1", "1 ", "2147483648", "-2147483649",
                                           "99999999999999999999", "1e3", "0x10", "1.0", "--1"));

TEST(IntToStr, WritesPlainDecimal) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(4294967296LL), "4294967296");
}

TEST(LowerAscii, ChangesOnlyTheLettersAToZ) {
    EXPECT_EQ(LowerAscii("HREF=\"A.HTM\""), "href=\"a.htm\"");
    EXPECT_EQ(LowerAscii("ÄÖÜ@[`{"), "ÄÖÜ@[`{");
}

} // namespace
} // namespace kvx
