#pragma once
// The plug-in's two settings, named once: where each stands in the settings
// file and what applies when it is missing or malformed. The scheduler, the
// settings check and the demo all read this table. Portable.
#include <array>
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

// In the order the plug-in reads them.
inline constexpr std::array PluginSettings{IntervalSetting, ConnectWaitSetting};
