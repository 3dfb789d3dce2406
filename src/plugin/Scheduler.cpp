#include "Scheduler.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "PluginSettings.h"
#include "SettingsInteger.h"
#include "SettingsLoad.h"
#include "ServerToggle.h"
#include "SettingsLocation.h"

constinit SettingsPathBuffer SettingsPath{};

namespace {

// A setting's key as a constant of its own: read through the table at run
// time, the table itself, pointers and all, would have to be in the DLL's data.
template <std::size_t Index>
constexpr std::string_view KeyOfSetting = PluginSettings[Index].key;

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
  // All keys stand in one section: one pass over the file finds them all.
  const auto keys = []<std::size_t... Index>(std::index_sequence<Index...>) {
    return std::array<std::string_view, sizeof...(Index)>{KeyOfSetting<Index>...};
  }(std::make_index_sequence<PluginSettings.size()>());
  std::array<std::string_view, PluginSettings.size()> values{};
  settings.File().LookupTexts(IntervalSetting.section, keys, values);
  constexpr std::size_t interval = IndexOfSetting(IntervalSetting);
  constexpr std::size_t connectWait = IndexOfSetting(ConnectWaitSetting);
  IntervalMinutes = ParseSettingsInteger(values[interval], IntervalSetting.fallback);
  ConnectWaitMs = ParseSettingsInteger(values[connectWait], ConnectWaitSetting.fallback);
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
