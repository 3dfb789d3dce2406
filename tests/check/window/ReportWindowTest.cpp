// The report window in a program of its own (report_window_host.exe), read
// and pressed from here as a user would: what it shows, the fix button and
// its result in the same window, Enter, Esc and Tab, and the whole report
// copied with Ctrl+A and Ctrl+C.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "ReportWindowIds.h"
#include "RunningProgram.h"
#include "SampleViews.h"
#include "UserActions.h"
#include "WindowFinder.h"

namespace {

// What an edit control holds for a text: its line ends as CR LF.
std::wstring AsShown(const std::wstring& text) {
  std::wstring shown;
  for (const wchar_t c : text) {
    if (c == L'\n') shown += L'\r';
    shown += c;
  }
  return shown;
}

class ReportWindow : public testing::Test {
 protected:
  // Starts the host with `arguments` and waits for its window.
  HWND Show(const std::wstring& arguments) {
    if (!host_.Start(TestProgramFolder() + L"\\report_window_host.exe", arguments)) {
      ADD_FAILURE() << "report_window_host.exe did not start, error " << host_.StartError();
      return nullptr;
    }
    windows_.emplace(host_.Id());
    const HWND window = windows_->WaitFor(L"#32770", L"Tollimer");
    EXPECT_NE(window, nullptr) << "no window shown";
    return window;
  }

  std::wstring Text(HWND window, int id) const { return TextOf(GetDlgItem(window, id)); }
  int DefaultButton(HWND window) const {
    DWORD_PTR result = 0;
    Ask(window, DM_GETDEFID, 0, 0, result);
    return HIWORD(result) == DC_HASDEFID ? LOWORD(result) : 0;
  }
  bool Shows(HWND window, int id) const { return IsWindowVisible(GetDlgItem(window, id)) != FALSE; }

  // Waits until the window shows the result of the fix.
  bool WaitForResult(HWND window, const ReportView& result) {
    return WaitUntil([&] { return Text(window, ReportVerdictId) == result.verdict; }, 20'000);
  }

  RunningProgram host_;
  std::optional<ProcessWindows> windows_;
  const ReportView fix_ = SampleView(Sample::Fix, ReportLanguage::Japanese);
  const ReportView fixed_ = FixedView(ReportLanguage::Japanese);
};

TEST_F(ReportWindow, ShowsTheViewsTextsWithTheFixButtonAsTheDefault) {
  const HWND window = Show(L"fix");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(TextOf(window), fix_.title);
  EXPECT_EQ(Text(window, ReportVerdictId), fix_.verdict);
  EXPECT_EQ(Text(window, ReportSummaryId), AsShown(fix_.summary));
  EXPECT_EQ(Text(window, ReportDetailsId), AsShown(fix_.details));
  EXPECT_EQ(Text(window, ReportChangesId), AsShown(fix_.changes));
  EXPECT_EQ(Text(window, ReportDetailsLabelId), L"チェック結果の全文(&R):");
  EXPECT_EQ(Text(window, ReportChangesLabelId), L"修正すると、次のように変わります:");
  EXPECT_EQ(Text(window, ReportFixId), L"ファイルを修正する(&C)");
  EXPECT_EQ(Text(window, ReportCloseId), L"閉じる");
  EXPECT_TRUE(Shows(window, ReportFixId));
  EXPECT_EQ(DefaultButton(window), ReportFixId);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == GetDlgItem(window, ReportFixId); }, 20'000));
  // The verdict comes first, beside its icon, above everything else.
  const ControlState icon = ControlOf(window, ReportIconId);
  const ControlState verdict = ControlOf(window, ReportVerdictId);
  const ControlState summary = ControlOf(window, ReportSummaryId);
  EXPECT_LE(icon.screen.right, verdict.screen.left);
  EXPECT_LE(verdict.screen.bottom, summary.screen.top);
  Click(GetDlgItem(window, ReportCloseId));
  EXPECT_EQ(host_.WaitForExit(), 0u);
}

TEST_F(ReportWindow, FixButton_RunsTheFixOnceAndShowsItsResultInTheSameWindow) {
  const HWND window = Show(L"fix");
  ASSERT_NE(window, nullptr);
  Click(GetDlgItem(window, ReportFixId));
  ASSERT_TRUE(WaitForResult(window, fixed_)) << "still shows: " << Text(window, ReportVerdictId).size();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(Text(window, ReportDetailsId), AsShown(fixed_.details));
  EXPECT_FALSE(Shows(window, ReportFixId));
  EXPECT_FALSE(Shows(window, ReportChangesId));
  EXPECT_EQ(DefaultButton(window), ReportCloseId);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, ReportCloseId)));
  windows_->Look();
  EXPECT_EQ(windows_->Seen(), 1u);
  Click(GetDlgItem(window, ReportCloseId));
  EXPECT_EQ(host_.WaitForExit(), 1u);  // the fix ran once
}

