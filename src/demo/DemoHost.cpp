#include "DemoHost.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "HostExports.h"

DemoHost* TheDemoHost = nullptr;

namespace {

constexpr char MainWindowClass[] = "TollimerDemoHostMainWindow";

struct MenuEntry {
  UINT id;
  const char* text;
};

HMENU MakeDropDown(std::initializer_list<MenuEntry> entries) {
  const HMENU menu = CreatePopupMenu();
  for (const MenuEntry& entry : entries) AppendMenuA(menu, MF_STRING, entry.id, entry.text);
  return menu;
}

}  // namespace

DemoHost::DemoHost(Timeline& timeline, int notGrayedMinutes, bool failVersion)
    : timeline_(timeline), notGrayedMinutes_(notGrayedMinutes), failVersion_(failVersion) {
  TheDemoHost = this;
}

DemoHost::~DemoHost() {
  if (mainWindow_ != nullptr) DestroyWindow(mainWindow_);  // the menu bar goes with it
  TheDemoHost = nullptr;
}

bool DemoHost::CreateMainWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &DemoHost::WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = MainWindowClass;
  if (RegisterClassA(&windowClass) == 0) return false;

  // The probe item's drop-down goes where the host has it, among others.
  probeMenu_ = MakeDropDown({{HostImapToggleCommand, "&IMAP server on/off"}, {HostProbeItemId, "&Probe item"}});
  const HMENU bar = CreateMenu();
  constexpr std::array<const char*, 4> others{"&File", "&Edit", "&View", "&Help"};
  const int count = std::max(static_cast<int>(others.size()), HostProbeMenuPosition) + 1;
  for (int position = 0, other = 0; position < count; ++position) {
    if (position == HostProbeMenuPosition) {
      AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(probeMenu_), "&Tools");
      continue;
    }
    const char* const title = other < static_cast<int>(others.size()) ? others[static_cast<std::size_t>(other++)] : "&Menu";
    const UINT item = 40001 + static_cast<UINT>(position) * 100;
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(MakeDropDown({{item, "&Item"}})), title);
  }
  // Never shown: the demo talks on the console, and the plug-in needs only
  // the window's menu and its window procedure.
  mainWindow_ = CreateWindowA(MainWindowClass, "Tollimer demo host", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 400, 300, nullptr, bar, GetModuleHandleA(nullptr), nullptr);
  if (mainWindow_ == nullptr) {
    DestroyMenu(bar);
    return false;
  }
  SetProbeItemGrayed(ProbeItemGrayed(0, notGrayedMinutes_));
  return true;
}

bool DemoHost::ProbeItemIsGrayed() const {
  return (GetMenuState(probeMenu_, HostProbeItemId, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

void DemoHost::SetProbeItemGrayed(bool grayed) {
  EnableMenuItem(probeMenu_, HostProbeItemId, MF_BYCOMMAND | (grayed ? MF_GRAYED : MF_ENABLED));
}

void DemoHost::BeginMinute(int minute) {
  const bool wasGrayed = ProbeItemIsGrayed();
  minute_ = minute;
  inTick_ = true;
  tickProbes_ = 0;
  tickCommands_ = 0;
  const bool grayed = ProbeItemGrayed(minute, notGrayedMinutes_);
  if (grayed != wasGrayed) {
    SetProbeItemGrayed(grayed);
    timeline_.Event(Label(), grayed ? "host idle again: " + ProbeItemName() + " grayed"
                                    : "host busy: " + ProbeItemName() + " enabled");
  }
}

TickOutcome DemoHost::EndMinute() {
  const TickOutcome outcome = ClassifyTick(tickProbes_, tickCommands_);
  CountTick(counts_, outcome);
  timeline_.Event(Label(), TickOutcomeText(outcome));
  inTick_ = false;
  return outcome;
}

std::string ProbeItemName() { return "item " + std::to_string(HostProbeItemId); }

std::string DemoHost::Label() const { return inTick_ ? "minute " + std::to_string(minute_) : "follow-up"; }

const char* DemoHost::AnswerVersion() const { return failVersion_ ? nullptr : DemoHostVersion; }

void DemoHost::OnProbe() {
  if (inTick_) {
    ++tickProbes_;
  } else {
    ++counts_.followUpProbes;
  }
  timeline_.Event(Label(), "probe of " + ProbeItemName() + (ProbeItemIsGrayed() ? ": grayed" : ": not grayed"));
}

void DemoHost::OnCommand(WPARAM wParam) {
  if (LOWORD(wParam) != HostImapToggleCommand) {
    timeline_.Event(Label(), "command " + std::to_string(LOWORD(wParam)) + " ignored");
    return;
  }
  ++counts_.commands;
  if (inTick_) {
    ++tickCommands_;
  } else {
    ++counts_.followUpToggles;
  }
  counts_.online = !counts_.online;
  const std::string command = "command " + std::to_string(HostImapToggleCommand);
  timeline_.Event(Label(), counts_.online ? command + ": IMAP connection offline -> online; the host checks the server anew"
                                          : command + ": IMAP connection online -> offline");
}

void DemoHost::OnUnexpectedCall(const char* name) {
  timeline_.Event(Label(), std::string("unexpected call of ") + name + " by the plug-in");
}

LRESULT CALLBACK DemoHost::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && TheDemoHost != nullptr) {
    TheDemoHost->OnCommand(wParam);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The host's exports, looked up by the plug-in while it loads.

extern "C" LPCSTR WINAPI BKA_GetVersion() { return TheDemoHost != nullptr ? TheDemoHost->AnswerVersion() : nullptr; }

extern "C" BOOL WINAPI BKA_GetWindowHandles(HWND* main, HWND* tree, HWND* list, HWND* view) {
  // The demo has no folder tree, list or view windows of its own.
  *main = TheDemoHost != nullptr ? TheDemoHost->MainWindow() : nullptr;
  *tree = nullptr;
  *list = nullptr;
  *view = nullptr;
  if (TheDemoHost != nullptr) TheDemoHost->OnProbe();
  return TRUE;
}

// The plug-in only looks the other exports up. Should one be called after
// all, it is reported; it does nothing else and answers 0.
// The name is pasted first: GetTempFileName alone is a macro of windows.h.
#define DEMO_HOST_GetVersionFn(name)
#define DEMO_HOST_GetWindowHandlesFn(name)
#define DEMO_HOST_HostEntry(name)                              \
  extern "C" INT_PTR WINAPI name() {                           \
    if (TheDemoHost != nullptr) TheDemoHost->OnUnexpectedCall(#name); \
    return 0;                                                  \
  }
#define DEMO_HOST_EXPORT(field, type, need) DEMO_HOST_##type(BKA_##field)
TOLLIMER_HOST_EXPORTS(DEMO_HOST_EXPORT)
