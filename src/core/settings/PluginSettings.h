#pragma once
// The plug-in's two settings, named once: where each stands in the settings
// file and what applies when it is missing or malformed. The scheduler, the
// settings check and the demo all read this table. Portable.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

struct IntegerSetting {
  std::string_view section;
  std::string_view key;
  std::int32_t fallback;
};

// The key really is spelled "InterbalMinute"; users' files have it so.
inline constexpr IntegerSetting IntervalSetting{"Env", "InterbalMinute", 10};
inline constexpr IntegerSetting ConnectWaitSetting{"Env", "ConnectWaitMilliSecond", 1000};

// In the order the plug-in reads them. All stand in one section, which the
// plug-in reads in one pass.
inline constexpr std::array PluginSettings{IntervalSetting, ConnectWaitSetting};

// Where a setting stands in PluginSettings.
constexpr std::size_t IndexOfSetting(const IntegerSetting& setting) {
  std::size_t index = 0;
  while (index < PluginSettings.size() && PluginSettings[index].key != setting.key) ++index;
  return index;
}

static_assert([] {
  for (const IntegerSetting& setting : PluginSettings) {
    if (setting.section != PluginSettings[0].section) return false;
  }
  return true;
}());
