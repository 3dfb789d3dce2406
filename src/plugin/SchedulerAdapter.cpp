#include "SchedulerAdapter.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "PluginSettings.h"
#include "ReconnectSchedule.h"
#include "ServerToggle.h"
#include "SettingsLoad.h"
#include "SettingsLocation.h"

constinit SettingsPathBuffer SettingsPath{};

namespace {

// A setting's key as a constant of its own: read through the table at run
// time, the table itself, pointers and all, would have to be in the DLL's data.
template <std::size_t Index>
constexpr std::string_view KeyOfSetting = PluginSettings[Index].key;

constinit ReconnectSchedule Schedule;

void CALLBACK ReconnectTimerProc(HWND, UINT, UINT_PTR timer, DWORD);

// Carries out the machine's actions. The probe's and SetTimer's answers go
// back to the machine, and what it answers to them is carried out in turn.
// The host may call the plug-in again while it handles the command; such a
// call carries out its own actions, and the machine has already settled its
// state for the command under way.
void Carry(ScheduleActions actions) {
  HWND mainWindow = nullptr;  // the last probe's, for the command after it
  for (;;) {
    if (actions.kill) KillTimer(nullptr, actions.killTimer);
    if (actions.send) SendServerToggle(mainWindow);
    if (actions.arm) {
      actions = Schedule.TimerArmed(SetTimer(nullptr, 0, actions.armDelayMs, ReconnectTimerProc));
    } else if (actions.probe) {
      const HostMenuProbe probe = ProbeHostMenu();
      mainWindow = probe.mainWindow;
      actions = Schedule.ProbeAnswered(probe.grayed);
    } else {
      return;
    }
  }
}

void CALLBACK ReconnectTimerProc(HWND, UINT, UINT_PTR timer, DWORD) { Carry(Schedule.FollowUp(timer)); }

}  // namespace

void SchedulerStart() {
  const SettingsLoad settings = LoadSettingsFile(SettingsPath.data());
  if (settings.OpenFailed()) {
    // The file is there but locked or unreadable: say why only to a debugger.
    OutputDebugStringA(settings.OpenErrorMessage());
    Carry(Schedule.StartUnreadable());
    return;
  }
  // All keys stand in one section: one pass over the file finds them all.
  const auto keys = []<std::size_t... Index>(std::index_sequence<Index...>) {
    return std::array<std::string_view, sizeof...(Index)>{KeyOfSetting<Index>...};
  }(std::make_index_sequence<PluginSettings.size()>());
  SettingTexts values{};
  settings.File().LookupTexts(PluginSection, keys, values);
  Carry(Schedule.Start(ScheduleSettingsFrom(values)));
}

void SchedulerTick() { Carry(Schedule.Tick()); }

void SchedulerExit() { Carry(Schedule.Exit()); }
