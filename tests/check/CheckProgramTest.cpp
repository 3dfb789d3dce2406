// TollimerCheck.exe run as a child process, its output redirected: what it
// prints (UTF-8) and its exit status, for files on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "CheckRun.h"
#include "ChildProcess.h"
#include "TempFolder.h"

namespace {

constexpr char GoodSettings[] = "[Env]\r\nInterbalMinute=2\r\nConnectWaitMilliSecond=1500\r\n";

class CheckProgram : public testing::Test {
 protected:
  // A plug-ins folder: a Tollimer.dll (its bytes do not matter here) and its settings.
  void SetUp() override { folder_.Write("Tollimer.dll", "MZ"); }
  std::string Settings() const { return folder_.PathOf("Tollimer.ini"); }
  std::string Quoted(const std::string& path) const { return "\"" + path + "\""; }

  TempFolder folder_{"check", "PlugIns"};
};

TEST_F(CheckProgram, GoodFile_PrintsBothValuesAndExitsZero) {
  folder_.Write("Tollimer.ini", GoodSettings);
  const ProgramRun run = RunCheck("--print --lang en " + Quoted(Settings()));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_TRUE(Says(run, "File: " + Settings())) << run.output;
  EXPECT_TRUE(Says(run, "Tollimer.dll is in the same folder and reads this file")) << run.output;
  EXPECT_TRUE(Says(run, "InterbalMinute = 2 (line 2)")) << run.output;
  EXPECT_TRUE(Says(run, "All is well")) << run.output;
}

TEST_F(CheckProgram, DllArgument_ChecksTheDllsSettingsFile) {
  folder_.Write("Tollimer.ini", GoodSettings);
  const ProgramRun run = RunCheck("--print --lang en " + Quoted(folder_.PathOf("Tollimer.dll")));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_TRUE(Says(run, "File: " + Settings())) << run.output;
}

TEST_F(CheckProgram, BrokenFile_PrintsJapaneseInUtf8AndExitsOne) {
  folder_.Write("Tollimer.ini", "[Env]\r\nInterbalMinute=15 min\r\n");
  const ProgramRun run = RunCheck("--print --lang ja " + Quoted(Settings()));
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_TRUE(Says(run, "2 行目の値「15 min」")) << run.output;
  EXPECT_NE(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, run.output.data(), static_cast<int>(run.output.size()),
                                nullptr, 0),
            0)
      << "not UTF-8";
}

TEST_F(CheckProgram, MissingFile_SaysSoAndExitsOne) {
  const ProgramRun run = RunCheck("--print --lang en " + Quoted(Settings()));
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_TRUE(Says(run, "The file does not exist")) << run.output;
  EXPECT_TRUE(Says(run, "InterbalMinute = 10 (default)")) << run.output;
}

TEST_F(CheckProgram, FileHeldOpenForWriting_GivesTheSystemsReason) {
  folder_.Write("Tollimer.ini", GoodSettings);
  const HANDLE writer = CreateFileA(Settings().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  const ProgramRun run = RunCheck("--print --lang en " + Quoted(Settings()));
  CloseHandle(writer);
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_TRUE(Says(run, "cannot be opened")) << run.output;
  EXPECT_TRUE(Says(run, "(error 32)")) << run.output;  // ERROR_SHARING_VIOLATION
  EXPECT_TRUE(Says(run, "InterbalMinute = 0 (not read")) << run.output;
}

// A DLL under another name reads the settings file named like it, and the
// report says that this DLL, not Tollimer.dll, reads it.
TEST(CheckProgramNames, DllUnderAnotherName_ItsOwnSettingsFileIsRead) {
  TempFolder folder("check-name", "PlugIns");
  folder.Write("Tollimer-test.dll", "MZ");
  folder.Write("Tollimer-test.ini", GoodSettings);
  for (const char* given : {"Tollimer-test.dll", "Tollimer-test.ini"}) {
    const ProgramRun run = RunCheck("--print --lang en \"" + folder.PathOf(given) + "\"");
    EXPECT_EQ(run.exitCode, 0u) << given << "\n" << run.output;
    EXPECT_TRUE(Says(run, "File: " + folder.PathOf("Tollimer-test.ini"))) << run.output;
    EXPECT_TRUE(Says(run, "Tollimer-test.dll is in the same folder and reads this file")) << run.output;
    EXPECT_FALSE(Says(run, "no Tollimer.dll")) << run.output;
  }
}

// "*" and "?" are no search pattern to the check: no file has such a name.
TEST_F(CheckProgram, PathWithWildcard_IsNoFileAndBlamesNoOtherProgram) {
  folder_.Write("Tollimer.ini", GoodSettings);
  for (const char* name : {"Tollimer.i?i", "Tolli*.ini"}) {
    const ProgramRun run = RunCheck("--print --lang en " + Quoted(folder_.PathOf(name)));
    EXPECT_EQ(run.exitCode, 1u) << name << "\n" << run.output;
    EXPECT_TRUE(Says(run, "The file does not exist")) << run.output;
    EXPECT_FALSE(Says(run, "cannot be opened")) << run.output;
    EXPECT_FALSE(Says(run, "Another program")) << run.output;
  }
}

TEST_F(CheckProgram, WrongCommandLine_InJapaneseBeforeTheJapaneseUsage) {
  const ProgramRun run = RunCheck("--print --lang ja --bogus");
  EXPECT_EQ(run.exitCode, 2u) << run.output;
  EXPECT_TRUE(Says(run, "TollimerCheck: --bogus というオプションはありません。")) << run.output;
  EXPECT_TRUE(Says(run, "使い方: TollimerCheck")) << run.output;
  EXPECT_FALSE(Says(run, "unknown option")) << run.output;
}

TEST_F(CheckProgram, WrongCommandLine_ExitsTwo) {
  for (const char* arguments : {"--print --bogus", "--print --lang de", "--print a.ini b.ini", "--print --dry-run"}) {
    const ProgramRun run = RunCheck(arguments);
    EXPECT_EQ(run.exitCode, 2u) << arguments << "\n" << run.output;
    EXPECT_TRUE(Says(run, "--lang ja|en")) << run.output;  // the usage follows
  }
}

TEST_F(CheckProgram, Help_ExitsZero) {
  const ProgramRun run = RunCheck("--help --print --lang en");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(Says(run, "Usage: TollimerCheck")) << run.output;
}

TEST_F(CheckProgram, NoPath_ChecksTheDllBesideTheProgram) {
  const ProgramRun run = RunCheck("--print --lang en");
  EXPECT_TRUE(Says(run, "File: " + ProgramFolder() + "\\Tollimer.ini")) << run.output;
}

}  // namespace
