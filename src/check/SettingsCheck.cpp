#include "SettingsCheck.h"

#include <windows.h>

#include <array>
#include <set>

#include "Handle.h"
#include "LookAlikeName.h"
#include "Paths.h"
#include "PluginSettingsPath.h"
#include "PluginSettings.h"
#include "ProductIdentity.h"
#include "ScheduleSimulation.h"
#include "SettingsInteger.h"
#include "Text.h"

namespace {

std::wstring SettingsPathOfLibrary(std::wstring_view library) {
  return std::wstring(library.substr(0, SettingsStemLength(library))) + std::wstring(SettingsExtension.begin(), SettingsExtension.end());
}

std::wstring ProductDllName() { return Utf8ToWide(ProductDllFileName); }

DWORD AttributesOf(const std::wstring& fullPath) {
  return GetFileAttributesW(ExtendedLengthPath(fullPath).c_str());
}

bool IsFile(const std::wstring& fullPath) {
  const DWORD attributes = AttributesOf(fullPath);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsFolder(const std::wstring& fullPath) {
  const DWORD attributes = AttributesOf(fullPath);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Whether nothing answers to the path itself. FindFirstFile, which the
// plug-in's loader uses, would take "*" and "?" as a pattern and find other
// files; the plug-in never derives such a path, but a user may type one.
bool NothingThere(const std::wstring& fullPath) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExW(ExtendedLengthPath(fullPath).c_str(), GetFileExInfoStandard, &data)) return false;
  return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_INVALID_NAME;
}

// The DLL a settings file belongs to: the one named like it, which reads it
// by the plug-in's own rule ("Tollimer-test.ini" is Tollimer-test.dll's), or
// else the product's DLL in the same folder.
std::wstring OwningDll(const std::wstring& settingsPath) {
  const std::wstring name = NameOf(settingsPath);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) {
    const std::wstring namedLikeIt = JoinPath(FolderOf(settingsPath), name.substr(0, dot) + L".dll");
    if (SamePath(SettingsPathOfLibrary(namedLikeIt), settingsPath)) return namedLikeIt;
  }
  return JoinPath(FolderOf(settingsPath), ProductDllName());
}

// The characters of `text` that the system code page lacks, each once.
std::string CharactersNotInCodePage(std::wstring_view text) {
  std::wstring missing;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t length = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() ? 2 : 1;
    const std::wstring_view character = text.substr(i, length);
    if (!WideToCodePage(character, CP_ACP) && missing.find(character) == std::wstring::npos) missing += character;
    i += length - 1;
  }
  return WideToUtf8(missing);
}

// What the DLL beside the file makes of its own path, and whether the
// settings path it gets names this file. `ansiPath` receives that path.
void LookThroughTheDll(const std::wstring& dll, const std::wstring& settingsPath, CheckFacts& facts,
                       SettingsPathBuffer& ansiPath) {
  facts.dllPathProblem = DerivePluginSettingsPath(dll, ansiPath);
  switch (facts.dllPathProblem) {
    case LibraryPathProblem::None: {
      const std::wstring read = CodePageToWide(ansiPath.data(), CP_ACP);
      facts.readByDllBeside = SamePath(read, settingsPath);
      if (!facts.readByDllBeside) facts.fileReadInstead = WideToUtf8(read);
      break;
    }
    case LibraryPathProblem::TooLong:
      facts.dllPathBytes = static_cast<std::uint64_t>(
          WideCharToMultiByte(CP_ACP, 0, dll.data(), static_cast<int>(dll.size()), nullptr, 0, nullptr, nullptr));
      facts.dllPathMostBytes = MAX_PATH - 1;
      break;
    case LibraryPathProblem::NotInCodePage:
      facts.missingCharacters = CharactersNotInCodePage(dll);
      break;
    case LibraryPathProblem::NoPath:
      break;
  }
}

// The values the plug-in's lookup finds in a file too large to examine,
// read through a view of the file: no line numbers, no findings. The texts
// are kept in `texts`, which the diagnosis's values then point into.
bool ReadValuesOfLargeFile(const std::wstring& settingsPath, SettingsDiagnosis& diagnosis,
                           std::array<std::string, PluginSettings.size()>& texts) {
  const FileHandle file(CreateFileW(ExtendedLengthPath(settingsPath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) return false;
  const FileHandle mapping(CreateFileMappingW(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping.Valid()) return false;
  const void* view = MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0);
  if (view == nullptr) return false;
  const SettingsFile settings(std::string_view(static_cast<const char*>(view), static_cast<std::size_t>(size.QuadPart)));
  std::array<std::string_view, PluginSettings.size()> keys{};
  std::array<std::string_view, PluginSettings.size()> found{};
  for (std::size_t i = 0; i < PluginSettings.size(); ++i) keys[i] = PluginSettings[i].key;
  settings.LookupTexts(PluginSettings[0].section, keys, found);
  for (std::size_t i = 0; i < PluginSettings.size(); ++i) texts[i] = std::string(found[i]);
  UnmapViewOfFile(view);
  for (std::size_t i = 0; i < PluginSettings.size(); ++i) {
    SettingValue& value = diagnosis.values[i];
    value.setting = &PluginSettings[i];
    value.text = texts[i];
    value.value = ParseSettingsInteger(texts[i], PluginSettings[i].fallback);
    const bool number = ParseSettingsInteger(texts[i], 0) == ParseSettingsInteger(texts[i], 1);
    value.source = number ? ValueSource::File : ValueSource::Default;
    value.reason = number ? DefaultReason::None : DefaultReason::NoContent;
  }
  return true;
}

// The files beside `settingsPath` a user takes for it (LookAlikeName.h).
std::vector<std::wstring> LookAlikesOf(const std::wstring& settingsPath) {
  std::vector<std::wstring> found;
  WIN32_FIND_DATAW entry;
  const FindHandle search(FindFirstFileW(ExtendedLengthPath(JoinPath(FolderOf(settingsPath), L"*")).c_str(), &entry));
  if (!search.Valid()) return found;
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsLookAlikeOf(entry.cFileName, NameOf(settingsPath))) {
      found.push_back(JoinPath(FolderOf(settingsPath), entry.cFileName));
    }
  } while (FindNextFileW(search.Get(), &entry));
  return found;
}

