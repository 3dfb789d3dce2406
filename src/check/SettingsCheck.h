#pragma once
// The settings check's reading of one file from disk: the plug-in's own
// LoadSettingsFile (for a path that names something itself, never a search
// pattern), then the diagnosis of the bytes read, and whether the DLL the
// file belongs to (the one named like it, else Tollimer.dll) stands beside
// it and reads it. Windows only.
#include <string>
#include <string_view>

#include "CheckReport.h"
#include "SettingsLoad.h"

struct SettingsCheck {
  SettingsLoad load;  // owns the bytes that facts.diagnosis points into
  CheckFacts facts;
};

// `settingsPath` in the system code page, as the plug-in has it.
SettingsCheck CheckSettingsFile(const std::string& settingsPath);

// The settings path for a path given by the user: a DLL's settings file by
// the plug-in's rule, else the path itself; full, in the system code page.
std::string SettingsPathFor(const std::string& given);

