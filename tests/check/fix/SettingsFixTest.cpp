// The settings check's corrections: each rule alone, then whole files, one
// per line: the bytes in, the bytes out, and what the plug-in's own lookup
// reads from them afterwards.
#include "SettingsFix.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "BackupName.h"
#include "FixRules.h"
#include "SettingsFile.h"

namespace {

using namespace std::string_view_literals;

// A small ANSI code page: ASCII, and "あ" as Shift-JIS writes it.
bool TableEncoder(std::u16string_view text, std::string& ansi) {
  for (const char16_t unit : text) {
    if (unit < 0x80) {
      ansi += static_cast<char>(unit);
    } else if (unit == u'あ') {
      ansi += "\x82\xA0";
    } else {
      return false;
    }
  }
  return true;
}

// UTF-16 bytes of `text`, little-endian unless `big`, after the matching mark if `mark`.
std::string Utf16(std::u16string_view text, bool mark = true, bool big = false) {
  std::string bytes = mark ? (big ? "\xFE\xFF" : "\xFF\xFE") : "";
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += big ? high : low;
    bytes += big ? low : high;
  }
  return bytes;
}

TEST(CertainKeyFor, NamesTheOneKeyASlipWasMeantAs) {
  EXPECT_EQ(CertainKeyFor("IntervalMinute"), &PluginSettings[0]);
  EXPECT_EQ(CertainKeyFor("intervalminutes"), &PluginSettings[0]);
  EXPECT_EQ(CertainKeyFor("InetrbalMinute"), &PluginSettings[0]);  // two letters swapped
  EXPECT_EQ(CertainKeyFor("ConnectWaitMiliSecond"), &PluginSettings[1]);
  EXPECT_EQ(CertainKeyFor("ConnectWaitMilliSeconds"), &PluginSettings[1]);
  EXPECT_EQ(CertainKeyFor("InterbalMinute"), nullptr);  // the key itself
  EXPECT_EQ(CertainKeyFor("INTERBALMINUTE"), nullptr);  // the key itself: case does not matter
  EXPECT_EQ(CertainKeyFor("ConnectWaitMs"), nullptr);   // too far to be sure
  EXPECT_EQ(CertainKeyFor("IntrvalMinuten"), nullptr);  // three slips
  EXPECT_EQ(CertainKeyFor("Server"), nullptr);
  EXPECT_EQ(CertainKeyFor("Connec\xD7" "aitMilliSecond"), nullptr);  // not ASCII: no slip of typing (found by the fuzz)
}

struct CorrectionCase {
  std::string_view value;
  const IntegerSetting* setting;
  std::optional<std::string> corrected;
  std::string_view note = {};
  bool converted = false;
};