// Where the file lies, to the host: in its plug-ins folder, or in an
// unpacked package (beside the package's read-mes).
void LookAtTheFolder(const std::wstring& settingsPath, CheckFacts& facts) {
  const std::wstring folder = FolderOf(settingsPath);
  facts.inHostFolder = SamePath(NameOf(folder), Utf8ToWide(HostPlugInsFolder));
  for (const std::string_view readMe : PackageReadMes) {
    if (IsFile(JoinPath(folder, Utf8ToWide(readMe)))) facts.inPackageFolder = true;
  }
}

// Windows' timer limits as the portable simulation models them.
static_assert(WindowsTimerLeastMs == USER_TIMER_MINIMUM && WindowsTimerMostMs == USER_TIMER_MAXIMUM);

}  // namespace

std::wstring SettingsPathFor(std::wstring given) {
  // "C:\...\PlugIns\" in quotes reaches the program as C:\...\PlugIns" by
  // Windows' own rules, the backslash escaping the quote; no file name holds
  // a quote, so it is the folder that was meant.
  if (given.ends_with(L'"')) given.back() = L'\\';
  const std::wstring full = FullPathOf(given);
  if (full.empty()) return given;
  if (EndsWithSeparator(given) || IsFolder(full)) {
    return JoinPath(full, SettingsPathOfLibrary(ProductDllName()));
  }
  return EndsWithIgnoringCase(full, L".dll") ? SettingsPathOfLibrary(full) : full;
}

std::wstring DefaultSettingsPath() {
  return SettingsPathOfLibrary(JoinPath(FolderOf(ProgramPath()), ProductDllName()));
}

SettingsCheck CheckSettingsFile(const std::wstring& settingsPath) {
  SettingsCheck check;
  check.path = ReadablePath(settingsPath);
  CheckFacts& facts = check.facts;
  facts.checkedPath = WideToUtf8(check.path);
  const std::wstring dll = OwningDll(check.path);
  facts.dllFileName = WideToUtf8(NameOf(dll));
  facts.dllBeside = IsFile(dll);
  LookAtTheFolder(check.path, facts);
  SettingsPathBuffer ansiPath{};
  if (facts.dllBeside) LookThroughTheDll(ReadablePath(dll), check.path, facts, ansiPath);

  if (NothingThere(check.path)) {
    facts.outcome = SettingsLoadOutcome::NotFound;
  } else {
    // Where the plug-in reads this file, the check reads it as the plug-in
    // does, by the plug-in's own path; else by its own.
    check.load = facts.readByDllBeside ? LoadSettingsFile(ansiPath.data(), MostBytesExamined)
                                       : LoadSettingsFile(ExtendedLengthPath(check.path).c_str(), MostBytesExamined);
    facts.outcome = check.load.Outcome();
  }
  facts.openErrorCode = check.load.ErrorCode();
  // A folder that is not there, or not reachable (a network share), is told
  // apart from a file that is not there; Wine's search does not tell them.
  const std::wstring folder = FolderOf(check.path);
  if (facts.outcome == SettingsLoadOutcome::NotFound && !folder.empty() &&
      GetFileAttributesW(ExtendedLengthPath(folder).c_str()) == INVALID_FILE_ATTRIBUTES) {
    facts.outcome = SettingsLoadOutcome::Unreachable;
    facts.openErrorCode = GetLastError();
  }
  if (facts.openErrorCode != 0) facts.openErrorText = SystemMessageUtf8(facts.openErrorCode);
  if (facts.outcome == SettingsLoadOutcome::NotFound) {
    check.lookAlikes = LookAlikesOf(check.path);
    for (const std::wstring& path : check.lookAlikes) facts.lookAlikes.push_back(WideToUtf8(NameOf(path)));
  }
  facts.decode = [](std::string_view bytes) { return CodePageToUtf8(bytes, CP_ACP); };
  facts.diagnosis = DiagnoseSettings(check.load.Bytes(), GetACP());
  if (facts.outcome == SettingsLoadOutcome::TooLarge) {
    facts.fileSize = check.load.FileSize();
    facts.mostBytesExamined = MostBytesExamined;
    check.largeFileTexts = std::make_unique<std::array<std::string, PluginSettings.size()>>();
    if (!ReadValuesOfLargeFile(check.path, facts.diagnosis, *check.largeFileTexts)) {
      facts.outcome = SettingsLoadOutcome::ReadFailed;
    }
  }
  return check;
}
