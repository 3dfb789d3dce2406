#pragma once
// The settings check's command line, read whole before anything is shown:
// an error does not stop the reading, so that "--print" anywhere still sends
// the error to standard error. Portable: the arguments as the system gave
// them (UTF-16), no Windows headers.
#include <optional>
#include <span>
#include <string>

#include "CheckReport.h"

struct CheckOptions {
  bool print = false;    // the report on standard output instead of a window
  bool help = false;
  bool fix = false;      // make the certain corrections without asking
  bool dryRun = false;   // with fix: only list them
  ReportLanguage language = ReportLanguage::English;
  std::optional<std::wstring> file;    // as given; none: the DLL beside the program
  std::optional<std::wstring> output;  // --output: the report goes into this existing file (implies print)
  std::optional<CommandLineError> error;  // the first one
  std::wstring wrongArgument;             // what the error names, where it names one
};

// `arguments` without the program's name. `language`: the user's, unless
// --lang says otherwise.
CheckOptions ParseCommandLine(std::span<const std::wstring> arguments, ReportLanguage language);
