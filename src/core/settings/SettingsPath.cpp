#include "SettingsPath.h"

#include <algorithm>

bool DeriveSettingsPath(std::string_view libraryPath, SettingsPathBuffer& settingsPath) {
  constexpr std::string_view extension = ".ini";
  std::size_t stemLength = std::min(libraryPath.find('\0'), libraryPath.size());
  const bool noPath = stemLength == 0;
  const std::size_t lastDot = std::string_view(libraryPath.data(), stemLength).rfind('.');
  if (lastDot != std::string_view::npos) stemLength = lastDot;

  if (noPath || stemLength + extension.size() > SettingsPathCapacity) {
    settingsPath[0] = '\0';
    return false;
  }
  char* end = std::copy_n(libraryPath.data(), stemLength, settingsPath.data());
  end = std::copy(extension.begin(), extension.end(), end);
  *end = '\0';
  return true;
}

bool DeriveSettingsPathFromModule(std::string_view buffer, std::size_t written, SettingsPathBuffer& settingsPath) {
  const bool whole = written < buffer.size();
  return DeriveSettingsPath(std::string_view(buffer.data(), whole ? written : 0), settingsPath);
}
