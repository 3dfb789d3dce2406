#pragma once
// Where Tollimer.dll looks for its settings: the path it derives at load from
// its own. The plug-in reads the file with the system's ANSI functions, so
// the path must reach them exactly as it is: in the system code page, with
// no character changed (best fit would turn the "é" of "café" into "e" and
// name another folder's file), and shorter than the MAX_PATH bytes that
// GetModuleFileNameA would hold. Otherwise the plug-in reads no settings file
// and runs on its defaults. The settings check asks the same function what
// the plug-in will find. Links into Tollimer.dll: no allocation.
#include <windows.h>

#include <string_view>

#include "SettingsPath.h"

// `modulePath`: the characters GetModuleFileNameW wrote into a buffer of
// MAX_PATH (MAX_PATH of them: cut short), or a library's full path of any
// length. Writes the settings path, or "" and the reason there is none.
LibraryPathProblem DerivePluginSettingsPath(std::wstring_view modulePath, SettingsPathBuffer& settingsPath);
