#pragma once
// The two numbers the scheduler runs with (ReconnectSchedule.h says what they
// do); the settings table (PluginSettings.h) names the field each setting
// fills. Portable.
#include <cstdint>

struct ScheduleSettings {
  std::int32_t intervalMinutes = 0;  // ticks only counted before toggling starts
  std::int32_t connectWaitMs = 0;    // wait before the follow-up
  friend bool operator==(const ScheduleSettings&, const ScheduleSettings&) = default;
};
