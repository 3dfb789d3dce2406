// The settings check's command line, read whole: every option wherever it
// stands, the first error kept, and nothing taken for a file that is none.
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LineCase {
  const char* name;
  std::vector<std::wstring> arguments;
  std::optional<CommandLineError> error;
  bool print;
  bool fix;
  std::optional<std::wstring> file;
  ReportLanguage language = ReportLanguage::English;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

using enum CommandLineError;

const LineCase Cases[] = {
    {"Nothing", {}, std::nullopt, false, false, std::nullopt},
    {"FileAlone", {L"C:\\P\\Tollimer.ini"}, std::nullopt, false, false, L"C:\\P\\Tollimer.ini"},
    // An error before --print still goes where --print sends the report.
    {"UnknownOptionBeforePrint", {L"--bogus", L"--print", L"a.ini"}, UnknownOption, true, false, L"a.ini"},
    {"BadLanguageBeforePrint", {L"--lang", L"de", L"--print"}, Language, true, false, std::nullopt},
    {"LanguageInCapitals", {L"--lang", L"JA", L"a.ini"}, std::nullopt, false, false, L"a.ini", ReportLanguage::Japanese},
    {"LanguageAfterEquals", {L"--lang=ja"}, std::nullopt, false, false, std::nullopt, ReportLanguage::Japanese},
    {"LanguageWithoutValue", {L"--print", L"--lang"}, OptionWithoutValue, true, false, std::nullopt},
    // An empty shell variable: never the file beside the program.
    {"EmptyFile", {L"--fix", L""}, EmptyFileName, false, true, std::nullopt},
    {"TwoFiles", {L"a.ini", L"b.ini"}, OneFileOnly, false, false, L"a.ini"},
    {"DryRunAlone", {L"--print", L"--dry-run"}, DryRunWithoutFix, true, false, std::nullopt},
    {"FileAfterDoubleDash", {L"--print", L"--", L"--odd.ini"}, std::nullopt, true, false, L"--odd.ini"},
    {"OutputImpliesPrint", {L"--fix", L"--output", L"C:\\T\\out.txt", L"a.ini"}, std::nullopt, true, true, L"a.ini"},
    {"EmptyOutput", {L"--output="}, EmptyFileName, false, false, std::nullopt},
    {"FirstErrorKept", {L"--lang", L"x", L"--bogus"}, Language, false, false, std::nullopt},
};

class CheckCommandLine : public testing::TestWithParam<LineCase> {};

TEST_P(CheckCommandLine, IsReadWhole) {
  const LineCase& c = GetParam();
  const CheckOptions options = ParseCommandLine(c.arguments, ReportLanguage::English);
  EXPECT_EQ(options.error, c.error);
  EXPECT_EQ(options.print, c.print);
  EXPECT_EQ(options.fix, c.fix);
  EXPECT_EQ(options.file, c.file);
  EXPECT_EQ(options.language, c.language);
}

INSTANTIATE_TEST_SUITE_P(Lines, CheckCommandLine, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckCommandLineErrors, NameTheWrongOption) {
  const std::vector<std::wstring> arguments{L"--print", L"--bogus=1"};
  EXPECT_EQ(ParseCommandLine(arguments, ReportLanguage::Japanese).wrongArgument, L"--bogus=1");
  EXPECT_EQ(ParseCommandLine(arguments, ReportLanguage::Japanese).language, ReportLanguage::Japanese);
}

}  // namespace
