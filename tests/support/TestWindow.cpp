#include "TestWindow.h"

namespace {

constexpr char WindowClassName[] = "TollimerTestMainWindow";

void RegisterWindowClassOnce() {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;  // replaced per window below
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = WindowClassName;
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

TestMainWindow::TestMainWindow() {
  RegisterWindowClassOnce();
  window_ = CreateWindowA(WindowClassName, "Test host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                          nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TestMainWindow::WindowProc));
}

TestMainWindow::~TestMainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);  // destroys the menu bar with it
}

void TestMainWindow::SetMenuBar(HMENU bar) {
  const HMENU previous = GetMenu(window_);
  SetMenu(window_, bar);
  if (previous != nullptr) DestroyMenu(previous);
}

LRESULT CALLBACK TestMainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TestMainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_COMMAND && self != nullptr) {
    self->commands_.push_back({wParam, lParam, GetTickCount()});
    if (self->onCommand) self->onCommand(wParam);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HMENU MakeDropDown(std::initializer_list<MenuItem> items) {
  const HMENU menu = CreatePopupMenu();
  for (const MenuItem& item : items) {
    if (item.popup != nullptr) {
      AppendMenuA(menu, MF_POPUP | item.flags, reinterpret_cast<UINT_PTR>(item.popup), "Sub-menu");
    } else {
      AppendMenuA(menu, MF_STRING | item.flags, item.id, "Item");
    }
  }
  return menu;
}

HMENU MakeMenuBar(std::initializer_list<HMENU> dropDowns) {
  const HMENU bar = CreateMenu();
  for (const HMENU dropDown : dropDowns) {
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), "Menu");
  }
  return bar;
}

bool PumpMessages(DWORD milliseconds, const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done && done()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}
