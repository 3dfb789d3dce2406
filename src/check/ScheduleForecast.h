#pragma once
// What the plug-in will do with an interval and a wait, as the facts that
// the report's "what it will do" sentences need. One function computes them
// all, so that another source of these facts replaces only its body.
// Portable.
#include <cstdint>
#include <string>
#include <vector>

#include "SettingsDiagnosis.h"

// Windows' limits of a thread timer's delay (USER_TIMER_MINIMUM and
// USER_TIMER_MAXIMUM of SetTimer), which the plug-in's switch back runs on.
inline constexpr std::uint32_t TimerMinimumMs = 0x0000000A;
inline constexpr std::uint32_t TimerMaximumMs = 0x7FFFFFFF;

struct ScheduleForecast {
  std::int32_t intervalMinutes = 0;
  std::int64_t firstSwitchMinute = 1;    // counted from the host's start
  bool switchesFromFirstTick = false;    // no minutes to wait first
  std::int32_t waitMs = 0;
  bool switchBackInTime = false;         // the switch back comes before the next minute's switch
  std::string waitSeconds;               // "1.5"
  std::int64_t intervalDays = 0;         // whole days of the interval
  std::uint32_t unsignedWaitMs = 0;      // the wait as Windows takes it
  std::string timerCapDays;              // "24.8"
  std::vector<ScheduleWarning> warnings;
};

ScheduleForecast ForecastSchedule(std::int32_t intervalMinutes, std::int32_t waitMs);

// "1.5": milliseconds as seconds, without trailing zeros.
std::string SecondsText(std::int64_t milliseconds);
