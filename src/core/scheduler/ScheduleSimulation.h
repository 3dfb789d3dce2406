#pragma once
// What the plug-in will do after the mail client starts, read off its own
// scheduler (ReconnectSchedule.h): the machine runs against a simulated clock,
// simulated Windows timers and a host whose probe item is grayed (an idle
// host, the case in which the plug-in switches), and the facts the settings
// check reports are read off what happened. Portable; for the check, not the
// DLL (it allocates).
#include <cstdint>
#include <optional>
#include <vector>

#include "ReconnectSchedule.h"

// The host calls BKC_OnEveryMinute once a minute: a switch back of this wait
// or longer comes after the next minute's switch.
inline constexpr std::int32_t MinuteMilliseconds = 60'000;

// Windows' limits on a timer's delay: below the least it takes the least,
// above the most the most (USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM).
inline constexpr std::uint32_t WindowsTimerLeastMs = 10;
inline constexpr std::uint32_t WindowsTimerMostMs = 0x7FFFFFFF;  // about 24.8 days
// The delay Windows keeps a timer for when SetTimer is handed `delayMs`.
std::uint32_t WindowsTimerDelayMs(std::uint32_t delayMs);

// One command the plug-in sent, or a switch back it cancelled.
struct ScheduleEvent {
  enum class Kind {
    Switch,               // a minute's command
    SwitchBack,           // the follow-up's command
    SwitchBackCancelled,  // a minute's switch cancelled the pending switch back
  };
  Kind kind;
  std::int64_t minute;  // the minute after start, from 1, in which it happened
  std::int64_t atMs;    // milliseconds after start
  bool online;          // the host's connection afterwards
};

struct ScheduleTimeline {
  ScheduleSettings settings;        // the values the plug-in runs with
  std::int64_t countedMinutes = 0;  // minutes after start that are only counted
  std::int64_t firstSwitchMinute = 0;
  std::uint32_t armedDelayMs = 0;  // what the plug-in hands SetTimer for the switch back
  std::uint32_t timerDelayMs = 0;  // what Windows makes of it
  // The first switch's switch back, milliseconds after it; none when the
  // next minute's switch cancelled it first.
  std::optional<std::int64_t> switchBackAfterMs;
  bool nextSwitchCancelsSwitchBack = false;
  std::vector<ScheduleEvent> events;  // in time order
};

// The values the plug-in runs with once the mail client has started with
// `read` (none: the settings file exists but could not be opened).
ScheduleSettings SettingsInUse(const std::optional<ScheduleSettings>& read);

// The mail client starts with `read` (none: the settings file exists but
// could not be opened), and the plug-in runs for its counted minutes, which
// nothing happens in and which are passed over at once, and then for
// `switchingMinutes` minutes that switch, to the end of the last one. Two
// show all there is: the first switch, and its switch back before the
// next minute's switch or cancelled by it.
ScheduleTimeline SimulateSchedule(const std::optional<ScheduleSettings>& read, int switchingMinutes = 2);
