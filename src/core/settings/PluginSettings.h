#pragma once
// The plug-in's settings, each stated once: where it stands in the settings
// file, what applies when it is missing or malformed, what its number counts,
// and which field of the scheduler's settings it fills. The scheduler, the
// settings check and the demo all read this table; adding a setting is its
// row here and its field in ScheduleSettings. Portable.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "ScheduleSettings.h"
#include "SettingsInteger.h"

// A length of time a settings value may be written in.
enum class TimeUnit : std::uint8_t { Millisecond, Second, Minute, Hour };

constexpr std::int64_t MillisecondsIn(TimeUnit unit) {
  switch (unit) {
    case TimeUnit::Millisecond:
      return 1;
    case TimeUnit::Second:
      return 1'000;
    case TimeUnit::Minute:
      return 60'000;
    case TimeUnit::Hour:
      return 3'600'000;
  }
  return 1;
}

struct IntegerSetting {
  std::string_view section;
  std::string_view key;
  std::int32_t fallback;
  TimeUnit unit;                          // what its number counts
  std::int32_t ScheduleSettings::*field;  // where the scheduler keeps it
  // A key spelled against expectation: the letter it has where one expects
  // another. A near miss of it says so. Empty for a key spelled as expected.
  std::string_view oddLetter = {};
  std::string_view expectedLetter = {};
};

// The key really is spelled "InterbalMinute"; users' files have it so.
inline constexpr IntegerSetting IntervalSetting{
    "Env", "InterbalMinute", 10, TimeUnit::Minute, &ScheduleSettings::intervalMinutes, "b", "v"};
inline constexpr IntegerSetting ConnectWaitSetting{
    "Env", "ConnectWaitMilliSecond", 1000, TimeUnit::Millisecond, &ScheduleSettings::connectWaitMs};

// In the order the plug-in reads them. All stand in one section, which the
// plug-in reads in one pass.
inline constexpr std::array PluginSettings{IntervalSetting, ConnectWaitSetting};
inline constexpr std::string_view PluginSection = PluginSettings[0].section;

// Where a setting stands in PluginSettings.
constexpr std::size_t IndexOfSetting(const IntegerSetting& setting) {
  std::size_t index = 0;
  while (index < PluginSettings.size() && PluginSettings[index].key != setting.key) ++index;
  return index;
}

static_assert([] {
  for (const IntegerSetting& setting : PluginSettings) {
    if (setting.section != PluginSection) return false;
  }
  return true;
}());

using SettingTexts = std::array<std::string_view, PluginSettings.size()>;

template <std::size_t... Index>
[[gnu::always_inline]] inline ScheduleSettings ScheduleSettingsFrom(const SettingTexts& texts,
                                                                    std::index_sequence<Index...>) {
  ScheduleSettings settings;
  ((settings.*(PluginSettings[Index].field) = ParseSettingsInteger(texts[Index], PluginSettings[Index].fallback)),
   ...);
  return settings;
}

// What the scheduler runs with for the value texts looked up, in the table's
// order (an empty text where none was found): each text read by
// ParseSettingsInteger with its setting's fallback, into its setting's
// field. The DLL, the settings check and the tests all turn texts into
// numbers here. Unrolled and inlined, so that the DLL keeps no copy of the
// table and no function for it.
[[gnu::always_inline]] inline ScheduleSettings ScheduleSettingsFrom(const SettingTexts& texts) {
  return ScheduleSettingsFrom(texts, std::make_index_sequence<PluginSettings.size()>());
}
