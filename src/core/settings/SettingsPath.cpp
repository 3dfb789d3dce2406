#include "SettingsPath.h"

#include <algorithm>

bool DeriveSettingsPath(std::string_view libraryPath, SettingsPathBuffer& settingsPath) {
  // Not substr, whose bounds check would bring an exception into the DLL.
  libraryPath = std::string_view(libraryPath.data(), std::min(libraryPath.find('\0'), libraryPath.size()));
  const std::size_t stemLength = SettingsStemLength(libraryPath);
  if (libraryPath.empty() || stemLength + SettingsExtension.size() > SettingsPathCapacity) {
    settingsPath[0] = '\0';
    return false;
  }
  char* end = std::copy_n(libraryPath.data(), stemLength, settingsPath.data());
  end = std::copy(SettingsExtension.begin(), SettingsExtension.end(), end);
  *end = '\0';
  return true;
}
