// A DLL of a system name planted beside the check, as a download folder may
// hold one: TollimerCheck.exe and the report window's program never load
// it, since they restrict the DLL search to System32 before showing
// anything; the same window's program without that restriction, the
// control, loads it, which shows that the test can fail.
//
// The planted name is uxtheme.dll, which the themed controls load once a
// window shows. Wine prefers its own builtin DLLs to a file of the same
// name, where Windows would take the file: the programs are started with
// WINEDLLOVERRIDES=uxtheme=n,b, which makes Wine take a file it finds as
// Windows does (set by CTest through wine-run; Wine reads it from the
// Unix environment, which the test's children inherit).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ReportWindowIds.h"
#include "RunningProgram.h"
#include "TempFolder.h"
#include "UserActions.h"
#include "WindowFinder.h"
#include "Text.h"

namespace {

class DllPlanting : public testing::Test {
 protected:
  void SetUp() override {
    const char* overrides = std::getenv("WINEDLLOVERRIDES");
    ASSERT_NE(overrides != nullptr ? std::string(overrides).find("uxtheme=n,b") : std::string::npos, std::string::npos)
        << "Wine would load its own uxtheme.dll whatever the folder holds";
    const std::wstring own = TestProgramFolder();
    for (const auto& [from, to] : {std::pair{own + L"\\TollimerCheck.exe", L"TollimerCheck.exe"},
                                   std::pair{own + L"\\report_window_host.exe", L"report_window_host.exe"},
                                   std::pair{own + L"\\planted\\uxtheme.dll", L"uxtheme.dll"}}) {
      ASSERT_TRUE(CopyFileW(from.c_str(), (Beside(to)).c_str(), FALSE)) << GetLastError();
    }
    folder_.Write("Tollimer.ini", "[Env]\r\nInterbalMinute=3\r\n");
  }

  std::wstring Beside(const wchar_t* name) const { return Utf8ToWide(folder_.Path()) + L"\\" + name; }
  bool Marked() const { return GetFileAttributesW(Beside(L"uxtheme.dll.loaded").c_str()) != INVALID_FILE_ATTRIBUTES; }

  void Start(const wchar_t* program, const std::wstring& arguments) {
    ASSERT_TRUE(program_.Start(Beside(program), arguments)) << program_.StartError();
  }

  TempFolder folder_{"planting"};
  RunningProgram program_;
};

TEST_F(DllPlanting, TheCheckShowingItsReport_DoesNotLoadThePlantedDll) {
  Start(L"TollimerCheck.exe", L"--lang en \"" + Beside(L"Tollimer.ini") + L"\"");
  const HWND window = ProcessWindows(program_.Id()).WaitFor(L"#32770", L"Tollimer");
  ASSERT_NE(window, nullptr);
  Click(GetDlgItem(window, ReportCloseId));
  EXPECT_TRUE(program_.WaitForExit().has_value());
  EXPECT_FALSE(Marked());
}

TEST_F(DllPlanting, TheReportWindow_DoesNotLoadThePlantedDll) {
  Start(L"report_window_host.exe", L"fix");
  const HWND window = ProcessWindows(program_.Id()).WaitFor(L"#32770", L"Tollimer");
  ASSERT_NE(window, nullptr);
  Click(GetDlgItem(window, ReportCloseId));
  EXPECT_EQ(program_.WaitForExit(), 0u);
  EXPECT_FALSE(Marked());
}

TEST_F(DllPlanting, TheReportWindowWithoutTheRestriction_LoadsIt) {
  Start(L"report_window_host.exe", L"--unrestricted fix");
  // The planted DLL has none of the functions the themed controls want:
  // the program may hang or end; the mark is there either way.
  EXPECT_TRUE(WaitUntil([&] { return Marked(); }, 20'000));
  program_.Stop();
}

}  // namespace
