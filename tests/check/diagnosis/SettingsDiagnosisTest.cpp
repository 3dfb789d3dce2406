// The diagnosis of a settings file's bytes: the two values, where each came
// from, and what was found, one file per line.
#include "SettingsDiagnosis.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "SettingsFile.h"

namespace {

using namespace std::string_view_literals;
using F = FindingKind;
using R = DefaultReason;

// Where a value came from: the file's line, or the default for a reason (and
// the line it concerns, if any).
struct From {
  DefaultReason reason;
  std::size_t line;
};
constexpr From Line(std::size_t line) { return {R::None, line}; }
constexpr From Default(DefaultReason reason, std::size_t line = 0) { return {reason, line}; }

struct DiagnosisCase {
  const char* name;
  std::string_view bytes;
  std::int32_t interval;
  From intervalFrom;
  std::int32_t wait;
  From waitFrom;
  std::vector<FindingKind> findings;
};

void PrintTo(const DiagnosisCase& c, std::ostream* os) { *os << c.name; }

class SettingsDiagnosisOfFile : public testing::TestWithParam<DiagnosisCase> {};

void ExpectValue(const SettingValue& actual, std::int32_t value, From from, const IntegerSetting& setting) {
  EXPECT_EQ(actual.setting->key, setting.key);
  EXPECT_EQ(actual.value, value) << setting.key;
  EXPECT_EQ(actual.reason, from.reason) << setting.key;
  EXPECT_EQ(actual.source, from.reason == R::None ? ValueSource::File : ValueSource::Default) << setting.key;
  EXPECT_EQ(actual.line, from.line) << setting.key;
}

// ASCII files read alike on Japanese Windows and elsewhere.
TEST_P(SettingsDiagnosisOfFile, GivesTheValuesTheirSourcesAndWhatWasFound) {
  const DiagnosisCase& c = GetParam();
  for (const unsigned codePage : {932u, 1252u}) {
    SCOPED_TRACE(codePage);
    const SettingsDiagnosis d = DiagnoseSettings(c.bytes, codePage);
    ExpectValue(d.Value(IntervalSetting), c.interval, c.intervalFrom, IntervalSetting);
    ExpectValue(d.Value(ConnectWaitSetting), c.wait, c.waitFrom, ConnectWaitSetting);
    std::vector<FindingKind> kinds;
    for (const Finding& finding : d.findings) kinds.push_back(finding.kind);
    EXPECT_EQ(kinds, c.findings);

    // The plug-in's own lookup gives the same values.
    const SettingsFile file(c.bytes);
    EXPECT_EQ(d.Value(IntervalSetting).value, file.LookupInteger("Env", "InterbalMinute", 10));
    EXPECT_EQ(d.Value(ConnectWaitSetting).value, file.LookupInteger("Env", "ConnectWaitMilliSecond", 1000));
  }
}

// A good file and the NUL bytes a crash while saving leaves after it.
const std::string PaddedWithNuls = "[Env]\r\nInterbalMinute=5\r\n" + std::string(200, '\0');
// A DLL saved under the settings file's name: a program's first bytes.
const std::string Program = std::string("MZ\x90\0\x03\0\0\0\x04\0\0\0\xFF\xFF\0\0", 16) + std::string(48, '\0') +
                            "[Env]\r\nIntervalMinute=5\r\n";

const DiagnosisCase Cases[] = {
    {"Both", "[Env]\r\nInterbalMinute=5\r\nConnectWaitMilliSecond=1500\r\n"sv, 5, Line(2), 1500, Line(3), {}},
    {"Nothing", ""sv, 10, Default(R::NoContent), 1000, Default(R::NoContent), {}},
    {"NoEnv", "[General]\nA=1\n"sv, 10, Default(R::NoEnvSection), 1000, Default(R::NoEnvSection), {}},
    {"KeyMissing", "[Env]\nInterbalMinute=3\n"sv, 3, Line(2), 1000, Default(R::KeyMissing), {}},
    {"Utf8Mark", "\xEF\xBB\xBF[Env]\r\nInterbalMinute=5\r\n"sv, 10, Default(R::NoEnvSection, 1), 1000,
     Default(R::NoEnvSection, 1), {F::Utf8MarkBeforeHeader, F::KeyBeforeAnyHeader}},
    {"Utf8MarkAndTypo", "\xEF\xBB\xBF[Env]\nIntervalMinute=5\n[Other]\nConnectWaitMs=1\n"sv, 10,
     Default(R::NoEnvSection, 1), 1000, Default(R::NoEnvSection, 1), {F::Utf8MarkBeforeHeader, F::NearMissKey}},
    {"Utf8MarkThenRealEnv", "\xEF\xBB\xBF; note\n[Env]\nInterbalMinute=5\n"sv, 5, Line(3), 1000,
     Default(R::KeyMissing), {}},
    {"Utf16LittleEndian", "\xFF\xFE[\0E\0n\0v\0]\0"sv, 10, Default(R::NoEnvSection), 1000, Default(R::NoEnvSection),
     {F::Utf16}},
    {"Utf16WithoutMark", "[\0E\0n\0v\0]\0\r\0\n\0"sv, 10, Default(R::NoEnvSection), 1000, Default(R::NoEnvSection),
     {F::Utf16}},
    {"NulPaddingIsNoUtf16", PaddedWithNuls, 5, Line(2), 1000, Default(R::KeyMissing), {F::NulPadding}},
    {"ProgramIsNoUtf16AndItsLinesAreNotReported", Program, 10, Default(R::NoEnvSection), 1000,
     Default(R::NoEnvSection), {F::NotText}},
    {"PngIsNoText", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR"sv, 10, Default(R::NoEnvSection), 1000,
     Default(R::NoEnvSection), {F::NotText}},
    {"NulCutsOffTheRest", "[Env]\nInterbalMinute=5\n\0ConnectWaitMilliSecond=9\n"sv, 5, Line(2), 1000,
     Default(R::KeyMissing), {F::NulByte}},
    {"TypoWithV", "[Env]\nIntervalMinute=5\n"sv, 10, Default(R::KeyMissing), 1000, Default(R::KeyMissing),
     {F::NearMissKey}},
    {"OtherCaseIsTheKey", "[env]\nconnectwaitmillisecond=700\n"sv, 10, Default(R::KeyMissing), 700, Line(2), {}},
    {"ShortenedKey", "[Env]\nConnectWaitMs=700\nConnectWaitMilliSeconds=800\n"sv, 10, Default(R::KeyMissing), 1000,
     Default(R::KeyMissing), {F::NearMissKey, F::NearMissKey}},
    {"HashMarkedKeyIsSwitchedOffNotANearMiss", "[Env]\n#InterbalMinute=1\n"sv, 10, Default(R::KeyMissing), 1000,
     Default(R::KeyMissing), {F::CommentedOut}},
    {"OtherProgramsMarks",
     "[Env]\n--InterbalMinute=1\n::ConnectWaitMilliSecond=2\n'IntervalMinute=3\nREM\tConnectWaitMs=4\n"sv, 10, Default(R::KeyMissing), 1000, Default(R::KeyMissing),
     {F::CommentedOut, F::CommentedOut, F::CommentedOut, F::CommentedOut}},
    {"MarkedLinesOfNoKeyPass", "[Env]\n#Server=1\n# InterbalMinute is read at start\nremark=1\n"sv, 10,
     Default(R::KeyMissing), 1000, Default(R::KeyMissing), {}},
    {"MarkedKeyInAnotherSectionPasses", "[Other]\n#InterbalMinute=1\n[Env]\n"sv, 10, Default(R::KeyMissing), 1000,
     Default(R::KeyMissing), {}},
    {"UnrelatedKeysPass", "[Env]\nServer=imap.example.org\nTimeout=30\nInterval=5\nPort=993\n"sv, 10,
     Default(R::KeyMissing), 1000, Default(R::KeyMissing), {}},
    {"UnitAfterNumber", "[Env]\nInterbalMinute=15 min\nConnectWaitMilliSecond=1,500\n"sv, 10,
     Default(R::NotAnInteger, 2), 1000, Default(R::NotAnInteger, 3), {}},
    {"KeyInOtherSection", "[Env]\n[Other]\nInterbalMinute=5\n"sv, 10, Default(R::KeyMissing), 1000,
     Default(R::KeyMissing), {F::KeyInOtherSection}},
    {"HeaderWithComment", "[Other]\n[Env] ; main\nInterbalMinute=5\n"sv, 10, Default(R::NoEnvSection, 2), 1000,
     Default(R::NoEnvSection, 2), {F::HeaderWithTrailingText, F::KeyInOtherSection}},
    {"SeveralEnv", "[Env]\nInterbalMinute=5\n[Env]\nConnectWaitMilliSecond=300\n"sv, 10,
     Default(R::OnlyInEarlierEnv, 2), 300, Line(4), {F::SeveralEnvSections}},
    {"DuplicateKey", "[Env]\nInterbalMinute=5\ninterbalminute=6\n"sv, 6, Line(3), 1000, Default(R::KeyMissing),
     {F::DuplicateKey}},
    {"LoneCrAndLfCrCountLines", "[Env]\rA=1\n\rInterbalMinute=4\r\n"sv, 4, Line(4), 1000, Default(R::KeyMissing),
     {}},
    {"HexadecimalAndSign", "[Env]\nInterbalMinute=0x1F\nConnectWaitMilliSecond=-$10\n"sv, 31, Line(2), -16,
     Line(3), {}},
};

INSTANTIATE_TEST_SUITE_P(Files, SettingsDiagnosisOfFile, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsDiagnosis, FindingsCarryTheirLinesAndTexts) {
  const SettingsDiagnosis d = DiagnoseSettings("[Env]\nA=1\n\nIntervalMinute=5\nB=2\0tail"sv, 932);
  ASSERT_EQ(d.findings.size(), 2u);
  EXPECT_EQ(d.findings[0].line, 4u);
  EXPECT_EQ(d.findings[0].text, "IntervalMinute");
  EXPECT_EQ(d.findings[0].setting->key, IntervalSetting.key);
  EXPECT_EQ(d.findings[1].kind, F::NulByte);
  EXPECT_EQ(d.findings[1].line, 5u);   // on the line "B=2", which has no line end
  EXPECT_EQ(d.findings[1].byte, 31u);
}

// The rename's rule counts every line meant as a key, also those beyond the
// findings the report shows.
TEST(SettingsDiagnosis, LinesMeantAsAKeyAreCountedBeyondTheFindingsKept) {
  std::string file = "[Env]\n";
  for (int i = 0; i < 60; ++i) file += "ConnectWaitMilliSecond=1000\n";
  file += "IntervalMinute=5\nInterbalMinute\x81\x40=30\n";
  const SettingsDiagnosis d = DiagnoseSettings(file, 932);
  EXPECT_EQ(d.findings.size(), SettingsDiagnosis::MaxFindings);
  EXPECT_GT(d.findingsLeftOut, 0u);
  const SettingValue& interval = d.Value(IntervalSetting);
  EXPECT_EQ(interval.meantLines, 2u);
  EXPECT_EQ(interval.meant.line, 63u);
  EXPECT_TRUE(interval.meant.fullWidth);
  // A section of that name starts the count afresh.
  EXPECT_EQ(DiagnoseSettings(file + "[Env]\nIntervalMinute=7\n", 932).Value(IntervalSetting).meantLines, 1u);
}

struct FaultCase {
  std::string_view value;
  const IntegerSetting* setting;
  IntegerFault fault;
  std::string_view after;
  std::string_view amount = {};
};

TEST(ExplainIntegerFault, SaysWhyAValueIsNoInteger) {
  const IntegerSetting* minutes = &IntervalSetting;
  const IntegerSetting* ms = &ConnectWaitSetting;
  using I = IntegerFault;
  const FaultCase cases[] = {
      {"", minutes, I::Empty, ""},
      {"+", minutes, I::NoDigits, ""},
      {"0x", minutes, I::NoDigits, ""},
      {"ten", minutes, I::NoDigits, ""},
      {"\"15\"", minutes, I::Quoted, ""},
      {"--5", minutes, I::SecondSign, ""},
      {"+ 5", minutes, I::BlankInside, ""},
      {"1 000", minutes, I::BlankInside, ""},
      {"1.5", minutes, I::DecimalPoint, ""},
      {"1,500", ms, I::DigitGroupComma, ""},
      {"15 min", minutes, I::TextAfterNumber, "min"},
      {"15 ;note", minutes, I::TextAfterNumber, ";note"},
      {"1e3", minutes, I::TextAfterNumber, "e3"},
      {"2147483648", minutes, I::OutOfRange, ""},
      {"0x100000000", minutes, I::OutOfRange, ""},
      {"-2147483649", minutes, I::OutOfRange, ""},
      // Shift-JIS: 分 is 95 AA, 秒 95 62, ５ 82 54, the ideographic space 81 40.
      {"15\x95\xAA", minutes, I::TextAfterNumber, "\x95\xAA"},
      {"\x82\x54", minutes, I::FullWidth, "\x82\x54"},
      {"500\x81\x40", ms, I::FullWidth, "500\x81\x40"},
      {"\x82\x50\x82\x4F\x95\xAA", minutes, I::FullWidth, "\x82\x50\x82\x4F\x95\xAA"},
      {"2\x95\x62", ms, I::OtherUnit, "\x95\x62", "2000"},
      {"1.5\x95\x62", ms, I::OtherUnit, "\x95\x62", "1500"},
      {"2 sec", ms, I::OtherUnit, "sec", "2000"},
      {"1 h", minutes, I::OtherUnit, "h", "60"},
      {"90\x95\x62", minutes, I::NotWhole, "\x95\x62", "1.5"},
      {"1.5 min", minutes, I::NotWhole, "min", "1.5"},
      {"10 sec", minutes, I::NotWhole, "sec", "0.166\u2026"},  // a sixth of a minute, cut
      {"1000000 h", ms, I::OutOfRange, ""},
      // A full-width form in a note is the note's own.
      {"15 ;\x82\x54", minutes, I::TextAfterNumber, ";\x82\x54"},
  };
  for (const FaultCase& c : cases) {
    const IntegerFaultFacts facts = ExplainIntegerFault(c.value, TextEncoding::ShiftJis, *c.setting);
    EXPECT_EQ(facts.fault, c.fault) << c.value;
    EXPECT_EQ(facts.after, c.after) << c.value;
    EXPECT_EQ(facts.amount, c.amount) << c.value;
  }
}

}  // namespace
