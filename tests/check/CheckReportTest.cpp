// The settings check's report in both languages: the facts a user needs are
// there (values, lines, reasons, schedule), not the exact wording.
#include "CheckReport.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ProductIdentity.h"

namespace {

using namespace std::string_view_literals;

CheckFacts FactsOf(std::string_view bytes, SettingsLoadOutcome outcome = SettingsLoadOutcome::Read) {
  CheckFacts facts;
  facts.checkedPath = "C:\\Mail\\PlugIns\\Tollimer.ini";
  facts.dllBeside = true;
  facts.readByDllBeside = true;
  facts.outcome = outcome;
  facts.diagnosis = DiagnoseSettings(bytes, 932);
  return facts;
}

// Little-endian UTF-16 with its byte-order mark, as Notepad saves "Unicode".
std::string Utf16Bytes(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
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
    // Windows' shortest timer period: the switch back comes 10 ms later.
    {"TinyWait", FactsOf("[Env]\nInterbalMinute=1\nConnectWaitMilliSecond=5\n"), false,
     {"minute 2", "10 ms (0.01 s) later"},
     {"2 分目", "10 ミリ秒（0.01 秒）後"}},
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

// What the plug-in reads follows from its own reading, whatever the file is.
TEST(CheckReport, FileKindsAreNamedAndWhatIsReadFollowsFromTheReading) {
  const std::string padded = "[Env]\r\nInterbalMinute=5\r\n" + std::string(200, '\0');
  const std::string program = std::string("MZ\x90\0", 4) + std::string(60, '\0');
  const struct {
    std::string bytes;
    std::vector<std::string_view> japanese;
    std::vector<std::string_view> absent;
  } cases[] = {
      {padded,
       {"InterbalMinute = 5（2 行目の値）", "3 行目: ファイルの 26 バイト目から末尾までは、NUL 文字（値が 0 のバイト）が 200 バイト"},
       {"UTF-16", "まったく読み取れません"}},
      {program,
       {"このファイルはテキストファイルではありません（先頭が EXE/DLL ファイルの形式です）",
        "ファイルがテキストファイルではなく、Tollimer は [Env] セクションを見つけられません"},
       {"UTF-16", "まったく読み取れません"}},
      {Utf16Bytes("[Env]\r\nInterbalMinute=2\r\n"), {"Tollimer はこのファイルの内容をまったく読み取れません"}, {}},
  };
  for (const auto& c : cases) {
    const std::string japanese = WriteCheckReport(FactsOf(c.bytes), ReportLanguage::Japanese);
    for (const std::string_view fact : c.japanese) {
      EXPECT_NE(japanese.find(fact), std::string::npos) << fact << "\n" << japanese;
    }
    for (const std::string_view fact : c.absent) {
      EXPECT_EQ(japanese.find(fact), std::string::npos) << fact << "\n" << japanese;
    }
  }
}

TEST(CheckReport, FileNotBesideTheDllNeedsAttention) {
  CheckFacts facts = FactsOf("[Env]\nInterbalMinute=2\nConnectWaitMilliSecond=1500\n");
  facts.dllBeside = false;
  facts.readByDllBeside = false;
  EXPECT_TRUE(NeedsAttention(facts));
  EXPECT_NE(WriteCheckReport(facts, ReportLanguage::English).find("no Tollimer.dll in this folder"),
            std::string::npos);
}

// The report's last line, without its line end.
std::string LastLine(const std::string& report) {
  const std::size_t end = report.find_last_not_of('\n');
  const std::size_t start = report.find_last_of('\n', end);
  return report.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

TEST(CheckReport, Utf16FileWithItsHeader_SaysTheSectionCannotBeReadNotThatItIsMissing) {
  const CheckFacts facts = FactsOf(Utf16Bytes("[Env]\r\nInterbalMinute=2\r\n"));
  const std::string english = WriteCheckReport(facts, ReportLanguage::English);
  const std::string japanese = WriteCheckReport(facts, ReportLanguage::Japanese);
  EXPECT_NE(english.find("saved as UTF-16, so Tollimer cannot read its [Env] section"), std::string::npos) << english;
  EXPECT_EQ(english.find("has no [Env] section"), std::string::npos) << english;
  EXPECT_NE(japanese.find("UTF-16 で保存されているため、Tollimer は [Env] セクションを読み取れません"), std::string::npos)
      << japanese;
  EXPECT_EQ(japanese.find("[Env] セクションがありません"), std::string::npos) << japanese;
  // The same facts in both: which code page the plug-in reads.
  EXPECT_NE(english.find("ANSI"), std::string::npos);
  EXPECT_NE(english.find("Shift-JIS"), std::string::npos) << english;
  EXPECT_NE(japanese.find("ANSI"), std::string::npos);
  EXPECT_NE(japanese.find("Shift-JIS"), std::string::npos) << japanese;
}

struct ClosingCase {
  const char* name;
  CheckFacts facts;
  std::string_view english;
  std::string_view japanese;
};

void PrintTo(const ClosingCase& c, std::ostream* os) { *os << c.name; }

CheckFacts WithDll(CheckFacts facts, std::string dllFileName, bool beside, bool reads) {
  facts.dllFileName = std::move(dllFileName);
  facts.dllBeside = beside;
  facts.readByDllBeside = reads;
  return facts;
}

constexpr std::string_view GoodFile = "[Env]\nInterbalMinute=2\nConnectWaitMilliSecond=1500\n";

class CheckReportEndsWith : public testing::TestWithParam<ClosingCase> {};

TEST_P(CheckReportEndsWith, TheStepThatFitsTheCase) {
  const ClosingCase& c = GetParam();
  const std::string english = LastLine(WriteCheckReport(c.facts, ReportLanguage::English));
  const std::string japanese = LastLine(WriteCheckReport(c.facts, ReportLanguage::Japanese));
  EXPECT_NE(english.find(c.english), std::string::npos) << english;
  EXPECT_NE(japanese.find(c.japanese), std::string::npos) << japanese;
  if (std::string_view(c.name) != "BrokenFile") {
    EXPECT_EQ(english.find("after correcting the file"), std::string::npos) << english;
    EXPECT_EQ(japanese.find("ファイルを修正したら"), std::string::npos) << japanese;
  }
}

const ClosingCase ClosingCases[] = {
    {"AllWell", FactsOf(GoodFile), "Nothing to do.", "何もする必要はありません。"},
    {"BrokenFile", FactsOf("[Env]\nInterbalMinute=15 min\n"), "after correcting the file, start Becky! again",
     "ファイルを修正したら、Becky! を再起動してください。"},
    {"MissingFile", FactsOf("", SettingsLoadOutcome::NotFound),
     "create Tollimer.ini beside Tollimer.dll with the content of the sample Tollimer.ini",
     "サンプルの Tollimer.ini と同じ内容で、Tollimer.dll と同じフォルダーに Tollimer.ini を作り"},
    {"NoDllBeside", WithDll(FactsOf(GoodFile), "", false, false), "put Tollimer.dll in this folder",
     "このフォルダーに Tollimer.dll を置く"},
    {"NoDllUnderItsOwnName", WithDll(FactsOf(GoodFile), "Tollimer-test.dll", false, false),
     "put Tollimer-test.dll in this folder (or this file, named Tollimer-test.ini, beside Tollimer-test.dll)",
     "このファイルを Tollimer-test.ini という名前で Tollimer-test.dll と同じフォルダーに置いて"},
    {"DllReadsAnotherName", WithDll(FactsOf(GoodFile), "", true, false), "save them as Tollimer.ini beside Tollimer.dll",
     "Tollimer.dll と同じフォルダーに Tollimer.ini という名前で保存して"},
    {"HeldOpen", FactsOf("", SettingsLoadOutcome::OpenFailed), "Close that program, then start Becky! again",
     "そのプログラムを閉じてから、Becky! を再起動してください。"},
};

INSTANTIATE_TEST_SUITE_P(Cases, CheckReportEndsWith, testing::ValuesIn(ClosingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckReport, ExitStatusFollowsTheAdvice) {
  EXPECT_EQ(ExitStatus(FactsOf(GoodFile)), 0);
  EXPECT_EQ(ExitStatus(FactsOf("", SettingsLoadOutcome::NotFound)), 1);
  EXPECT_EQ(ExitStatus(WithDll(FactsOf(GoodFile), "", true, false)), 1);
  EXPECT_EQ(AdviceFor(WithDll(FactsOf(GoodFile), "", true, false)), Advice::RenameForDll);
}

TEST(CheckReport, TitleNamesTheProductAndItsVersion) {
  EXPECT_EQ(CheckTitle(ReportLanguage::English), std::string(ProductName) + " " + std::string(ProductVersion) +
                                                     " settings check");
  EXPECT_NE(CheckTitle(ReportLanguage::Japanese).find(std::string(ProductName) + " " + std::string(ProductVersion)),
            std::string::npos);
}

// In a message box's proportional font no columns line up: each option
// stands on a line of its own, its explanation indented on the next.
TEST(CheckReport, UsagePutsEachOptionOnALineOfItsOwn) {
  for (const ReportLanguage language : {ReportLanguage::English, ReportLanguage::Japanese}) {
    const std::string usage = CheckUsage(language);
    for (const std::string option : {"--print", "--lang ja|en", "--help"}) {
      const std::size_t at = usage.find("\n" + option + "\n");
      ASSERT_NE(at, std::string::npos) << option << "\n" << usage;
      EXPECT_EQ(usage.compare(at + option.size() + 2, 4, "    "), 0) << option << "\n" << usage;
    }
  }
}

TEST(CheckReport, CommandLineErrorsInTheReportsLanguage) {
  using E = CommandLineError;
  const struct {
    E error;
    std::string_view english;
    std::string_view japanese;
  } cases[] = {
      {E::UnknownOption, "TollimerCheck: unknown option --bogus", "TollimerCheck: --bogus というオプションはありません。"},
      {E::Language, "TollimerCheck: --lang takes ja or en", "TollimerCheck: --lang には ja か en を指定してください。"},
      {E::OneFileOnly, "TollimerCheck: only one file", "TollimerCheck: 一度に調べられるファイルは 1 つだけです。"},
  };
  for (const auto& c : cases) {
    const std::string english = CommandLineErrorText(c.error, "--bogus", ReportLanguage::English);
    const std::string japanese = CommandLineErrorText(c.error, "--bogus", ReportLanguage::Japanese);
    EXPECT_EQ(english.rfind(c.english, 0), 0u) << english;
    EXPECT_EQ(japanese.rfind(c.japanese, 0), 0u) << japanese;
    EXPECT_NE(english.find(CheckUsage(ReportLanguage::English)), std::string::npos);
    EXPECT_NE(japanese.find(CheckUsage(ReportLanguage::Japanese)), std::string::npos);
  }
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