// Shift-JIS bytes: 分 95 AA, 秒 95 62, ミリ秒 83 7E 83 8A 95 62, 時間 8E 9E 8A D4,
// １ 82 50, ０ 82 4F, （ 81 69, ） 81 6A.
TEST(CorrectValue, TakesTheNumberMeantInTheSettingsOwnUnitOnlyWhenCertain) {
  const IntegerSetting* minutes = &IntervalSetting;
  const IntegerSetting* ms = &ConnectWaitSetting;
  const std::nullopt_t none = std::nullopt;
  const CorrectionCase cases[] = {
      {"15 min", minutes, "15"},
      {"15min", minutes, "15"},
      {"15 Minutes", minutes, "15"},
      {"-5 min", minutes, "-5"},
      {"2000ms", ms, "2000"},
      {"2000 msec", ms, "2000"},
      {"15\x95\xAA", minutes, "15"},
      {"5 \x95\xAA", minutes, "5"},
      {"15\x95\xAA\x8A\xD4", minutes, "15"},
      {"2000\x83\x7E\x83\x8A\x95\x62", ms, "2000"},
      {"\x82\x50\x82\x4F\x95\xAA", minutes, "10"},
      {"\x82\x50\x82\x4F", minutes, "10"},
      {"1,500", ms, "1500"},
      {"12,345,678", ms, "12345678"},
      {"+1,500", ms, "1500"},
      {"1,500 ms", ms, "1500"},
      {"007 min", minutes, "7"},
      // Another exact unit: converted.
      {"2\x95\x62", ms, "2000", {}, true},
      {"1.5\x95\x62", ms, "1500", {}, true},
      {"2 sec", ms, "2000", {}, true},
      {"2 s", ms, "2000", {}, true},
      {"1\x8E\x9E\x8A\xD4", minutes, "60", {}, true},
      {"1 h", minutes, "60", {}, true},
      {"120 sec", minutes, "2", {}, true},
      {"2.0 min", minutes, "2"},
      // Notes, kept apart.
      {"15 ;note", minutes, "15", ";note"},
      {"15 # note", minutes, "15", "# note"},
      {"15 min (was 10)", minutes, "15", "(was 10)"},
      {"2000 // was 1000 until the server moved", ms, "2000", "// was 1000 until the server moved"},
      {"15\x95\xAA\x81\x69x\x81\x6A", minutes, "15", "\x81\x69x\x81\x6A"},
      {"2\x95\x62 ;wait", ms, "2000", ";wait", true},
      // Nothing certain.
      {"90\x95\x62", minutes, none},
      {"1.5 min", minutes, none},
      {"15 sec", minutes, none},
      {"1.5", minutes, none},
      {"2.0", minutes, none},
      {"1,500\x95\x62", ms, none},
      {"15 ms", minutes, none},
      {"1,5", ms, none},
      {"1,5000", ms, none},
      {"1500,", ms, none},
      {"1e3", ms, none},
      {"15-20", minutes, none},
      {"15 abc", minutes, none},
      {"15\x95\xAA\x82\xB2\x82\xC6", minutes, none},  // 分ごと: no unit alone
      {"ten", minutes, none},
      {"99999999999 min", minutes, none},
      {"3000000 h", ms, none},
      {"15.", minutes, none},
      {"0x10 min", minutes, none},
  };
  for (const CorrectionCase& c : cases) {
    const std::optional<ValueCorrection> correction = CorrectValue(c.value, TextEncoding::ShiftJis, *c.setting);
    ASSERT_EQ(correction.has_value(), c.corrected.has_value()) << c.value;
    if (!correction) continue;
    EXPECT_EQ(correction->value, *c.corrected) << c.value;
    EXPECT_EQ(correction->note, c.note) << c.value;
    EXPECT_EQ(correction->converted, c.converted) << c.value;
  }
}

TEST(ResaveUtf16AsAnsi, NamesTheLineOfACharacterTheCodePageLacks) {
  const AnsiResave resave = ResaveUtf16AsAnsi(Utf16(u"[Env]\r\n; caf\u00E9\r\n"), TableEncoder);
  EXPECT_FALSE(resave.done);
  EXPECT_EQ(resave.badLine, 2u);
  EXPECT_TRUE(ResaveUtf16AsAnsi("\xFF\xFE[\0E"sv, TableEncoder).malformed);
  EXPECT_TRUE(ResaveUtf16AsAnsi("\x02\0\0\0\0\0\0\0"sv, TableEncoder).malformed);  // NUL characters
}

