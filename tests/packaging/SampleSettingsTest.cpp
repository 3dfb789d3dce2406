// The shipped sample Tollimer.ini, Japanese comment lines included, read with
// the plug-in's own reader under Wine. Its values equal the defaults, so the
// test also asks for the value texts and reads a copy with other values: a
// sample whose key lines were lost would otherwise pass unnoticed. The
// settings check finds nothing to say about it either.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "PluginSettings.h"
#include "CheckVerdict.h"
#include "SettingsLoad.h"
#include "TempFolder.h"

namespace {

std::string ReadBytes(const char* path) {
  std::string bytes;
  const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(GetFileSize(file, nullptr));
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  CloseHandle(file);
  return bytes;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

TEST(SampleSettings, ShippedFileIsShiftJisWithJapaneseComments) {
  const std::string bytes = ReadBytes(TOLLIMER_SAMPLE_SETTINGS);
  ASSERT_FALSE(bytes.empty()) << TOLLIMER_SAMPLE_SETTINGS;
  const int wide = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  EXPECT_GT(wide, 0) << "not valid Shift-JIS";
  EXPECT_LT(wide, static_cast<int>(bytes.size())) << "no double-byte character: no Japanese text";
}

TEST(SampleSettings, ShippedFileGivesTheDefaultsFromItsOwnLines) {
  const SettingsLoad load = LoadSettingsFile(TOLLIMER_SAMPLE_SETTINGS);
  ASSERT_FALSE(load.OpenFailed()) << load.OpenErrorMessage();
  const SettingsFile& file = load.File();
  EXPECT_EQ(file.LookupText("Env", IntervalSetting.key, "<missing>"), "10");
  EXPECT_EQ(file.LookupText("Env", ConnectWaitSetting.key, "<missing>"), "1000");
  // The read-mes give 10 and 1000 as the defaults: so must the plug-in.
  EXPECT_EQ(IntervalSetting.fallback, 10);
  EXPECT_EQ(ConnectWaitSetting.fallback, 1000);
  EXPECT_EQ(file.LookupInteger("Env", IntervalSetting.key, -1), 10);
  EXPECT_EQ(file.LookupInteger("Env", ConnectWaitSetting.key, -1), 1000);
}

TEST(SampleSettings, ShippedFileGivesTheCheckNothingToReport) {
  CheckFacts facts;
  facts.outcome = SettingsLoadOutcome::Read;
  facts.dllBeside = facts.readByDllBeside = true;
  facts.diagnosis = DiagnoseSettings(ReadBytes(TOLLIMER_SAMPLE_SETTINGS), ShiftJisCodePage);
  const SettingsDiagnosis& diagnosis = facts.diagnosis;
  EXPECT_TRUE(diagnosis.findings.empty()) << "first finding on line " << diagnosis.findings.front().line;
  EXPECT_EQ(AdviceFor(facts), Advice::NothingToDo);
}

TEST(SampleSettings, ValuesEditedInTheShippedFileAreRead) {
  std::string sample = ReadBytes(TOLLIMER_SAMPLE_SETTINGS);
  Replace(sample, "\r\nInterbalMinute=10\r\n", "\r\nInterbalMinute=15\r\n");
  Replace(sample, "\r\nConnectWaitMilliSecond=1000\r\n", "\r\nConnectWaitMilliSecond=2500\r\n");
  const TempFolder folder("sample");
  const SettingsLoad load = LoadSettingsFile(folder.Write("Tollimer.ini", sample).c_str());
  EXPECT_EQ(load.File().LookupInteger("Env", IntervalSetting.key, IntervalSetting.fallback), 15);
  EXPECT_EQ(load.File().LookupInteger("Env", ConnectWaitSetting.key, ConnectWaitSetting.fallback), 2500);
}

}  // namespace
