#pragma once
// The settings check's look at one file on disk, through the plug-in's eyes:
// which DLL the file belongs to and whether it stands beside it; the path
// that DLL derives from its own (PluginSettingsPath.h), and so whether the
// plug-in reads this file, another one, or none; then the file read with the
// plug-in's own LoadSettingsFile (by the plug-in's ANSI path where it reads
// this file, else by the wide path with the same rules), and the diagnosis of
// the bytes read. Windows only.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CheckReport.h"
#include "SettingsLoad.h"

// The check examines files up to this size: a settings file holds a few
// short lines, and looking for corrections keeps several copies of the file
// in memory. Of a larger file it reports only the values the plug-in finds.
inline constexpr std::uint64_t MostBytesExamined = 16 * 1024 * 1024;

struct SettingsCheck {
  std::wstring path;  // full, as a user reads it
  SettingsLoad load;  // owns the bytes that facts.diagnosis points into
  // Of a file too large to examine, the value texts the plug-in finds, which
  // facts.diagnosis points into (on the heap: they stay put when this moves).
  std::unique_ptr<std::array<std::string, PluginSettings.size()>> largeFileTexts;
  std::vector<std::wstring> lookAlikes;  // full paths of facts.lookAlikes
  CheckFacts facts;
};

// `settingsPath`: a full path (SettingsPathFor).
SettingsCheck CheckSettingsFile(const std::wstring& settingsPath);

// The settings file meant by what the user gave: a folder's (the product's
// DLL's settings file in it), a DLL's (by the plug-in's rule), or the file
// itself; a full path.
std::wstring SettingsPathFor(std::wstring given);

// The settings file of the product's DLL beside this program.
std::wstring DefaultSettingsPath();
