// TollimerCheck.exe correcting files on disk, run as a child process: the
// corrected bytes and the backup, and every failure of the write leaving the
// original as it was (a read-only file, a file another program holds open,
// a file changed between the check's reading and its writing). The window's
// fix button is pressed from here, as a user would. (A file locked without
// sharing is not even read: check_program_test.)
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <optional>
#include <string>
#include <string_view>

#include "CheckRun.h"
#include "ChildProcess.h"
#include "FolderTree.h"
#include "ReportWindowIds.h"
#include "RunningProgram.h"
#include "TempFolder.h"
#include "UserActions.h"
#include "WindowFinder.h"

namespace {

constexpr char Broken[] = "\xEF\xBB\xBF[Env]\r\nIntervalMinute=15 min\r\nConnectWaitMilliSecond=1,500\r\n";
constexpr char Corrected[] = "[Env]\r\nInterbalMinute=15\r\nConnectWaitMilliSecond=1500\r\n";

class CheckFix : public testing::Test {
 protected:
  void SetUp() override { folder_.Write("Tollimer.dll", "MZ"); }
  std::string Settings() const { return folder_.PathOf("Tollimer.ini"); }
  std::string Arguments(const std::string& options) const { return options + " \"" + Settings() + "\""; }

  // The names in the folder: nothing left over, nothing more written.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(folder_.PathOf("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (found.cFileName[0] != '.') names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }

  const std::set<std::string> untouched_{"Tollimer.dll", "Tollimer.ini"};
  TempFolder folder_{"fix", "PlugIns"};
};

TEST_F(CheckFix, Fix_CorrectsTheLinesKeepsTheOriginalAndReportsTheNewValues) {
  folder_.Write("Tollimer.ini", Broken);
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix"));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(ReadBytes(Settings()), Corrected);
  EXPECT_EQ(ReadBytes(Settings() + ".bak"), Broken);
  EXPECT_TRUE(Says(run, "Line 2: \"IntervalMinute\" becomes InterbalMinute.")) << run.output;
  EXPECT_TRUE(Says(run, "The original is kept as " + Settings() + ".bak")) << run.output;
  EXPECT_TRUE(Says(run, "InterbalMinute = 15 (line 2)")) << run.output;
  EXPECT_TRUE(Says(run, "ConnectWaitMilliSecond = 1500 (line 3)")) << run.output;
  EXPECT_EQ(Names(), (std::set<std::string>{"Tollimer.dll", "Tollimer.ini", "Tollimer.ini.bak"}));
}

TEST_F(CheckFix, FixOfAUtf16File_SavesItAsAnsi) {
  std::string utf16 = "\xFF\xFE";
  for (const char c : std::string_view("[Env]\r\nInterbalMinute=3\r\nConnectWaitMilliSecond=1500")) utf16 += {c, '\0'};
  folder_.Write("Tollimer.ini", utf16);
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix"));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(ReadBytes(Settings()), "[Env]\r\nInterbalMinute=3\r\nConnectWaitMilliSecond=1500");
  EXPECT_TRUE(Says(run, "InterbalMinute = 3 (line 2)")) << run.output;
}

TEST_F(CheckFix, DryRun_ShowsTheChangesAndWritesNothing) {
  folder_.Write("Tollimer.ini", Broken);
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix --dry-run"));
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_TRUE(Says(run, "the value \"1,500\" becomes 1500")) << run.output;
  EXPECT_TRUE(Says(run, "Nothing was written")) << run.output;
  EXPECT_EQ(ReadBytes(Settings()), Broken);
  EXPECT_EQ(Names(), untouched_);
}

TEST_F(CheckFix, BackupNameTaken_KeepsTheOriginalUnderANumberedName) {
  folder_.Write("Tollimer.ini", Broken);
  folder_.Write("Tollimer.ini.bak", "an earlier backup");
  const ProgramRun run = RunCheck(Arguments("--print --lang ja --fix"));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(ReadBytes(Settings() + ".bak"), "an earlier backup");
  EXPECT_EQ(ReadBytes(Settings() + ".2.bak"), Broken);
  EXPECT_TRUE(Says(run, Settings() + ".2.bak として残してあります")) << run.output;
}

TEST_F(CheckFix, ReadOnlyFile_IsLeftAsItWasAndExitsThree) {
  folder_.Write("Tollimer.ini", Broken);
  ASSERT_TRUE(SetFileAttributesA(Settings().c_str(), FILE_ATTRIBUTE_READONLY));
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix"));
  SetFileAttributesA(Settings().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(run.exitCode, 3u) << run.output;
  EXPECT_TRUE(Says(run, "The file was not corrected and is as it was: it is read-only.")) << run.output;
  EXPECT_EQ(ReadBytes(Settings()), Broken);
  EXPECT_EQ(Names(), untouched_);
}

TEST_F(CheckFix, FileHeldOpenByAnotherProgram_IsLeftAsItWasAndExitsThree) {
  folder_.Write("Tollimer.ini", Broken);
  // An editor that keeps the file open and lets others only read it.
  const HANDLE editor = CreateFileA(Settings().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(editor, INVALID_HANDLE_VALUE);
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix"));
  CloseHandle(editor);
  EXPECT_EQ(run.exitCode, 3u) << run.output;
  EXPECT_TRUE(Says(run, "The file was not corrected and is as it was: another program holds it open")) << run.output;
  EXPECT_EQ(ReadBytes(Settings()), Broken);
  EXPECT_EQ(Names(), untouched_);
}

// The window, read and pressed from here as a user would: each window
// counted once, by its handle; every wait for a state.
class CheckFixWindow : public CheckFix {
 protected:
  HWND Start() {
    if (!check_.Start(TestProgramFolder() + L"\\TollimerCheck.exe", L"--lang en \"" + Widen(Settings()) + L"\"")) {
      ADD_FAILURE() << "TollimerCheck.exe did not start, error " << check_.StartError();
      return nullptr;
    }
    windows_.emplace(check_.Id());
    return windows_->WaitFor(L"#32770", L"Tollimer");
  }
  std::wstring Text(HWND window, int id) const { return TextOf(GetDlgItem(window, id)); }
  // Presses the fix button and waits until the window shows what followed.
  bool Correct(HWND window) {
    const std::wstring before = Text(window, ReportVerdictId);
    Click(GetDlgItem(window, ReportFixId));
    return WaitUntil(
        [&] { return Text(window, ReportVerdictId) != before && IsWindowEnabled(GetDlgItem(window, ReportCloseId)); },
        30'000);
  }
  std::optional<DWORD> Close(HWND window) {
    Click(GetDlgItem(window, ReportCloseId));
    return check_.WaitForExit();
  }

  RunningProgram check_;
  std::optional<ProcessWindows> windows_;
};

TEST_F(CheckFixWindow, FixButton_CorrectsTheFileAndShowsTheResultInTheSameWindow) {
  folder_.Write("Tollimer.ini", Broken);
  const HWND window = Start();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Text(window, ReportVerdictId), L"The settings file has 4 problems that TollimerCheck can correct.");
  EXPECT_NE(Text(window, ReportChangesId).find(L"Line 2: \"IntervalMinute\" becomes InterbalMinute."), std::wstring::npos);
  ASSERT_TRUE(Correct(window));
  EXPECT_EQ(Text(window, ReportVerdictId), L"The file is corrected: restart Becky! to have it read now.");
  EXPECT_NE(Text(window, ReportDetailsId).find(L"The original is kept as " + Widen(Settings()) + L".bak"),
            std::wstring::npos);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, ReportFixId)));  // nothing more to correct
  windows_->Look();
  EXPECT_EQ(windows_->Seen(), 1u);
  EXPECT_EQ(Close(window), 0u);
  EXPECT_EQ(ReadBytes(Settings()), Corrected);
  EXPECT_EQ(ReadBytes(Settings() + ".bak"), Broken);
}

TEST_F(CheckFixWindow, FileChangedWhileTheWindowWasOpen_IsNotOverwritten) {
  folder_.Write("Tollimer.ini", Broken);
  const HWND window = Start();
  ASSERT_NE(window, nullptr);
  // The user edits the file while the window is still open.
  constexpr char edited[] = "[Env]\r\nInterbalMinute=20\r\n";
  folder_.Write("Tollimer.ini", edited);
  ASSERT_TRUE(Correct(window));
  EXPECT_EQ(Text(window, ReportVerdictId), L"The file was not corrected; it is as it was.");
  EXPECT_NE(Text(window, ReportDetailsId).find(L"it changed after TollimerCheck had read it"), std::wstring::npos);
  windows_->Look();
  EXPECT_EQ(windows_->Seen(), 1u);
  EXPECT_EQ(Close(window), 3u);
  EXPECT_EQ(ReadBytes(Settings()), edited);
  EXPECT_EQ(Names(), untouched_);
}

}  // namespace
