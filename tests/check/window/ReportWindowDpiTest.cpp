// The window for the longest report at 100, 150 and 200 % (96, 144 and 192
// DPI): inside the work area, its title bar and buttons on the screen, its
// buttons scaled with the DPI. Wine takes the DPI of a program from
// HKCU\Control Panel\Desktop\LogPixels when the program starts, so each
// scale is set there before the window's program starts, and the value the
// prefix had is put back afterwards; CTest runs this test alone, since every
// program started meanwhile would take the changed DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "ReportWindowIds.h"
#include "RunningProgram.h"
#include "UserActions.h"
#include "WindowFinder.h"

namespace {

constexpr wchar_t DesktopKey[] = L"Control Panel\\Desktop";

std::optional<DWORD> ReadLogPixels() {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

void WriteLogPixels(std::optional<DWORD> value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, DesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  if (value) {
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof *value);
  } else {
    RegDeleteValueW(key, L"LogPixels");
  }
  RegCloseKey(key);
}

// Sets the DPI for the programs started while it lives.
class ScreenDpi {
 public:
  explicit ScreenDpi(DWORD dpi) : before_(ReadLogPixels()) { WriteLogPixels(dpi); }
  ~ScreenDpi() { WriteLogPixels(before_); }
  ScreenDpi(const ScreenDpi&) = delete;
  ScreenDpi& operator=(const ScreenDpi&) = delete;

 private:
  std::optional<DWORD> before_;
};

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

TEST(ReportWindowDpi, LongestReport_FitsTheWorkAreaWithItsButtonsOnScreenAtEveryScale) {
  // Physical pixels for the rectangles of the other program's window.
  SetProcessDPIAware();
  std::map<DWORD, LONG> buttonHeights;
  for (const DWORD dpi : {96u, 144u, 192u}) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    RunningProgram host;
    HWND window = nullptr;
    {
      // The program takes the DPI as it starts; once its window shows, the
      // prefix gets its own value back.
      const ScreenDpi screen(dpi);
      ASSERT_TRUE(host.Start(TestProgramFolder() + L"\\report_window_host.exe", L"longest"));
      window = ProcessWindows(host.Id()).WaitFor(L"#32770", L"Tollimer");
    }
    ASSERT_NE(window, nullptr);
    RECT frame{};
    GetWindowRect(window, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_TRUE(Inside(frame, monitor.rcWork)) << Describe(frame) << " in " << Describe(monitor.rcWork);
    for (const int id : {ReportFixId, ReportCloseId, ReportDetailsId}) {
      const ControlState control = ControlOf(window, id);
      EXPECT_TRUE(control.visible) << id;
      EXPECT_TRUE(Inside(control.screen, frame)) << id << ": " << Describe(control.screen);
    }
    // The report is longer than the window: it scrolls rather than the
    // window growing.
    const ControlState details = ControlOf(window, ReportDetailsId);
    EXPECT_LT(details.screen.bottom - details.screen.top, monitor.rcWork.bottom - monitor.rcWork.top);
    const ControlState close = ControlOf(window, ReportCloseId);
    buttonHeights[dpi] = close.screen.bottom - close.screen.top;
    Click(close.handle);
    EXPECT_EQ(host.WaitForExit(), 0u);
  }
  ASSERT_EQ(buttonHeights.size(), 3u);
  EXPECT_NEAR(static_cast<double>(buttonHeights[144]) / buttonHeights[96], 1.5, 0.2);
  EXPECT_NEAR(static_cast<double>(buttonHeights[192]) / buttonHeights[96], 2.0, 0.25);
}

}  // namespace
