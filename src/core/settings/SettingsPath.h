#pragma once
// Where the settings file lies: beside the library, named like it with the
// extension ".ini". Portable: no Windows headers.
#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t SettingsPathCapacity = 263;  // characters, a NUL follows
using SettingsPathBuffer = std::array<char, SettingsPathCapacity + 1>;

inline constexpr std::string_view SettingsExtension = ".ini";

// Where the settings path's stem ends: at the last "." of the whole path,
// which is replaced by ".ini" with everything after it, or at the path's
// end, where ".ini" is appended. The "." may lie in a directory name
// ("C:\Host.old\PlugIns\Tollimer" gives "C:\Host.ini"): that is how the
// plug-in has always found its file, and users' files sit where it looks.
template <typename Char>
constexpr std::size_t SettingsStemLength(std::basic_string_view<Char> libraryPath) {
  const std::size_t lastDot = libraryPath.rfind(Char('.'));
  return lastDot == std::basic_string_view<Char>::npos ? libraryPath.size() : lastDot;
}

// Writes the settings path for the library at libraryPath, NUL-terminated.
// False (and an empty path, so that no file is read) when it would not fit,
// or when there is no library path: ".ini" alone would name some unrelated
// file in whatever folder is current. The path ends at its first NUL, so a
// whole character buffer may be passed.
bool DeriveSettingsPath(std::string_view libraryPath, SettingsPathBuffer& settingsPath);

// Why a library gets no settings path from its own path.
enum class LibraryPathProblem {
  None,           // it has one
  NoPath,         // the system gave no path
  TooLong,        // the path does not fit the plug-in's buffers
  NotInCodePage,  // the path holds characters the system code page lacks
};
