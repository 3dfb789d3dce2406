#pragma once
// Finding the windows of a program under test, as a user sees them: the
// visible top-level windows of one process, by class and title. Each window
// is counted once, by its handle, however often it is looked for; waits end
// on a state, with limits stretched by MachineSpeed.h.
#include <windows.h>

#include <functional>
#include <set>
#include <string>

// Waits until `done` holds, asking again every few milliseconds, at most
// `nativeMs` stretched for a slow machine; whether it held.
bool WaitUntil(const std::function<bool()>& done, DWORD nativeMs);

class ProcessWindows {
 public:
  explicit ProcessWindows(DWORD processId) : processId_(processId) {}

  // A visible top-level window of the process whose class is `windowClass`
  // (empty: any) and whose title holds `titlePart`, once one shows, or null
  // when none has within `nativeMs`.
  HWND WaitFor(const std::wstring& windowClass, const std::wstring& titlePart, DWORD nativeMs = 60'000);

  // How many different visible top-level windows of the process have been
  // met so far by WaitFor and Look.
  std::size_t Seen() const { return seen_.size(); }
  // Notes every visible top-level window the process has now.
  void Look();

 private:
  DWORD processId_;
  std::set<HWND> seen_;
};
