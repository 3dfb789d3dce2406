#pragma once
// Where the settings file lies: beside the library, named like it with the
// extension ".ini". Portable: no Windows headers.
#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t SettingsPathCapacity = 263;  // characters, a NUL follows
using SettingsPathBuffer = std::array<char, SettingsPathCapacity + 1>;

// Writes the settings path for the library at libraryPath, NUL-terminated.
// False (and an empty path, so that no file is read) when it would not fit,
// or when there is no library path: ".ini" alone would name some unrelated
// file in whatever folder is current.
//
// The last "." of the whole path and everything after it become ".ini"; with
// no "." at all, ".ini" is appended. The "." may lie in a directory name
// ("C:\Host.old\PlugIns\Tollimer" gives "C:\Host.ini"): that is how the
// plug-in has always found its file, and users' files sit where it looks.
// The path ends at its first NUL, so a whole character buffer may be passed.
bool DeriveSettingsPath(std::string_view libraryPath, SettingsPathBuffer& settingsPath);

// The settings path for what GetModuleFileNameA reported at library load:
// `written` characters of the library's path in `buffer`. 0 (the call failed)
// and a full buffer (the path was cut short and names some other file) give
// no settings file, as DeriveSettingsPath does for no path: the plug-in then
// runs on its defaults. Runs once, at library load.
bool DeriveSettingsPathFromModule(std::string_view buffer, std::size_t written, SettingsPathBuffer& settingsPath);
