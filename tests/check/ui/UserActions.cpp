#include "UserActions.h"

#include "MachineSpeed.h"
#include "WindowFinder.h"

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& answer) {
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, ScaledMs(60'000), &answer) != 0;
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!Ask(window, WM_GETTEXTLENGTH, 0, 0, length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied)) return {};
  text.resize(copied);
  return text;
}

namespace {

ControlState StateOf(HWND control) {
  ControlState state;
  state.handle = control;
  state.id = GetDlgCtrlID(control);
  wchar_t name[256] = {};
  GetClassNameW(control, name, 256);
  state.windowClass = name;
  state.text = TextOf(control);
  state.visible = IsWindowVisible(control) != FALSE;
  state.enabled = IsWindowEnabled(control) != FALSE;
  GetWindowRect(control, &state.screen);
  return state;
}

}  // namespace

std::vector<ControlState> ControlsOf(HWND window) {
  std::vector<ControlState> controls;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    controls.push_back(StateOf(child));
  }
  return controls;
}

ControlState ControlOf(HWND window, int id) {
  const HWND control = GetDlgItem(window, id);
  return control != nullptr ? StateOf(control) : ControlState{};
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

namespace {

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

bool Type(HWND window, std::initializer_list<Keystroke> keys) {
  SetForegroundWindow(window);
  if (!WaitUntil([&] { return GetForegroundWindow() == window; }, 5000)) return false;
  for (const Keystroke& key : keys) {
    std::vector<INPUT> inputs;
    for (const WORD held : key.held) inputs.push_back(KeyInput(held, false));
    inputs.push_back(KeyInput(key.key, false));
    inputs.push_back(KeyInput(key.key, true));
    for (auto held = key.held.end(); held != key.held.begin();) inputs.push_back(KeyInput(*--held, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }
  return true;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

std::wstring ClipboardText() {
  if (!OpenClipboard(nullptr)) return {};
  std::wstring text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}
