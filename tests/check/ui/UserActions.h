#pragma once
// What a user does with a window of another process, and what a user reads
// in it: the texts of its controls, a button pressed (BM_CLICK), keys typed
// on the keyboard (SendInput, to the window brought to the foreground).
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// Sends `message` to a window of another process and waits for the answer
// for as long as a loaded machine may take: a program that the machine
// starves of time answers late, not wrong (it is not "hung" for that). False
// when the window is gone or gives no answer within a minute.
bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& answer);

// A window's text, read across processes (WM_GETTEXT).
std::wstring TextOf(HWND window);

struct ControlState {
  HWND handle = nullptr;
  int id = 0;
  std::wstring windowClass;
  std::wstring text;
  bool visible = false;
  bool enabled = false;
  RECT screen{};  // in screen coordinates
};

// The child controls of `window`, in their order (the tab order).
std::vector<ControlState> ControlsOf(HWND window);
// The control `id` of `window`; an empty state when there is none.
ControlState ControlOf(HWND window, int id);

// Presses `button` as a click would, without waiting for what it starts.
void Click(HWND button);

// One key, with the modifiers held while it is pressed.
struct Keystroke {
  WORD key;
  std::initializer_list<WORD> held = {};
};

// Brings `window` to the foreground, waits until it is there, and types the
// keys on the keyboard; false when the window did not come forward.
bool Type(HWND window, std::initializer_list<Keystroke> keys);

// The control that has the keyboard focus in `window`'s thread.
HWND FocusOf(HWND window);

// The text on the clipboard, or none.
std::wstring ClipboardText();