TEST_F(ReportWindow, Enter_RunsTheFixAndEnterAgainClosesTheResult) {
  const HWND window = Show(L"fix");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(Type(window, {{VK_RETURN}}));
  ASSERT_TRUE(WaitForResult(window, fixed_));
  ASSERT_TRUE(Type(window, {{VK_RETURN}}));
  EXPECT_EQ(host_.WaitForExit(), 1u);
  windows_->Look();
  EXPECT_EQ(windows_->Seen(), 1u);
}

TEST_F(ReportWindow, Escape_ClosesWithoutFixing) {
  const HWND window = Show(L"fix");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(Type(window, {{VK_ESCAPE}}));
  EXPECT_EQ(host_.WaitForExit(), 0u);
}

TEST_F(ReportWindow, TabReachesTheReport_CtrlAThenCtrlCCopiesAllOfIt) {
  const HWND window = Show(L"longest");
  ASSERT_NE(window, nullptr);
  const HWND details = GetDlgItem(window, ReportDetailsId);
  // From the fix button: the close button, then round to the report.
  for (int press = 0; press < 3 && FocusOf(window) != details; ++press) {
    const HWND before = FocusOf(window);
    ASSERT_TRUE(Type(window, {{VK_TAB}}));
    WaitUntil([&] { return FocusOf(window) != before; }, 20'000);
  }
  ASSERT_EQ(FocusOf(window), details);
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
  const std::wstring whole = AsShown(SampleView(Sample::Longest, ReportLanguage::Japanese).details);
  ASSERT_TRUE(Type(window, {{'A', {VK_CONTROL}}}));
  const auto selection = [&] {
    DWORD_PTR range = 0;
    Ask(details, EM_GETSEL, 0, 0, range);
    return std::pair<std::size_t, std::size_t>(LOWORD(range), HIWORD(range));
  };
  ASSERT_TRUE(WaitUntil([&] { return selection() == std::pair<std::size_t, std::size_t>(0, whole.size()); }, 10'000))
      << "selected " << selection().first << " to " << selection().second << " of " << whole.size();
  // A keystroke Wine's null display drops now and then (the first in a new
  // session, mostly) is typed again, as a user would press it again.
  bool copied = false;
  for (int attempt = 0; attempt < 3 && !copied; ++attempt) {
    ASSERT_TRUE(Type(window, {{'C', {VK_CONTROL}}}));
    copied = WaitUntil([&] { return ClipboardText() == whole; }, 10'000);
  }
  EXPECT_TRUE(copied) << "clipboard holds " << ClipboardText().size() << " characters of " << whole.size();
  // Esc from the report box closes the window as from anywhere else.
  ASSERT_TRUE(Type(window, {{VK_ESCAPE}}));
  EXPECT_EQ(host_.WaitForExit(), 0u);
}

TEST_F(ReportWindow, NothingToFix_OnlyTheCloseButtonWhichIsTheDefault) {
  const HWND window = Show(L"nofix");
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(Shows(window, ReportFixId));
  EXPECT_FALSE(Shows(window, ReportChangesLabelId));
  EXPECT_EQ(DefaultButton(window), ReportCloseId);
  ASSERT_TRUE(Type(window, {{VK_RETURN}}));
  EXPECT_EQ(host_.WaitForExit(), 0u);
}

TEST_F(ReportWindow, LongestReport_TheReportScrollsInAWindowInsideTheWorkArea) {
  const HWND window = Show(L"longest");
  ASSERT_NE(window, nullptr);
  const HWND details = GetDlgItem(window, ReportDetailsId);
  DWORD_PTR lines = 0;
  Ask(details, EM_GETLINECOUNT, 0, 0, lines);
  // The report lists at most 40 findings and counts the rest.
  EXPECT_GE(lines, 40u);
  PostMessageW(details, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_TRUE(WaitUntil(
      [&] {
        DWORD_PTR first = 0;
        Ask(details, EM_GETFIRSTVISIBLELINE, 0, 0, first);
        return first > 0;
      },
      20'000));
  RECT frame{};
  GetWindowRect(window, &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  EXPECT_GE(frame.left, monitor.rcWork.left);
  EXPECT_GE(frame.top, monitor.rcWork.top);
  EXPECT_LE(frame.right, monitor.rcWork.right);
  EXPECT_LE(frame.bottom, monitor.rcWork.bottom);
  Click(GetDlgItem(window, ReportCloseId));
  EXPECT_EQ(host_.WaitForExit(), 0u);
}

}  // namespace
