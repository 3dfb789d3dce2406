// TollimerCheck.exe on Japanese Windows: the test runs with code page 932
// (CTest starts it with LANG=ja_JP.UTF-8), and so does the program it
// starts. Files as a Japanese user saves them from Notepad, in Shift-JIS
// and in UTF-8, corrected on disk and reported in Japanese.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "CheckRun.h"
#include "TempFolder.h"

namespace {

std::string ShiftJisOf(std::string_view utf8) {
  const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wideLength);
  const int length = WideCharToMultiByte(932, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(932, 0, wide.data(), wideLength, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

constexpr std::string_view Written =
    "［Env］\r\nInterbalMinute＝１０分 ; 10分ごとに切り替え\r\nConnectWaitMilliSecond=2秒\r\n#InterbalMinute=1\r\n";
constexpr std::string_view Corrected =
    "[Env]\r\n; 10分ごとに切り替え\r\nInterbalMinute=10\r\nConnectWaitMilliSecond=2000\r\n;#InterbalMinute=1\r\n";

class CheckOnJapaneseWindows : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 932u) << "the test must run with LANG=ja_JP.UTF-8";
    folder_.Write("Tollimer.dll", "MZ");
  }
  std::string Settings() const { return folder_.PathOf("Tollimer.ini"); }
  ProgramRun Fix() const { return RunCheck("--print --lang ja --fix \"" + Settings() + "\""); }

  TempFolder folder_{"japanese", "PlugIns"};
};

TEST_F(CheckOnJapaneseWindows, ShiftJisFile_IsCorrectedAsMeantAndReportedInJapanese) {
  folder_.Write("Tollimer.ini", ShiftJisOf(Written));
  const ProgramRun run = Fix();
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(ReadBytes(Settings()), ShiftJisOf(Corrected));
  EXPECT_EQ(ReadBytes(Settings() + ".bak"), ShiftJisOf(Written));
  for (const char* said : {"1 行目: 「［Env］」に全角の「［」、全角の「］」が含まれています。",
                           "3 行目: 値「2秒」をミリ秒に換算して、2000 に直します。",
                           "4 行目: 「#InterbalMinute=1」の先頭に「;」を付けて、コメントにします。",
                           "InterbalMinute = 10（3 行目の値）", "ConnectWaitMilliSecond = 2000（4 行目の値）"}) {
    EXPECT_TRUE(Says(run, said)) << said << "\n" << run.output;
  }
}

TEST_F(CheckOnJapaneseWindows, Utf8File_IsReadAsUtf8AndKeptSo) {
  folder_.Write("Tollimer.ini", Written);
  const ProgramRun run = Fix();
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(ReadBytes(Settings()), Corrected);
  EXPECT_TRUE(Says(run, "2 行目: 値「10分 ; 10分ごとに切り替え」を 10 に直し、注記「; 10分ごとに切り替え」は")) << run.output;
}

}  // namespace