struct FileCase {
  const char* name;
  std::string in;
  std::string out;  // what the corrected file holds; `in` when nothing is certain
  std::int32_t interval;  // what the plug-in reads from `out`
  std::int32_t wait;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class SettingsFixOfFile : public testing::TestWithParam<FileCase> {};

TEST_P(SettingsFixOfFile, GivesTheCorrectedBytesAndThePluginReadsThem) {
  const FileCase& c = GetParam();
  for (const unsigned codePage : {932u, 1252u}) {
    SCOPED_TRACE(codePage);
    const SettingsFixPlan plan = PlanSettingsFix(c.in, codePage, TableEncoder);
    EXPECT_EQ(plan.bytes, c.out);
    EXPECT_EQ(plan.ChangesAnything(), c.in != c.out);
    const SettingsFile file(plan.bytes);
    EXPECT_EQ(file.LookupInteger("Env", "InterbalMinute", 10), c.interval);
    EXPECT_EQ(file.LookupInteger("Env", "ConnectWaitMilliSecond", 1000), c.wait);
    // Nothing certain is left over: a second pass changes nothing.
    EXPECT_FALSE(PlanSettingsFix(plan.bytes, codePage, TableEncoder).ChangesAnything());
  }
}

const FileCase Files[] = {
    {"Utf8Mark", "\xEF\xBB\xBF[Env]\r\nInterbalMinute=5\r\n", "[Env]\r\nInterbalMinute=5\r\n", 5, 1000},
    {"Utf8MarkAfterBlank", " \xEF\xBB\xBF[Env]\nInterbalMinute=5", " [Env]\nInterbalMinute=5", 5, 1000},
    {"Utf8MarkBeforeComment", "\xEF\xBB\xBF; x\n[Env]\nInterbalMinute=5\n", "\xEF\xBB\xBF; x\n[Env]\nInterbalMinute=5\n", 5, 1000},
    {"Utf16Le", Utf16(u"[Env]\r\nInterbalMinute=3\r\n"), "[Env]\r\nInterbalMinute=3\r\n", 3, 1000},
    {"Utf16Be", Utf16(u"[Env]\nConnectWaitMilliSecond=7", true, true), "[Env]\nConnectWaitMilliSecond=7", 10, 7},
    {"Utf16NoMark", Utf16(u"[Env]\rInterbalMinute=4\r", false), "[Env]\rInterbalMinute=4\r", 4, 1000},
    {"Utf16Japanese", Utf16(u"; あ\r\n[Env]\r\nInterbalMinute=3\r\n"), "; \x82\xA0\r\n[Env]\r\nInterbalMinute=3\r\n", 3, 1000},
    {"Utf16NotInCodePage", Utf16(u"[Env]\r\n; caf\u00E9\r\n"), Utf16(u"[Env]\r\n; caf\u00E9\r\n"), 10, 1000},
    {"Utf16ThenSlipAndUnit", Utf16(u"[Env]\r\nIntervalMinute=5 min\r\n"), "[Env]\r\nInterbalMinute=5\r\n", 5, 1000},
    {"Slip", "[Env]\nIntervalMinute=5\n", "[Env]\nInterbalMinute=5\n", 5, 1000},
    {"SlipKeepsBlanksAndCase", "[env]\r\n  intervalminute = 5 \r\n", "[env]\r\n  InterbalMinute = 5 \r\n", 5, 1000},
    {"SlipOfTheWait", "[Env]\nConnectWaitMiliSecond=1500\n", "[Env]\nConnectWaitMilliSecond=1500\n", 10, 1500},
    {"SlipBesideTheKey", "[Env]\nInterbalMinute=3\nIntervalMinute=5\n", "[Env]\nInterbalMinute=3\nIntervalMinute=5\n", 3, 1000},
    {"TwoSlips", "[Env]\nIntervalMinute=5\nInterbalMinutes=6\n", "[Env]\nIntervalMinute=5\nInterbalMinutes=6\n", 10, 1000},
    {"SlipInEarlierEnv", "[Env]\nIntervalMinute=5\n[Env]\nA=1\n", "[Env]\nIntervalMinute=5\n[Env]\nA=1\n", 10, 1000},
    {"SlipInOtherSection", "[Other]\nIntervalMinute=5\n", "[Other]\nIntervalMinute=5\n", 10, 1000},
    {"SlipTooFar", "[Env]\nConnectWaitMs=5\n", "[Env]\nConnectWaitMs=5\n", 10, 1000},
    {"Unit", "[Env]\nInterbalMinute=15 min\n", "[Env]\nInterbalMinute=15\n", 15, 1000},
    {"UnitWithoutBlank", "[Env]\r\nConnectWaitMilliSecond = 2000ms\r\n", "[Env]\r\nConnectWaitMilliSecond = 2000\r\n", 10, 2000},
    {"Note", "[Env]\nInterbalMinute=15 ;every quarter\n", "[Env]\n;every quarter\nInterbalMinute=15\n", 15, 1000},
    {"GroupComma", "[Env]\nConnectWaitMilliSecond=1,500", "[Env]\nConnectWaitMilliSecond=1500", 10, 1500},
    {"OtherUnit", "[Env]\nConnectWaitMilliSecond=2 s\n", "[Env]\nConnectWaitMilliSecond=2000\n", 10, 2000},
    {"OtherUnitNotWhole", "[Env]\nInterbalMinute=90 s\n", "[Env]\nInterbalMinute=90 s\n", 10, 1000},
    {"DecimalPoint", "[Env]\nInterbalMinute=1.5\n", "[Env]\nInterbalMinute=1.5\n", 10, 1000},
    {"OutOfRange", "[Env]\nInterbalMinute=3000000000\n", "[Env]\nInterbalMinute=3000000000\n", 10, 1000},
    {"UnitInOverriddenLine", "[Env]\nInterbalMinute=15 min\nInterbalMinute=5\n", "[Env]\nInterbalMinute=15 min\nInterbalMinute=5\n", 5, 1000},
    {"HeaderWithNote", "[Env] ;x\nInterbalMinute=5\n", "[Env] ;x\nInterbalMinute=5\n", 10, 1000},
    {"NulPadding", "[Env]\r\nInterbalMinute=5\r\n" + std::string(200, '\0'), "[Env]\r\nInterbalMinute=5\r\n", 5, 1000},
    {"ProgramLeftAsItIs", std::string("MZ\x90\0", 4) + "\n[Env]\nIntervalMinute=5\n" + std::string(64, '\0'),
     std::string("MZ\x90\0", 4) + "\n[Env]\nIntervalMinute=5\n" + std::string(64, '\0'), 10, 1000},
    {"Everything", "\xEF\xBB\xBF[Env]\r\nIntervalMinute=15 min\r\nConnectWaitMilliSecond=1,500\r\n; end",
     "[Env]\r\nInterbalMinute=15\r\nConnectWaitMilliSecond=1500\r\n; end", 15, 1500},
};

INSTANTIATE_TEST_SUITE_P(Files, SettingsFixOfFile, testing::ValuesIn(Files),
                         [](const testing::TestParamInfo<FileCase>& info) { return info.param.name; });

const char* RuleName(FixRule rule) {
  switch (rule) {
    case FixRule::SaveAsAnsi:
      return "SaveAsAnsi";
    case FixRule::RemoveNulPadding:
      return "RemoveNulPadding";
    case FixRule::RemoveUtf8Mark:
      return "RemoveUtf8Mark";
    case FixRule::HalfWidth:
      return "HalfWidth";
    case FixRule::CommentOut:
      return "CommentOut";
    case FixRule::RenameKey:
      return "RenameKey";
    case FixRule::ReduceValue:
      return "ReduceValue";
  }
  return "?";
}

TEST(PlanSettingsFix, ListsEachChangeWithItsLineAndTexts) {
  const SettingsFixPlan plan = PlanSettingsFix(
      "\xEF\xBB\xBF[Env]\r\nIntervalMinute=15 min\r\nConnectWaitMilliSecond=1,500 ; was 1000\r\n", 932,
      TableEncoder);
  std::vector<std::string> listed;
  for (const FixChange& c : plan.changes) {
    listed.push_back(std::string(RuleName(c.rule)) + " " + std::to_string(c.line) + " " +
                     (c.setting != nullptr ? std::string(c.setting->key) : "-") + " " + c.before + " > " + c.after +
                     (c.note.empty() ? "" : " note " + c.note));
  }
  EXPECT_EQ(listed, (std::vector<std::string>{"RemoveUtf8Mark 1 - \xEF\xBB\xBF[Env] > [Env]",
                                              "RenameKey 2 InterbalMinute IntervalMinute > InterbalMinute",
                                              "ReduceValue 2 InterbalMinute 15 min > 15",
                                              "ReduceValue 3 ConnectWaitMilliSecond 1,500 ; was 1000 > 1500 "
                                              "note ; was 1000"}));
  const SettingsFixPlan blocked =
      PlanSettingsFix(Utf16(u"[Env]\r\nInterbalMinute=3 ; caf\u00E9\r\n"), 932, TableEncoder);
  EXPECT_EQ(blocked.blocked, FixBlock::Utf16CharacterNotInCodePage);
  EXPECT_EQ(blocked.blockedLine, 2u);
}

// Every change lists the bytes it replaced: undone in reverse order, they
// give back the file as read.
TEST(PlanSettingsFix, UndoingTheListedChangesGivesBackTheOriginal) {
  const std::string original =
      "\xEF\xBB\xBF[Env]\r\n  IntervalMinute=15 min ;a\r\n#InterbalMinute=3\r\nConnectWaitMilliSecond=2 sec // b" +
      std::string(20, '\0');
  const SettingsFixPlan plan = PlanSettingsFix(original, 932, TableEncoder);
  ASSERT_EQ(plan.bytes,
            "[Env]\r\n  ;a\r\n  InterbalMinute=15\r\n;#InterbalMinute=3\r\n; // b\r\nConnectWaitMilliSecond=2000");
  std::string undone = plan.bytes;
  for (auto change = plan.changes.rbegin(); change != plan.changes.rend(); ++change) {
    const FixEdit& edit = change->edit;
    ASSERT_EQ(undone.substr(edit.offset, edit.replacement.size()), edit.replacement) << RuleName(change->rule);
    undone.replace(edit.offset, edit.replacement.size(), edit.replaced);
  }
  EXPECT_EQ(undone, original);
}

}  // namespace

namespace {

TEST(BackupName, NumbersEveryNameAfterTheFirst) {
  EXPECT_EQ(BackupName(L"Tollimer.ini", 1), L"Tollimer.ini.bak");
  EXPECT_EQ(BackupName(L"Tollimer.ini", 2), L"Tollimer.ini.2.bak");
  EXPECT_EQ(BackupName(L"\u8868.ini", MostBackupNumber), L"\u8868.ini.999.bak");
}

}  // namespace
