#include "WindowFinder.h"

#include <vector>

#include "MachineSpeed.h"

bool WaitUntil(const std::function<bool()>& done, DWORD nativeMs) {
  const DWORD limit = ScaledMs(nativeMs);
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= limit) return done();
    Sleep(20);
  }
}

namespace {

struct Search {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM search) {
  auto& s = *reinterpret_cast<Search*>(search);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == s.processId && IsWindowVisible(window)) s.found.push_back(window);
  return TRUE;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[1024] = {};
  GetWindowTextW(window, title, 1024);
  return title;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
  Search search{processId, {}};
  EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

void ProcessWindows::Look() {
  for (const HWND window : VisibleWindowsOf(processId_)) seen_.insert(window);
}

HWND ProcessWindows::WaitFor(const std::wstring& windowClass, const std::wstring& titlePart, DWORD nativeMs) {
  HWND match = nullptr;
  WaitUntil(
      [&] {
        for (const HWND window : VisibleWindowsOf(processId_)) {
          seen_.insert(window);
          if ((windowClass.empty() || ClassOf(window) == windowClass) &&
              TitleOf(window).find(titlePart) != std::wstring::npos) {
            match = window;
            return true;
          }
        }
        return false;
      },
      nativeMs);
  return match;
}
