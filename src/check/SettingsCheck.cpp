#include "SettingsCheck.h"

#include <windows.h>

#include "PluginSettings.h"
#include "ProductIdentity.h"
#include "ScheduleSimulation.h"
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

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Whether nothing answers to the path itself. FindFirstFileA, which the
// plug-in's loader uses, would take "*" and "?" as a pattern and find other
// files; the plug-in never derives such a path, but a user may type one.
bool NothingThere(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExW(Utf8ToWide(CodePageToUtf8(path, CP_ACP)).c_str(), GetFileExInfoStandard, &data)) {
    return false;
  }
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME;
}

std::string DerivedSettingsPath(const std::string& dllPath) {
  SettingsPathBuffer buffer{};
  return DeriveSettingsPath(dllPath, buffer) ? std::string(buffer.data()) : std::string();
}

bool EndsWithDll(const std::string& path) {
  return path.size() >= 4 && lstrcmpiA(path.c_str() + path.size() - 4, ".dll") == 0;
}

bool SamePath(const std::string& one, const std::string& other) { return lstrcmpiA(one.c_str(), other.c_str()) == 0; }

// The DLL a settings file belongs to: the one named like it, which reads it
// by the plug-in's own rule ("Tollimer-test.ini" is Tollimer-test.dll's), or
// else the product's DLL in the same folder.
std::string OwningDll(const std::string& settingsPath) {
  const std::size_t dot = settingsPath.find_last_of('.');
  const std::size_t slash = settingsPath.find_last_of("\\/");
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
    const std::string namedLikeIt = settingsPath.substr(0, dot) + ".dll";
    if (SamePath(DerivedSettingsPath(namedLikeIt), settingsPath)) return namedLikeIt;
  }
  return FolderOf(settingsPath) + "\\" + std::string(ProductDllFileName);
}

// Windows' timer limits as the portable simulation models them.
static_assert(WindowsTimerLeastMs == USER_TIMER_MINIMUM && WindowsTimerMostMs == USER_TIMER_MAXIMUM);

}  // namespace

std::string SettingsPathFor(const std::string& given) {
  const std::string full = FullPath(given);
  return EndsWithDll(full) ? DerivedSettingsPath(full) : full;
}

SettingsCheck CheckSettingsFile(const std::string& settingsPath) {
  const bool nothingThere = !settingsPath.empty() && NothingThere(settingsPath);
  SettingsCheck check{nothingThere ? SettingsLoad() : LoadSettingsFile(settingsPath.c_str()), {}};
  CheckFacts& facts = check.facts;
  const std::string full = settingsPath.empty() ? settingsPath : FullPath(settingsPath);
  facts.checkedPath = CodePageToUtf8(full, CP_ACP);
  const std::string dll = OwningDll(full);
  facts.dllFileName = CodePageToUtf8(NameOf(dll), CP_ACP);
  facts.dllBeside = !full.empty() && IsFile(dll);
  facts.readByDllBeside = facts.dllBeside && SamePath(DerivedSettingsPath(dll), full);
  facts.outcome = nothingThere ? SettingsLoadOutcome::NotFound : check.load.Outcome();
  facts.openErrorCode = check.load.OpenErrorCode();
  facts.openErrorText = CodePageToUtf8(check.load.OpenErrorSystemText(), CP_ACP);
  facts.decode = [](std::string_view bytes) { return CodePageToUtf8(bytes, CP_ACP); };
  facts.diagnosis = DiagnoseSettings(check.load.Bytes(), GetACP());
  return check;
}
