// The correction in a folder the user cannot write: the probe that finds
// out, the elevated run that keeps this thread's windows answering while it
// waits, the report file it hands back, and all of it in the report window.
// The folder comes from with-unwritable-folder.sh, which makes it unwritable
// for this user (and writable again afterwards) outside Wine. Wine asks no
// one before an elevated start, so the user's "no" (ERROR_CANCELLED) cannot
// be given here.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "ElevatedRun.h"
#include "FixCommand.h"
#include "FolderWriteProbe.h"
#include "ReportFile.h"
#include "ReportWindowIds.h"
#include "RunningProgram.h"
#include "SampleViews.h"
#include "TempFolder.h"
#include "UserActions.h"
#include "WindowFinder.h"
#include "Text.h"

namespace {

std::string Narrow(const std::wstring& text) {
  std::string bytes(text.size() * 3, '\0');
  bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                            bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                            nullptr)));
  return bytes;
}

std::wstring UnwritableFolder() {
  const char* folder = std::getenv("TOLLIMER_UNWRITABLE_FOLDER");
  return folder != nullptr ? Utf8ToWide(folder) : std::wstring();
}

std::size_t FilesIn(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  std::size_t count = 0;
  do {
    if (found.cFileName[0] != L'.') ++count;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return count;
}

std::string WriteFile(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return bytes;
}

TEST(FolderWriteProbe, AFolderTheUserMayWrite_IsAllowedAndKeepsNoFile) {
  const TempFolder folder("probe");
  const std::wstring path = Utf8ToWide(folder.Path());
  const FolderWriteProbe probe = ProbeFolderWrite(path);
  EXPECT_EQ(probe.answer, FolderWrite::Allowed);
  EXPECT_EQ(FilesIn(path), 0u);
}

TEST(FolderWriteProbe, AFolderTheUserCannotWrite_IsDenied) {
  const std::wstring folder = UnwritableFolder();
  ASSERT_FALSE(folder.empty()) << "run by with-unwritable-folder.sh, which names the folder";
  const std::size_t before = FilesIn(folder);
  const FolderWriteProbe probe = ProbeFolderWrite(folder);
  EXPECT_EQ(probe.answer, FolderWrite::Denied);
  EXPECT_EQ(probe.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(FilesIn(folder), before);
}

TEST(FolderWriteProbe, AFolderThatDoesNotExist_IsUnknownWithTheSystemsReason) {
  const TempFolder folder("probe");
  const FolderWriteProbe probe = ProbeFolderWrite(Utf8ToWide(folder.PathOf("missing")));
  EXPECT_EQ(probe.answer, FolderWrite::Unknown);
  EXPECT_EQ(probe.error, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST(ReportFile, IsANewEmptyFileInTheTempFolderRemovedWithItsHolder) {
  wchar_t temp[MAX_PATH + 1] = {};
  const std::wstring tempFolder(temp, GetTempPathW(MAX_PATH + 1, temp));
  std::wstring path;
  {
    const ReportFile first;
    const ReportFile second;
    path = first.Path();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.rfind(tempFolder, 0), 0u) << Narrow(path);
    EXPECT_NE(first.Path(), second.Path());
    EXPECT_EQ(first.ReadUtf8(), std::string());
  }
  EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ReportFile, ReadsBackUtf8WithoutItsByteOrderMarkAndRefusesOtherBytes) {
  const ReportFile file;
  WriteFile(file.Path(), "\xEF\xBB\xBF設定ファイル: C:\\Tollimer.ini\r\n");
  EXPECT_EQ(file.ReadUtf8(), std::string("設定ファイル: C:\\Tollimer.ini\r\n"));
  WriteFile(file.Path(), "\x90\xdd\x92\xe8");  // Shift-JIS, not UTF-8
  EXPECT_EQ(file.ReadUtf8(), std::nullopt);
}

// A window of this thread, as the report window would be, for the elevated
// program to ask whether it still answers.
class AskedWindow {
 public:
  AskedWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"Tollimer elevated run", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 100,
                                nullptr, nullptr, nullptr, nullptr)) {}
  ~AskedWindow() { DestroyWindow(window_); }
  HWND Handle() const { return window_; }

 private:
  HWND window_;
};

std::wstring ElevatedChild() { return TestProgramFolder() + L"\\elevated_child.exe"; }

TEST(RunElevated, RunsTheProgramAndWaitsWhileThisThreadsWindowsKeepAnswering) {
  const AskedWindow window;
  const ReportFile report;
  const std::wstring settings = L"C:\\Program Files\\Becky!\\PlugIns\\Tollimer.ini";
  const ElevatedRun run = RunElevated(ElevatedChild(), FixCommandParameters(report.Path(), settings, L"ja"), window.Handle());
  EXPECT_EQ(run.start, ElevatedStart::Ran) << run.error;
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(report.ReadUtf8(),
            std::string("昇格して修正しました: C:\\Program Files\\Becky!\\PlugIns\\Tollimer.ini\r\nwindow answered\r\n"));
}

TEST(RunElevated, TheProgramsExitStatusComesBack) {
  const ElevatedRun run = RunElevated(ElevatedChild(), L"--not-what-it-takes", nullptr);
  EXPECT_EQ(run.start, ElevatedStart::Ran);
  EXPECT_EQ(run.exitCode, 2u);
}

TEST(RunElevated, AProgramThatIsNotThere_FailsWithTheSystemsReason) {
  const ElevatedRun run = RunElevated(TestProgramFolder() + L"\\no-such-program.exe", L"", nullptr);
  EXPECT_EQ(run.start, ElevatedStart::Failed);
  EXPECT_EQ(run.error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(ElevatedCorrection, InTheReportWindow_RunsElevatedWithButtonsDisabledAndShowsWhatTheProgramWrote) {
  const std::wstring folder = UnwritableFolder();
  ASSERT_FALSE(folder.empty()) << "run by with-unwritable-folder.sh, which names the folder";
  RunningProgram host;
  ASSERT_TRUE(host.Start(TestProgramFolder() + L"\\report_window_host.exe",
                         L"elevated \"" + folder + L"\\Tollimer.ini\""));
  ProcessWindows windows(host.Id());
  const HWND window = windows.WaitFor(L"#32770", L"Tollimer");
  ASSERT_NE(window, nullptr);
  Click(GetDlgItem(window, ReportFixId));
  const std::wstring fixed = FixedView(ReportLanguage::Japanese).verdict;
  ASSERT_TRUE(WaitUntil([&] { return TextOf(GetDlgItem(window, ReportVerdictId)) == fixed; }, 30'000));
  const std::wstring details = TextOf(GetDlgItem(window, ReportDetailsId));
  EXPECT_NE(details.find(L"昇格して修正しました: " + folder + L"\\Tollimer.ini"), std::wstring::npos) << Narrow(details);
  EXPECT_NE(details.find(L"window answered"), std::wstring::npos) << Narrow(details);
  EXPECT_NE(details.find(L"buttons disabled"), std::wstring::npos) << Narrow(details);
  windows.Look();
  EXPECT_EQ(windows.Seen(), 1u);
  Click(GetDlgItem(window, ReportCloseId));
  EXPECT_EQ(host.WaitForExit(), 1u);
}

// The check itself: asked to correct a file in a folder its user may not
// write, it runs itself as administrator (Wine's "runas" starts it with no
// question) and shows what that run reported, in the same window.
class ElevatedCheck : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = UnwritableFolder();
    ASSERT_FALSE(folder_.empty()) << "run by with-unwritable-folder.sh, which names the folder";
  }

  HWND Start() {
    if (!check_.Start(TestProgramFolder() + L"\\TollimerCheck.exe", L"--lang en \"" + Settings() + L"\"")) {
      ADD_FAILURE() << "TollimerCheck.exe did not start, error " << check_.StartError();
      return nullptr;
    }
    windows_.emplace(check_.Id());
    return windows_->WaitFor(L"#32770", L"Tollimer");
  }

  // Presses the fix button and waits for the verdict that follows.
  std::wstring Correct(HWND window) {
    const std::wstring before = TextOf(GetDlgItem(window, ReportVerdictId));
    Click(GetDlgItem(window, ReportFixId));
    std::wstring after;
    EXPECT_TRUE(WaitUntil(
        [&] {
          after = TextOf(GetDlgItem(window, ReportVerdictId));
          return after != before && IsWindowEnabled(GetDlgItem(window, ReportCloseId));
        },
        60'000));
    return after;
  }

  // What an administrator would have: the folder writable again, made so
  // outside Wine, as the folder was made unwritable.
  void LetTheAdministratorWrite() {
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName =
        reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    ASSERT_NE(unixName, nullptr);
    char* const unixFolder = unixName(folder_.c_str());
    ASSERT_NE(unixFolder, nullptr);
    std::wstring command = L"/bin/sh -c \"chattr -i '" + Utf8ToWide(unixFolder) + L"' 2>/dev/null; chmod u+w '" +
                           Utf8ToWide(unixFolder) + L"'\"";
    HeapFree(GetProcessHeap(), 0, unixFolder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Wine does not wait for a Unix program: the folder is writable when it is.
    ASSERT_TRUE(WaitUntil([&] { return ProbeFolderWrite(folder_).answer == FolderWrite::Allowed; }, 30'000));
  }

  std::wstring Settings() const { return folder_ + L"\\Tollimer.ini"; }
  std::optional<std::string> Bytes(const std::wstring& path) const {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    char buffer[4096];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
  }

  std::wstring folder_;
  RunningProgram check_;
  std::optional<ProcessWindows> windows_;
  const std::string original_ = "[Env]\r\nIntervalMinute=15 min\r\nConnectWaitMilliSecond=1000\r\n";
};

TEST_F(ElevatedCheck, WhereTheAdministratorCannotWriteEither_SaysTheFileIsAsItWas) {
  const HWND window = Start();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, ReportFixId)));
  EXPECT_EQ(Correct(window), L"The file was not corrected; it is as it was.");
  const std::wstring details = TextOf(GetDlgItem(window, ReportDetailsId));
  EXPECT_NE(details.find(L"The correction, run as administrator, reported:"), std::wstring::npos) << Narrow(details);
  EXPECT_NE(details.find(L"no new file can be made in its folder"), std::wstring::npos) << Narrow(details);
  Click(GetDlgItem(window, ReportCloseId));
  EXPECT_EQ(check_.WaitForExit(), 3u);
  EXPECT_EQ(Bytes(Settings()), original_);
  windows_->Look();
  EXPECT_EQ(windows_->Seen(), 1u);
}

TEST_F(ElevatedCheck, WhereTheAdministratorMayWrite_CorrectsTheFileAndSaysSo) {
  const HWND window = Start();
  ASSERT_NE(window, nullptr);
  // The check found the folder closed to its user when it started; it stays
  // closed to this run, which never writes there itself.
  LetTheAdministratorWrite();
  EXPECT_EQ(Correct(window), L"The file is corrected: restart Becky! to have it read now.");
  const std::wstring details = TextOf(GetDlgItem(window, ReportDetailsId));
  EXPECT_EQ(details.rfind(L"The correction, run as administrator, reported:", 0), 0u) << Narrow(details);
  Click(GetDlgItem(window, ReportCloseId));
  EXPECT_EQ(check_.WaitForExit(), 0u);
  EXPECT_EQ(Bytes(Settings()), std::string("[Env]\r\nInterbalMinute=15\r\nConnectWaitMilliSecond=1000\r\n"));
  EXPECT_EQ(Bytes(Settings() + L".bak"), original_);
}

}  // namespace
