#include "SettingsPath.h"

#include <algorithm>

bool DeriveSettingsPath(std::string_view libraryPath, SettingsPathBuffer& settingsPath) {
  constexpr std::string_view extension = ".ini";
  std::size_t stemLength = std::min(libraryPath.find('\0'), libraryPath.size());
  const std::size_t lastDot = std::string_view(libraryPath.data(), stemLength).rfind('.');
  if (lastDot != std::string_view::npos) stemLength = lastDot;

  if (stemLength + extension.size() > SettingsPathCapacity) {
    settingsPath[0] = '\0';
    return false;
  }
  char* end = std::copy_n(libraryPath.data(), stemLength, settingsPath.data());
  end = std::copy(extension.begin(), extension.end(), end);
  *end = '\0';
  return true;
}
