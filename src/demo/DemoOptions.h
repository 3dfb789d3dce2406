#pragma once
// The demo host's command line. Portable: no Windows headers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DemoOptions {
  int minuteMs = 5000;       // length of one accelerated minute
  int minutes = 6;           // number of minute ticks
  int notGrayedMinutes = 0;  // the host is busy, probe item not grayed, for the first N minutes
  std::string iniPath;       // copied beside the plug-in before loading it
  std::string pluginDir;     // empty: "PlugIns" beside the demo
  bool failVersion = false;  // BKA_GetVersion answers null
  bool japanese = false;     // the settings check's report in Japanese
  bool help = false;
};

struct ParsedOptions {
  std::optional<DemoOptions> options;  // empty when the command line is wrong
  std::string error;                   // why, when it is
};

// Takes the arguments after the program name. Each option with a value takes
// it as the next argument or after "=" ("--minutes 3", "--minutes=3").
ParsedOptions ParseDemoOptions(const std::vector<std::string_view>& arguments);

extern const char DemoUsage[];
