#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

constexpr std::string_view Fallback = "<fallback>";

struct LookupCase {
  const char* name;
  std::string_view file;
  std::string_view section;
  std::string_view key;
  std::optional<std::string_view> value;  // none: the fallback
};

class SettingsLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(SettingsLookup, FindsTheLastEntryOfTheLastSectionOrFallsBack) {
  const SettingsFile file(GetParam().file);
  EXPECT_EQ(file.LookupText(GetParam().section, GetParam().key, Fallback), GetParam().value.value_or(Fallback));
}

const LookupCase LookupCases[] = {
    {"PlainEntry", "[Env]\nInterbalMinute=15\n"sv, "Env", "InterbalMinute", "15"},
    {"HeaderInCapitalsKeyInLowerCase", "[ENV]\ninterbalminute=15\n"sv, "Env", "InterbalMinute", "15"},
    {"AskedInAnotherCase", "[Env]\nInterbalMinute=15\n"sv, "eNV", "INTERBALMINUTE", "15"},
    {"BlanksInsideTheBrackets", "[  Env \t]\nInterbalMinute=15\n"sv, "Env", "InterbalMinute", "15"},
    {"BlanksAndTabsAroundEquals", "[Env]\n\t InterbalMinute \t=\t 15 \t\n"sv, "Env", "InterbalMinute", "15"},
    {"BlanksInsideNamesAreSignificant", "[My Env]\nA=1\n"sv, "MyEnv", "A", std::nullopt},
    {"AskedNamesAreNotTrimmed", "[Env]\nA=1\n"sv, " Env", "A", std::nullopt},
    {"KeyOnlyInTheFirstOfTwoEnv", "[Env]\nInterbalMinute=15\n[Env]\nConnectWaitMilliSecond=5\n"sv, "Env",
     "InterbalMinute", std::nullopt},
    {"KeyOnlyInTheSecondOfTwoEnv", "[Env]\nConnectWaitMilliSecond=5\n[Env]\nInterbalMinute=15\n"sv, "Env",
     "InterbalMinute", "15"},
    {"KeyInBothEnvTheLaterWins", "[Env]\nA=1\n[Other]\nA=2\n[env]\nA=3\n[Other]\n"sv, "Env", "A", "3"},
    {"DuplicateKeyTheLaterWins", "[Env]\nA=1\nB=9\na=2\n"sv, "Env", "A", "2"},
    {"HeaderWithCommentIsNoHeader", "[Other]\n[Env] ; main\nInterbalMinute=15\n"sv, "Env", "InterbalMinute",
     std::nullopt},
    {"LinesBelowACommentedHeaderStayInTheSectionBefore", "[Other]\n[Env] ; main\nInterbalMinute=15\n"sv, "Other",
     "InterbalMinute", "15"},
    {"CommentedHeaderWithEqualsIsAnEntry", "[Other]\n[Env] ;a=b\n"sv, "Other", "[Env] ;a", "b"},
    {"CommentedHeaderBeforeAnyHeaderDropsItsLines", "[Env] ; main\nInterbalMinute=15\n"sv, "Env",
     "InterbalMinute", std::nullopt},
    {"HashLineIsAnEntry", "[Env]\n#InterbalMinute=15\n"sv, "Env", "#InterbalMinute", "15"},
    {"HashLineHidesItsKey", "[Env]\n#InterbalMinute=15\n"sv, "Env", "InterbalMinute", std::nullopt},
    {"SemicolonLineIsAComment", "[Env]\n  ;InterbalMinute=15\n"sv, "Env", ";InterbalMinute", std::nullopt},
    {"SemicolonInsideAValueStays", "[Env]\nA=15 ;note\n"sv, "Env", "A", "15 ;note"},
    {"NulEndsTheContent", "[Env]\nA=1\n\0\nA=2\n"sv, "Env", "A", "1"},
    {"NulInsideAKeyEndsTheContent", "[Env]\nA=1\nA\0=2\n"sv, "Env", "A", "1"},
    {"LoneCrLine", "[Env]\rA=1\rB=2\r"sv, "Env", "B", "2"},
    {"MixedLineEnds", "[X]\r\n[Env]\rA=1\nB=2\r\nC=3"sv, "Env", "B", "2"},
    {"LastOfMixedLineEndsWithoutLineEnd", "[X]\r\n[Env]\rA=1\nB=2\r\nC=3"sv, "Env", "C", "3"},
    {"Utf16LittleEndianFile", "\xFF\xFE[\0E\0n\0v\0]\0\r\0\n\0A\0=\0""1\0"sv, "Env", "A", std::nullopt},
    {"Utf16BigEndianFile", "\xFE\xFF\0[\0E\0n\0v\0]\0\r\0\n\0A\0=\0""1"sv, "Env", "A", std::nullopt},
    {"Utf8ByteOrderMarkHidesTheFirstHeader", "\xEF\xBB\xBF[Env]\nA=1\n"sv, "Env", "A", std::nullopt},
    {"Utf8ByteOrderMarkThenALaterHeader", "\xEF\xBB\xBF[Env]\nA=1\n[Env]\nA=2\n"sv, "Env", "A", "2"},
    {"EntriesBeforeAnyHeaderAreDropped", "A=1\n[Env]\nB=2\n"sv, "Env", "A", std::nullopt},
    {"FileWithoutHeader", "InterbalMinute=15\n"sv, "", "InterbalMinute", std::nullopt},
    {"MisspelledKeyIsAnotherKey", "[Env]\nIntervalMinute=15\n"sv, "Env", "InterbalMinute", std::nullopt},
    {"EmptyValue", "[Env]\nA=\n"sv, "Env", "A", ""},
    {"ValueHoldingEquals", "[Env]\nA = b = c \n"sv, "Env", "A", "b = c"},
    {"EmptyKey", "[Env]\n = 5\n"sv, "Env", "", "5"},
    {"LineWithoutEqualsIsNoEntry", "[Env]\nInterbalMinute\nInterbalMinute 15\n"sv, "Env", "InterbalMinute",
     std::nullopt},
    {"EmptySectionName", "[]\nA=1\n"sv, "", "A", "1"},
    {"BlankSectionName", "[ \t ]\nA=1\n"sv, "", "A", "1"},
    {"OnlyAnOpeningBracketIsNoHeader", "[Env]\n[\nA=2\n"sv, "Env", "A", "2"},
    {"ExtraBracketsBelongToTheName", "[[Env]]\nA=1\n"sv, "[Env]", "A", "1"},
    {"ControlBytesAreTrimmed", "\x01[Env]\x1F\n\x7F" "A\x02=\x03 1\x04"sv, "Env", "\x7F" "A", "1"},
    {"ShiftJisIdeographicSpaceStays", "[Env]\nA=\x81\x40x\x81\x40\n"sv, "Env", "A", "\x81\x40x\x81\x40"},
    {"EmptyFile", ""sv, "Env", "A", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Files, SettingsLookup, testing::ValuesIn(LookupCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsFile, LookupIntegerParsesTheValueOrFallsBack) {
  const SettingsFile file("[Env]\nInterbalMinute=$1F\nConnectWaitMilliSecond=1.5\nEmpty=\n"sv);
  EXPECT_EQ(file.LookupInteger("Env", "InterbalMinute", 10), 31);
  EXPECT_EQ(file.LookupInteger("Env", "ConnectWaitMilliSecond", 1000), 1000);
  EXPECT_EQ(file.LookupInteger("Env", "Empty", 7), 7);
  EXPECT_EQ(file.LookupInteger("Env", "Missing", 8), 8);
  EXPECT_EQ(SettingsFile().LookupInteger("Env", "InterbalMinute", 10), 10);
}

}  // namespace
