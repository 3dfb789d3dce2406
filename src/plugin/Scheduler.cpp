#include "Scheduler.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "PluginSettings.h"
#include "SettingsInteger.h"
#include "SettingsLoad.h"
#include "ServerToggle.h"
#include "SettingsLocation.h"

constinit SettingsPathBuffer SettingsPath{};

namespace {

// One instance for the whole library, touched only on the host's
// user-interface thread.
// Ticks counted since start; stops growing at IntervalMinutes.
constinit std::int32_t MinuteCount = 0;
// Ticks that are only counted before toggling starts.
constinit std::int32_t IntervalMinutes = 0;
// Wait before the follow-up toggle; handed to the timer as unsigned.
constinit std::int32_t ConnectWaitMs = 0;
// The pending follow-up timer, or 0.
constinit UINT_PTR ToggleTimerId = 0;

void CancelFollowUp() {
  if (ToggleTimerId == 0) return;
  KillTimer(nullptr, ToggleTimerId);
  ToggleTimerId = 0;
}

}  // namespace

void SchedulerStart() {
  // A follow-up armed before this start would otherwise be forgotten, and
  // a forgotten thread timer fires for ever.
  CancelFollowUp();
  MinuteCount = 0;

  const SettingsLoad settings = LoadSettingsFile(SettingsPath.data());
  if (settings.OpenFailed()) {
    // The file is there but locked or unreadable: keep the settings of the
    // last start and say why only to a debugger.
    OutputDebugStringA(settings.OpenErrorMessage());
    return;
  }
  // Both keys stand in one section: one pass over the file finds both.
  static_assert(IntervalSetting.section == ConnectWaitSetting.section);
  const std::array<std::string_view, 2> keys{IntervalSetting.key, ConnectWaitSetting.key};
  std::array<std::string_view, 2> values{};
  settings.File().LookupTexts(IntervalSetting.section, keys, values);
  IntervalMinutes = ParseSettingsInteger(values[0], IntervalSetting.fallback);
  ConnectWaitMs = ParseSettingsInteger(values[1], ConnectWaitSetting.fallback);
}

void SchedulerTick() {
  // The first IntervalMinutes ticks after start are only counted; every
  // later tick toggles.
  if (MinuteCount < IntervalMinutes) {
    ++MinuteCount;
    return;
  }
  if (!ToggleImapServer()) return;

  CancelFollowUp();
  ToggleTimerId = SetTimer(nullptr, 0, static_cast<UINT>(ConnectWaitMs), ReconnectTimerProc);
}

void CALLBACK ReconnectTimerProc(HWND, UINT, UINT_PTR timerId, DWORD) {
  // Cancel before toggling: the host may pump messages while it handles the
  // command, and the timer must not fire a second time meanwhile.
  KillTimer(nullptr, timerId);
  // KillTimer does not take back a WM_TIMER already queued, so a follow-up
  // cancelled by exit, a new start or a new arming can still arrive here.
  if (timerId == 0 || timerId != ToggleTimerId) return;
  ToggleTimerId = 0;
  ToggleImapServer();
}

void SchedulerExit() { CancelFollowUp(); }
