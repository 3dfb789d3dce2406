// The settings check on files as a Japanese user writes them (input method
// on, Notepad, code page 932), one file a row: the bytes in, the bytes the
// correction writes, the values the plug-in's own lookup reads from them,
// a sentence the Japanese report (with its change list) must hold, and a
// second pass that changes nothing. Rows are written in UTF-8 and each runs
// in Shift-JIS as well; a row with characters beyond ASCII also runs as a
// UTF-8 file, which is read alike on any system code page, and one that is
// no text runs as it is.
#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "CheckReport.h"
#include "FixReport.h"
#include "SettingsFile.h"
#include "SettingsFix.h"

namespace {

#ifdef _WIN32
std::string Converted(std::string_view text, UINT from, UINT to) {
  const int wideLength = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideLength);
  const int length = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(to, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
  return out;
}
std::string ShiftJisOf(std::string_view utf8) { return Converted(utf8, CP_UTF8, 932); }
std::string Utf8OfShiftJis(std::string_view shiftJis) { return Converted(shiftJis, 932, CP_UTF8); }
#else
std::string Converted(std::string_view text, const char* from, const char* to) {
  const iconv_t converter = iconv_open(to, from);
  std::string in(text);
  std::string out(in.size() * 2 + 8, '\0');
  char* inBytes = in.data();
  char* outBytes = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  iconv(converter, &inBytes, &inLeft, &outBytes, &outLeft);
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}
std::string ShiftJisOf(std::string_view utf8) { return Converted(utf8, "UTF-8", "CP932"); }
std::string Utf8OfShiftJis(std::string_view shiftJis) { return Converted(shiftJis, "CP932", "UTF-8"); }
#endif

// ASCII only; no file here needs more.
bool AsciiEncoder(std::u16string_view text, std::string& ansi) {
  for (const char16_t unit : text) {
    if (unit >= 0x80) return false;
    ansi += static_cast<char>(unit);
  }
  return true;
}

struct InputCase {
  const char* name;
  std::string in;   // UTF-8
  std::string out;  // UTF-8; `in` when nothing is certain
  std::int32_t interval;
  std::int32_t wait;
  std::string says;  // in the Japanese report or its change list
};

void PrintTo(const InputCase& c, std::ostream* os) { *os << c.name; }

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The file in each form it is tried in: its bytes, how they are written back
// as UTF-8, and the system's code page.
struct Form {
  const char* name;
  std::string (*encode)(std::string_view utf8);
  unsigned codePage;
};

std::string AsWritten(std::string_view utf8) { return std::string(utf8); }

// A file that is no text is tried as it is.
std::vector<Form> FormsOf(const InputCase& c) {
  if (Utf8OfShiftJis(ShiftJisOf(c.in)) != c.in) return {{"as it is on Japanese Windows", AsWritten, 932},
                                                      {"as it is on Western Windows", AsWritten, 1252}};
  std::vector<Form> forms{{"Shift-JIS", ShiftJisOf, 932}};
  if (!IsAscii(c.in)) {
    forms.push_back({"UTF-8 on Japanese Windows", AsWritten, 932});
    forms.push_back({"UTF-8 on Western Windows", AsWritten, 1252});
  } else {
    forms.push_back({"ASCII on Western Windows", AsWritten, 1252});
  }
  return forms;
}

std::string JapaneseReportAndChanges(const std::string& bytes, unsigned codePage, const SettingsFixPlan& plan) {
  CheckFacts facts;
  facts.checkedPath = "C:\\Becky\\PlugIns\\Tollimer.ini";
  facts.dllBeside = facts.readByDllBeside = true;
  facts.outcome = SettingsLoadOutcome::Read;
  facts.diagnosis = DiagnoseSettings(bytes, codePage);
  facts.decode = [](std::string_view text) { return Utf8OfShiftJis(text); };
  return WriteCheckReport(facts, ReportLanguage::Japanese) + WriteFixPlan(plan, facts, ReportLanguage::Japanese, 8);
}

class JapaneseInput : public testing::TestWithParam<InputCase> {};

TEST_P(JapaneseInput, IsReadCorrectedAndExplainedAsMeant) {
  const InputCase& c = GetParam();
  for (const Form& form : FormsOf(c)) {
    SCOPED_TRACE(form.name);
    const std::string in = form.encode(c.in);
    const SettingsFixPlan plan = PlanSettingsFix(in, form.codePage, AsciiEncoder);
    EXPECT_EQ(plan.bytes, form.encode(c.out));
    const SettingsFile file(plan.bytes);
    EXPECT_EQ(file.LookupInteger("Env", "InterbalMinute", 10), c.interval);
    EXPECT_EQ(file.LookupInteger("Env", "ConnectWaitMilliSecond", 1000), c.wait);
    const std::string said = JapaneseReportAndChanges(in, form.codePage, plan);
    EXPECT_NE(said.find(c.says), std::string::npos) << c.says << "\n" << said;
    EXPECT_FALSE(PlanSettingsFix(plan.bytes, form.codePage, AsciiEncoder).ChangesAnything());
  }
}

const std::string FortyDuplicates = [] {
  std::string lines;
  for (int i = 0; i < 40; ++i) lines += "ConnectWaitMilliSecond=1000\r\n";
  return lines;
}();
const std::string Program = std::string("MZ\x90\0\x03\0\0\0\x04\0\0\0\xFF\xFF\0\0", 16) + std::string(48, '\0') +
                            "[Env]\r\n#InterbalMinute=5\r\n";
const std::string Png = std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20) + "[Env]\r\nIntervalMinute=5\r\n";
const std::string LongNote = "// was 1000 until the server moved to the new data centre in the spring of that year";

