#pragma once
// When the plug-in switches the host's IMAP connection, as a state machine
// without a Windows call: it is told what happened (an event) and answers
// with what to do (actions). The plug-in's adapter turns the actions into
// SetTimer, KillTimer and the host's menu probe and command; the settings
// check's simulation (ScheduleSimulation.h) drives the very same machine.
// No exceptions, no allocation: it lives inside Tollimer.dll, one instance
// for the whole library, touched only on the host's user-interface thread.
//
// - The first `intervalMinutes` ticks after a start are only counted: the
//   plug-in does not look at the host's menu then. Every later tick probes
//   the menu (0 or less: from the first tick), and when the probe item is
//   grayed the tick sends the command and arms the follow-up, a timer of
//   `connectWaitMs` handed over as unsigned, exactly as read.
// - The follow-up probes once more and, when the item is still grayed, sends
//   the command again: the connection comes back and the host checks the
//   server anew.
// - At most one follow-up is pending; a tick's new one, a new start and exit
//   cancel it. A follow-up of a cancelled timer (a WM_TIMER already queued
//   when KillTimer came) only cancels its timer again.
// - Before the first start that read the settings, the interval and the wait
//   are both zero. A settings file that exists but cannot be opened (locked
//   by an editor, say) keeps the values of the last good start; the count and
//   the pending follow-up are reset all the same.
#include <cstdint>

#include "ScheduleSettings.h"

// A timer as SetTimer names it; 0 is none (SetTimer's answer when it fails).
using ScheduleTimerId = std::uintptr_t;

// What to do for one event; each part when its flag is set, carried out in
// this order. The probe and the arming await an answer from the caller, and
// never come together.
struct ScheduleActions {
  ScheduleTimerId killTimer = 0;
  std::uint32_t armDelayMs = 0;
  bool kill = false;   // KillTimer(no window, killTimer)
  bool send = false;   // send the IMAP on/off command to the main window the last probe found
  bool arm = false;    // SetTimer(no window, 0, armDelayMs, the follow-up); answer with TimerArmed
  bool probe = false;  // read the probe item's state; answer with ProbeAnswered

  bool None() const { return !kill && !send && !arm && !probe; }
  friend bool operator==(const ScheduleActions&, const ScheduleActions&) = default;
};

class ReconnectSchedule {
 public:
  // BKC_OnStart with the values read from the settings file.
  ScheduleActions Start(const ScheduleSettings& settings);
  // BKC_OnStart when the settings file exists but could not be opened.
  ScheduleActions StartUnreadable();
  // BKC_OnEveryMinute.
  ScheduleActions Tick();
  // What the probe found.
  ScheduleActions ProbeAnswered(bool probeItemGrayed);
  // The follow-up timer `timer` fired (the identifier Windows passes).
  ScheduleActions FollowUp(ScheduleTimerId timer);
  // SetTimer's answer to the arming.
  ScheduleActions TimerArmed(ScheduleTimerId timer);
  // BKC_OnExit, and the library's unload: no timer may fire into code that
  // is gone.
  ScheduleActions Exit();

  const ScheduleSettings& Settings() const { return settings_; }
  // How many of the coming ticks will only be counted.
  std::int32_t TicksLeftToCount() const;
  // Counts up to `ticks` of them at once, as that many Tick() calls that
  // answer nothing: for a simulation that passes over the counted minutes.
  void CountTicks(std::int32_t ticks);

 private:
  enum class Probe : std::uint8_t { None, OfTick, OfFollowUp };

  void CancelFollowUp(ScheduleActions& actions);

  ScheduleSettings settings_{};
  std::int32_t minuteCount_ = 0;  // ticks counted since start; stops at the interval
  ScheduleTimerId pendingTimer_ = 0;
  Probe probe_ = Probe::None;  // what the awaited probe answer is for
};
