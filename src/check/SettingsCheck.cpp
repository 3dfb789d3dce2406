#include "SettingsCheck.h"

#include <windows.h>

#include "SettingsPath.h"
#include "WindowsText.h"

namespace {

std::string FullPath(const std::string& path) {
  char full[MAX_PATH * 2] = {};
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return length == 0 || length >= sizeof full ? path : std::string(full, length);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string DerivedSettingsPath(const std::string& dllPath) {
  SettingsPathBuffer buffer{};
  return DeriveSettingsPath(dllPath, buffer) ? std::string(buffer.data()) : std::string();
}

bool EndsWithDll(const std::string& path) {
  return path.size() >= 4 && lstrcmpiA(path.c_str() + path.size() - 4, ".dll") == 0;
}

}  // namespace

std::string SettingsPathFor(const std::string& given) {
  const std::string full = FullPath(given);
  return EndsWithDll(full) ? DerivedSettingsPath(full) : full;
}

SettingsCheck CheckSettingsFile(const std::string& settingsPath) {
  SettingsCheck check{LoadSettingsFile(settingsPath.c_str()), {}};
  CheckFacts& facts = check.facts;
  const std::string full = settingsPath.empty() ? settingsPath : FullPath(settingsPath);
  facts.checkedPath = CodePageToUtf8(full, CP_ACP);
  const std::string dllBeside = FolderOf(full) + "\\Tollimer.dll";
  facts.dllBeside = !full.empty() && IsFile(dllBeside);
  facts.readByDllBeside = facts.dllBeside && lstrcmpiA(DerivedSettingsPath(dllBeside).c_str(), full.c_str()) == 0;
  facts.outcome = check.load.Outcome();
  facts.openErrorCode = check.load.OpenErrorCode();
  facts.openErrorText = CodePageToUtf8(check.load.OpenErrorSystemText(), CP_ACP);
  facts.decode = [](std::string_view bytes) { return CodePageToUtf8(bytes, CP_ACP); };
  facts.diagnosis = DiagnoseSettings(check.load.Bytes());
  return check;
}
