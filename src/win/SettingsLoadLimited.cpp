#include "SettingsLoad.h"
#include "SettingsLoadFrom.h"

SettingsLoad LoadSettingsFile(const char* path, std::uint64_t mostBytes) {
  return LoadSettingsFileFrom(path, mostBytes);
}

SettingsLoad LoadSettingsFile(const wchar_t* path, std::uint64_t mostBytes) {
  return LoadSettingsFileFrom(path, mostBytes);
}
