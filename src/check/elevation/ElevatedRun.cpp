#include "ElevatedRun.h"

#include <shellapi.h>

#include "SystemLibrary.h"

namespace {

// Waits for `process` to end, dispatching this thread's messages meanwhile;
// a WM_QUIT is kept in `quit` for the caller to post again.
void WaitDispatching(HANDLE process, bool& quit, int& quitCode) {
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
    if (woken != WAIT_OBJECT_0 + 1) return;  // ended, or the handle failed
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        quitCode = static_cast<int>(message.wParam);
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace

ElevatedRun RunElevated(const std::wstring& program, const std::wstring& parameters, HWND owner) {
  // Bound at the time of use: the check imports shell32 nowhere else.
  using ShellExecuteExWFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
  const auto shellExecuteEx = SystemFunction<ShellExecuteExWFn>(L"shell32.dll", "ShellExecuteExW");
  if (shellExecuteEx == nullptr) return {ElevatedStart::Failed, GetLastError(), 0};

  SHELLEXECUTEINFOW start{};
  start.cbSize = sizeof start;
  // No message of the system's own on failure: the caller reports it.
  start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  start.hwnd = owner;
  start.lpVerb = L"runas";
  start.lpFile = program.c_str();
  start.lpParameters = parameters.c_str();
  start.nShow = SW_SHOWNORMAL;
  if (!shellExecuteEx(&start)) {
    const DWORD error = GetLastError();
    return {error == ERROR_CANCELLED ? ElevatedStart::Declined : ElevatedStart::Failed, error, 0};
  }
  if (start.hProcess == nullptr) return {ElevatedStart::Failed, ERROR_INVALID_HANDLE, 0};

  bool quit = false;
  int quitCode = 0;
  WaitDispatching(start.hProcess, quit, quitCode);
  ElevatedRun run{ElevatedStart::Ran, 0, 0};
  if (!GetExitCodeProcess(start.hProcess, &run.exitCode)) run = {ElevatedStart::Failed, GetLastError(), 0};
  CloseHandle(start.hProcess);
  if (quit) PostQuitMessage(quitCode);
  return run;
}
