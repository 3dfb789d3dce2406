// The settings check's report in both languages: the facts a user needs are
// there (values, lines, reasons, schedule), not the exact wording.
#include "CheckReport.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;

CheckFacts FactsOf(std::string_view bytes, SettingsLoadOutcome outcome = SettingsLoadOutcome::Read) {
  CheckFacts facts;
  facts.checkedPath = "C:\\Mail\\PlugIns\\Tollimer.ini";
  facts.dllBeside = true;
  facts.readByDllBeside = true;
  facts.outcome = outcome;
  facts.diagnosis = DiagnoseSettings(bytes);
  return facts;
}

struct ReportCase {
  const char* name;
  CheckFacts facts;
  bool attention;
  std::vector<std::string_view> english;
  std::vector<std::string_view> japanese;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

class CheckReportSays : public testing::TestWithParam<ReportCase> {};

TEST_P(CheckReportSays, TheKeyFactsInBothLanguages) {
  const ReportCase& c = GetParam();
  EXPECT_EQ(NeedsAttention(c.facts), c.attention);
  const std::string english = WriteCheckReport(c.facts, ReportLanguage::English);
  const std::string japanese = WriteCheckReport(c.facts, ReportLanguage::Japanese);
  for (const std::string_view fact : c.english) EXPECT_NE(english.find(fact), std::string::npos) << fact << "\n" << english;
  for (const std::string_view fact : c.japanese) {
    EXPECT_NE(japanese.find(fact), std::string::npos) << fact << "\n" << japanese;
  }
  // Both name the file, and the Japanese text is Japanese.
  EXPECT_NE(english.find(c.facts.checkedPath), std::string::npos);
  EXPECT_NE(japanese.find(c.facts.checkedPath), std::string::npos);
  EXPECT_NE(japanese.find("ます。"), std::string::npos);
}

const ReportCase Cases[] = {
    {"AllWell", FactsOf("[Env]\nInterbalMinute=2\nConnectWaitMilliSecond=1500\n"), false,
     {"InterbalMinute = 2 (line 2)", "ConnectWaitMilliSecond = 1500 (line 3)", "minute 3", "1500 ms (1.5 s)",
      "All is well"},
     {"InterbalMinute = 2（2 行目の値）", "3 分目に最初の切り替え", "1500 ミリ秒（1.5 秒）", "問題はありません"}},
    {"MissingFile", FactsOf("", SettingsLoadOutcome::NotFound), true,
     {"does not exist", "InterbalMinute = 10 (default)", "ConnectWaitMilliSecond = 1000 (default)", "minute 11"},
     {"ファイルがありません", "InterbalMinute = 10（既定値）", "11 分目"}},
    {"UnitAndComma", FactsOf("[Env]\nInterbalMinute=15 min\nConnectWaitMilliSecond=1,500\n"), true,
     {"line 2, \"15 min\"", "\"min\"", "line 3, \"1,500\"", "comma"},
     {"2 行目の値「15 min」", "「min」", "3 行目の値「1,500」", "カンマ"}},
    {"TypoAndMark", FactsOf("\xEF\xBB\xBF[Env]\nIntervalMinute=5\n"), true,
     {"Line 1: the file starts with a UTF-8 byte-order mark", "\"[Env]\"", "Line 1 is meant as the [Env]"},
     {"1 行目: ファイルの先頭に UTF-8 の BOM", "「[Env]」", "1 行目の [Env] は"}},
    {"TypoUnderEnv", FactsOf("[Env]\nIntervalMinute=5\n"), true,
     {"Line 2: \"IntervalMinute\"", "Did you mean InterbalMinute?"},
     {"2 行目: 「IntervalMinute」", "InterbalMinute と書くつもり"}},
    {"NegativeWait", FactsOf("[Env]\nInterbalMinute=0\nConnectWaitMilliSecond=-1\n"), true,
     {"one minute after Becky! starts", "4294967295 ms", "24.8 days"},
     {"Becky! の起動から 1 分後", "4294967295 ミリ秒", "24.8 日"}},
    {"MinuteLongWait", FactsOf("[Env]\nConnectWaitMilliSecond=60000\n"), true,
     {"60000 ms is a minute (60000 ms) or more", "off one minute and on the next"},
     {"60000 ミリ秒は、1 分（60000 ミリ秒）以上", "オフとオンを交互"}},
    {"SeveralEnv", FactsOf("[Env]\nInterbalMinute=5\n[Env]\nConnectWaitMilliSecond=300\n[X]\n"), true,
     {"There are 2 [Env] sections", "from line 3", "stands on line 2, in an earlier [Env]"},
     {"[Env] セクションが 2 個", "3 行目から", "2 行目にありますが"}},
};

INSTANTIATE_TEST_SUITE_P(Files, CheckReportSays, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckReport, FileThatCannotBeOpenedRunsWithZeros) {
  CheckFacts facts = FactsOf("", SettingsLoadOutcome::OpenFailed);
  facts.openErrorCode = 32;
  facts.openErrorText = "Sharing violation.";
  EXPECT_EQ(EffectiveValue(facts, IntervalSetting), 0);
  EXPECT_EQ(EffectiveValue(facts, ConnectWaitSetting), 0);
  const std::string english = WriteCheckReport(facts, ReportLanguage::English);
  for (const std::string_view fact : {"Sharing violation. (error 32)", "InterbalMinute = 0 (not read",
                                      "ConnectWaitMilliSecond = 0 (not read", "one minute after"}) {
    EXPECT_NE(english.find(fact), std::string::npos) << fact << "\n" << english;
  }
  EXPECT_NE(WriteCheckReport(facts, ReportLanguage::Japanese).find("（エラー 32）"), std::string::npos);
}

TEST(CheckReport, FileNotBesideTheDllNeedsAttention) {
  CheckFacts facts = FactsOf("[Env]\nInterbalMinute=2\nConnectWaitMilliSecond=1500\n");
  facts.dllBeside = false;
  facts.readByDllBeside = false;
  EXPECT_TRUE(NeedsAttention(facts));
  EXPECT_NE(WriteCheckReport(facts, ReportLanguage::English).find("no Tollimer.dll in this folder"),
            std::string::npos);
}

TEST(CheckReport, LanguageNames) {
  ReportLanguage language = ReportLanguage::English;
  EXPECT_TRUE(ReadReportLanguage("ja", language));
  EXPECT_EQ(language, ReportLanguage::Japanese);
  EXPECT_TRUE(ReadReportLanguage("en", language));
  EXPECT_EQ(language, ReportLanguage::English);
  EXPECT_FALSE(ReadReportLanguage("de", language));
  EXPECT_FALSE(ReadReportLanguage("", language));
}

}  // namespace
