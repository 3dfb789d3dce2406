#pragma once
// What the plug-in will do with the values it runs with, as the facts that
// the report's "what it will do" sentences need, read off the plug-in's own
// scheduler run over the first minutes (ScheduleSimulation.h). Portable.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ScheduleSimulation.h"

// What may surprise in the schedule; only the forecast warns, from the values
// the plug-in runs with.
enum class ScheduleWarning {
  IntervalNotPositive,  // the first minute already switches
  IntervalHuge,         // the first switch needs over a week of running
  WaitZero,             // switched back at once
  WaitMinuteOrMore,     // the next minute's switch cancels the switch back: on and off by turns
  WaitNegative,         // a huge unsigned delay, capped near 24.8 days: as WaitMinuteOrMore
};

// The interval from which the first switch is over a week away.
inline constexpr std::int32_t HugeIntervalMinutes = 7 * 24 * 60;

struct ScheduleForecast {
  std::int32_t intervalMinutes = 0;      // minutes only counted after the start
  std::int64_t firstSwitchMinute = 1;    // counted from the host's start
  bool switchesFromFirstTick = false;    // no minutes to wait first
  std::int32_t waitMs = 0;               // the wait as the plug-in runs with it
  // The switch back comes before the next minute's switch, this long after
  // the switch (Windows' shortest delay for a wait under it), in seconds too.
  bool switchBackInTime = false;
  std::int64_t switchBackAfterMs = 0;
  std::string switchBackSeconds;         // "1.5"
  std::int64_t intervalDays = 0;         // whole days of the interval
  std::uint32_t unsignedWaitMs = 0;      // the wait as Windows takes it
  std::string timerCapDays;              // "24.8"
  std::vector<ScheduleWarning> warnings;
};

// `read`: the values read at the host's start; none when the settings file
// exists but could not be opened.
ScheduleForecast ForecastSchedule(const std::optional<ScheduleSettings>& read);

// "1.5": milliseconds as seconds, without trailing zeros.
std::string SecondsText(std::int64_t milliseconds);