const InputCase Cases[] = {
    // 1. A line switched off with another program's comment mark stays off.
    {"HashMarkedLine", "[Env]\r\n#InterbalMinute=1\r\n", "[Env]\r\n;#InterbalMinute=1\r\n", 10, 1000,
     "2 行目: 「#InterbalMinute=1」の先頭に「;」を付けて、コメントにします。"},
    {"SlashMarkedLine", "[Env]\r\n//InterbalMinute=1\r\nInterbalMinute=5\r\n",
     "[Env]\r\n;//InterbalMinute=1\r\nInterbalMinute=5\r\n", 5, 1000,
     "コメントになるのは、行の先頭の「;」だけです。"},
    {"RemMarkedLineWithASlip", "[Env]\r\nrem IntervalMinute=1\r\n", "[Env]\r\n;rem IntervalMinute=1\r\n", 10, 1000,
     "ほかのプログラムのコメント記号で無効にした行のようです"},
    {"FullWidthSemicolon", "[Env]\r\n；InterbalMinute=1\r\nConnectWaitMilliSecond=500\r\n",
     "[Env]\r\n;；InterbalMinute=1\r\nConnectWaitMilliSecond=500\r\n", 10, 500, "「;」を付けて、コメントにします"},
    // 2. The one-near-miss rule sees every line, however many findings are shown.
    {"TwoSlipsAfterFortyFindings", "[Env]\r\n" + FortyDuplicates + "IntervalMinute=5\r\nIntervalMinute=30\r\n",
     "[Env]\r\n" + FortyDuplicates + "IntervalMinute=5\r\nIntervalMinute=30\r\n", 10, 1000, "…ほか 1 件。"},
    {"TwoSlipsAlone", "[Env]\r\nIntervalMinute=5\r\nIntervalMinute=30\r\n",
     "[Env]\r\nIntervalMinute=5\r\nIntervalMinute=30\r\n", 10, 1000, "[Env] セクションに InterbalMinute の行がありません。"},
    // 3. Full-width forms are named and made half-width where the line then reads as meant.
    {"FullWidthDigit", "[Env]\r\nInterbalMinute=５\r\n", "[Env]\r\nInterbalMinute=5\r\n", 5, 1000,
     "全角の「５」が含まれています。Tollimer が読めるのは、半角の数字と記号だけです。"},
    {"FullWidthEquals", "[Env]\r\nInterbalMinute＝3\r\n", "[Env]\r\nInterbalMinute=3\r\n", 3, 1000,
     "2 行目: 「InterbalMinute＝3」に全角の「＝」が含まれています。"},
    {"FullWidthHeader", "［Env］\r\nInterbalMinute=5\r\n", "[Env]\r\nInterbalMinute=5\r\n", 5, 1000,
     "1 行目: 「［Env］」に全角の「［」、全角の「］」が含まれています。"},
    {"IdeographicSpaceBeforeEquals", "[Env]\r\nInterbalMinute　=5\r\n", "[Env]\r\nInterbalMinute =5\r\n", 5, 1000,
     "「InterbalMinute　=5」に全角スペースが含まれています。"},
    {"IdeographicSpaceAfterValue", "[Env]\r\nConnectWaitMilliSecond=500　\r\n",
     "[Env]\r\nConnectWaitMilliSecond=500\r\n", 10, 500, "値「500　」を 500 に直します。"},
    {"FullWidthKeyUnitAndNote", "[Env]\r\nＩｎｔｅｒｂａｌＭｉｎｕｔｅ＝１０分 ；目安\r\n",
     "[Env]\r\n; ；目安\r\nInterbalMinute=10\r\n", 10, 1000, "全角の「ＩｎｔｅｒｂａｌＭｉｎｕｔｅ＝１０」"},
    {"FullWidthInAnotherProgramsSection", "[Other]\r\nInterbalMinute＝3\r\n[Env]\r\n",
     "[Other]\r\nInterbalMinute＝3\r\n[Env]\r\n", 10, 1000, "[Env] セクションに InterbalMinute の行がありません。"},
    {"FullWidthInAComment", "[Env]\r\n; ＩｎｔｅｒｂａｌＭｉｎｕｔｅ＝５\r\nInterbalMinute=7\r\n",
     "[Env]\r\n; ＩｎｔｅｒｂａｌＭｉｎｕｔｅ＝５\r\nInterbalMinute=7\r\n", 7, 1000, "InterbalMinute = 7（3 行目の値）"},
    // 4. Units in Japanese as in English: the key's own taken off, another converted exactly.
    {"EnglishMinutes", "[Env]\r\nInterbalMinute=15 min\r\n", "[Env]\r\nInterbalMinute=15\r\n", 15, 1000,
     "値「15 min」を 15 に直します。"},
    {"EnglishMilliseconds", "[Env]\r\nConnectWaitMilliSecond=2000ms\r\n", "[Env]\r\nConnectWaitMilliSecond=2000\r\n",
     10, 2000, "値「2000ms」を 2000 に直します。"},
    {"Minutes", "[Env]\r\nInterbalMinute=15分\r\n", "[Env]\r\nInterbalMinute=15\r\n", 15, 1000, "値「15分」を 15 に直します。"},
    {"MinutesAfterABlank", "[Env]\r\nInterbalMinute=5 分\r\n", "[Env]\r\nInterbalMinute=5\r\n", 5, 1000,
     "値「5 分」を 5 に直します。"},
    {"Milliseconds", "[Env]\r\nConnectWaitMilliSecond=2000ミリ秒\r\n", "[Env]\r\nConnectWaitMilliSecond=2000\r\n", 10,
     2000, "数字の後ろに「ミリ秒」があります。"},
    {"FullWidthDigitsAndMinutes", "[Env]\r\nInterbalMinute=１０分\r\n", "[Env]\r\nInterbalMinute=10\r\n", 10, 1000,
     "全角の「１０」が含まれています。"},
    {"SecondsForTheWait", "[Env]\r\nConnectWaitMilliSecond=2秒\r\n", "[Env]\r\nConnectWaitMilliSecond=2000\r\n", 10,
     2000, "この値の単位はミリ秒なので、2000 と書いてください。"},
    {"DecimalSecondsForTheWait", "[Env]\r\nConnectWaitMilliSecond=1.5秒\r\n", "[Env]\r\nConnectWaitMilliSecond=1500\r\n",
     10, 1500, "値「1.5秒」をミリ秒に換算して、1500 に直します。"},
    {"EnglishSecondsForTheWait", "[Env]\r\nConnectWaitMilliSecond=2 sec\r\n",
     "[Env]\r\nConnectWaitMilliSecond=2000\r\n", 10, 2000, "値「2 sec」をミリ秒に換算して、2000 に直します。"},
    {"AnHourForTheInterval", "[Env]\r\nInterbalMinute=1時間\r\n", "[Env]\r\nInterbalMinute=60\r\n", 60, 1000,
     "値「1時間」を分に換算して、60 に直します。"},
    {"SecondsThatAreNoWholeMinute", "[Env]\r\nInterbalMinute=90秒\r\n", "[Env]\r\nInterbalMinute=90秒\r\n", 10, 1000,
     "この値は分単位の整数で書きますが、この長さは 1.5 分で、整数になりません。"},
    // 5. A note after a value moves to a comment line of its own, whole.
    {"JapaneseNote", "[Env]\r\nInterbalMinute=15 ; 15分ごとに切り替え（サーバー移転のため）\r\n",
     "[Env]\r\n; 15分ごとに切り替え（サーバー移転のため）\r\nInterbalMinute=15\r\n", 15, 1000,
     "注記「; 15分ごとに切り替え（サーバー移転のため）」は、すぐ上の新しいコメント行に移します。"},
    {"LongEnglishNote", "[Env]\r\nConnectWaitMilliSecond=2000 " + LongNote + "\r\n",
     "[Env]\r\n; " + LongNote + "\r\nConnectWaitMilliSecond=2000\r\n", 10, 2000,
     "値「2000 " + LongNote + "」を 2000 に直し、注記「" + LongNote + "」は、すぐ上の新しいコメント行に移します。"},
    {"IndentedNoteInParenthesesWithLf", "[Env]\n  InterbalMinute = 15分（目安）\n",
     "[Env]\n  ; （目安）\n  InterbalMinute = 15\n", 15, 1000, "注記「（目安）」は"},
    {"NoteOnTheLastLine", "[Env]\r\nInterbalMinute=15 # q", "[Env]\r\n; # q\r\nInterbalMinute=15", 15, 1000,
     "注記「# q」は"},
    // 8. What a file is: NUL padding is no UTF-16, a program or a picture no text.
    {"NulPadding", "[Env]\r\nInterbalMinute=5\r\n" + std::string(200, '\0'), "[Env]\r\nInterbalMinute=5\r\n", 5, 1000,
     "テキストの後ろにある 200 バイトの NUL 文字を取り除きます。"},
    {"Program", Program, Program, 10, 1000, "このファイルはテキストファイルではありません（先頭が EXE/DLL ファイルの形式です）。"},
    {"Png", Png, Png, 10, 1000, "（先頭が PNG ファイルの形式です）。"},
    {"ControlBytes", "\x01\x02\x03\x04[Env]\r\nIntervalMinute=5\r\n\x05\x06\x07\x08",
     "\x01\x02\x03\x04[Env]\r\nIntervalMinute=5\r\n\x05\x06\x07\x08", 10, 1000, "制御文字が多く含まれています）。"},
};

INSTANTIATE_TEST_SUITE_P(Files, JapaneseInput, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
