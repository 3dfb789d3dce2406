#pragma once
// A real top-level window with a real menu bar, standing in for the host's
// main window. Its window procedure records every WM_COMMAND it receives.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

struct ReceivedCommand {
  WPARAM wParam;
  LPARAM lParam;
  DWORD tick;  // GetTickCount() on arrival
};

class TestMainWindow {
 public:
  TestMainWindow();
  ~TestMainWindow();
  TestMainWindow(const TestMainWindow&) = delete;
  TestMainWindow& operator=(const TestMainWindow&) = delete;

  HWND Handle() const { return window_; }
  // Replaces (and destroys) the current menu bar; null removes it.
  void SetMenuBar(HMENU bar);
  const std::vector<ReceivedCommand>& Commands() const { return commands_; }
  void ClearCommands() { commands_.clear(); }
  // Runs after a command is recorded, as the host reacting to it.
  std::function<void(WPARAM)> onCommand;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  std::vector<ReceivedCommand> commands_;
};

struct MenuItem {
  UINT id;
  UINT flags = MF_ENABLED;  // MF_GRAYED, MF_DISABLED, MF_CHECKED ...
  HMENU popup = nullptr;    // when set, the item opens this sub-menu instead
};

// A drop-down menu holding these items, in order.
HMENU MakeDropDown(std::initializer_list<MenuItem> items);
// A menu bar whose top-level entries open these drop-down menus, in order.
HMENU MakeMenuBar(std::initializer_list<HMENU> dropDowns);

// Dispatches this thread's messages for about `milliseconds`, or until
// `done` says so; true when `done` was met.
bool PumpMessages(DWORD milliseconds, const std::function<bool()>& done = {});
