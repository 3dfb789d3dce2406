#include "SettingsInteger.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace {

struct AcceptedCase {
  std::string_view text;
  std::int32_t value;
};

class AcceptedSettingsInteger : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedSettingsInteger, ReadsTheValueWhateverTheFallback) {
  EXPECT_EQ(ParseSettingsInteger(GetParam().text, 77), GetParam().value) << '"' << GetParam().text << '"';
  EXPECT_EQ(ParseSettingsInteger(GetParam().text, -77), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Values, AcceptedSettingsInteger,
    testing::Values(
        AcceptedCase{"15", 15}, AcceptedCase{"+15", 15}, AcceptedCase{"-3", -3}, AcceptedCase{"012", 12},
        AcceptedCase{"0x1F", 31}, AcceptedCase{"0X1f", 31}, AcceptedCase{"$1F", 31}, AcceptedCase{"x1F", 31},
        AcceptedCase{"X1f", 31}, AcceptedCase{"-0x10", -16}, AcceptedCase{"-$10", -16},
        AcceptedCase{"0x000000001F", 31}, AcceptedCase{"0xFFFFFFFF", -1}, AcceptedCase{"$80000000", INT32_MIN},
        AcceptedCase{"2147483647", INT32_MAX}, AcceptedCase{"-2147483648", INT32_MIN},
        // Boundaries and spellings beyond the everyday ones.
        AcceptedCase{"0", 0}, AcceptedCase{"-0", 0}, AcceptedCase{"+0", 0}, AcceptedCase{"00000000000000000007", 7},
        AcceptedCase{"0002147483647", INT32_MAX}, AcceptedCase{"-0002147483648", INT32_MIN},
        AcceptedCase{"214748364", 214748364}, AcceptedCase{"-2147483647", -INT32_MAX},
        AcceptedCase{"0x7FFFFFFF", INT32_MAX}, AcceptedCase{"0x80000000", INT32_MIN},
        AcceptedCase{"-0x80000000", INT32_MIN}, AcceptedCase{"-0xFFFFFFFF", 1}, AcceptedCase{"-0x7FFFFFFF", -INT32_MAX},
        AcceptedCase{"0x12345678", 0x12345678}, AcceptedCase{"0x0FFFFFFF0", -16}, AcceptedCase{"0x00000000FFFFFFFF", -1},
        AcceptedCase{"$0", 0}, AcceptedCase{"x0", 0}, AcceptedCase{"0x0", 0}, AcceptedCase{"+$aBcD", 0xABCD},
        AcceptedCase{"-X1", -1}, AcceptedCase{"+0X1", 1},
        // Only blanks at the start are skipped.
        AcceptedCase{" 15", 15}, AcceptedCase{"   -0x10", -16}));

class RejectedSettingsInteger : public testing::TestWithParam<std::string_view> {};

TEST_P(RejectedSettingsInteger, GivesTheFallback) {
  EXPECT_EQ(ParseSettingsInteger(GetParam(), 77), 77) << '"' << GetParam() << '"';
  EXPECT_EQ(ParseSettingsInteger(GetParam(), -77), -77) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RejectedSettingsInteger,
    testing::Values(
        "2147483648", "-2147483649", "0x100000000", "", "0x", "$", "x", "+", "-", "1.5", "1e3", "0A", "--5",
        "+ 5", "15 min", "15 ;note",
        // Boundaries and spellings beyond the everyday ones.
        "2147483650", "-2147483650", "21474836470", "99999999999999999999", "0x123456789", "$FFFFFFFFF",
        "-0x100000000", "0x1FFFFFFFF", "0X", "-$", "+x", "0x-5", "0x+5", "$$1", "0xx1", "00x1", "0x1G", "1x",
        "15 ", "15\t", "\t15", "-\t5", "+-5", "1,000", "0b101", "\xEF\xBC\x91", std::string_view("1\0", 2),
        "\xFF"));

}  // namespace
