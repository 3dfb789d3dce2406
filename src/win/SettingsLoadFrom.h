#pragma once
// The one reading of a settings file behind both LoadSettingsFile overloads
// (SettingsLoad.h): the plug-in's with a path in the system code page, the
// settings check's with a wide one. Each overload lives in a file of its own,
// so that Tollimer.dll links the first alone and imports no wide function.
#include <windows.h>

#include <limits>
#include <type_traits>

#include "Handle.h"
#include "SettingsLoad.h"
#include "SettingsOpenError.h"
#include "SystemMessage.h"

namespace settings_load {

inline HANDLE FindFirst(const char* path, WIN32_FIND_DATAA* found) { return FindFirstFileA(path, found); }
inline HANDLE FindFirst(const wchar_t* path, WIN32_FIND_DATAW* found) { return FindFirstFileW(path, found); }

inline HANDLE OpenForReading(const char* path) {
  return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}
inline HANDLE OpenForReading(const wchar_t* path) {
  return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Whether the path names a file the plug-in reads at all: Read when it does,
// otherwise why not (`error`: the search's error, for Unreachable).
template <typename Char>
SettingsLoadOutcome FindUsableFile(const Char* path, DWORD& error) {
  std::conditional_t<std::is_same_v<Char, char>, WIN32_FIND_DATAA, WIN32_FIND_DATAW> found;
  const FindHandle search(FindFirst(path, &found));
  if (!search.Valid()) {
    error = GetLastError();
    const bool nothing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES;
    return nothing ? SettingsLoadOutcome::NotFound : SettingsLoadOutcome::Unreachable;
  }
  if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return SettingsLoadOutcome::Directory;
  // A time outside 1980..2107 has no MS-DOS form; such a file is passed over.
  // Windows refuses later years in FileTimeToDosDateTime, but Wine wraps them
  // into the 1980s, so the year is checked here as well.
  FILETIME local;
  WORD dosDate = 0;
  WORD dosTime = 0;
  SYSTEMTIME localTime;
  const bool dosTimeExists = FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) &&
                             FileTimeToDosDateTime(&local, &dosDate, &dosTime) &&
                             FileTimeToSystemTime(&local, &localTime) && localTime.wYear <= 2107;
  return dosTimeExists ? SettingsLoadOutcome::Read : SettingsLoadOutcome::TimeOutOfRange;
}

// Gathers what the plug-in's message names: the file's full path and the
// system's text for the error.
inline std::size_t WriteOpenError(const char* path, DWORD error, SettingsLoad::MessageBuffer& message) {
  std::array<char, MAX_PATH * 2> fullPath{};
  const DWORD length = GetFullPathNameA(path, static_cast<DWORD>(fullPath.size()), fullPath.data(), nullptr);
  const std::string_view shownPath =
      length > 0 && length < fullPath.size() ? std::string_view(fullPath.data(), length) : std::string_view(path);
  std::array<char, 512> systemText{};
  const std::size_t textLength = SystemMessageA(error, systemText.data(), systemText.size());
  return FormatOpenError(shownPath, std::string_view(systemText.data(), textLength), error, message);
}

inline void FreeBytes(char* bytes) {
  if (bytes != nullptr) HeapFree(GetProcessHeap(), 0, bytes);
}

}  // namespace settings_load

// Inlined, so that the plug-in's reading, which has no limit, has no
// comparison with one either.
template <typename Char>
[[gnu::always_inline]] inline SettingsLoad LoadSettingsFileFrom(const Char* path, std::uint64_t mostBytes) {
  using namespace settings_load;
  SettingsLoad load;
  if (path == nullptr || path[0] == Char(0)) return load;
  DWORD searchError = 0;
  load.outcome_ = FindUsableFile(path, searchError);
  if (load.outcome_ == SettingsLoadOutcome::Unreachable) load.errorCode_ = searchError;
  if (load.outcome_ != SettingsLoadOutcome::Read) return load;

  const FileHandle file(OpenForReading(path));
  if (!file.Valid()) {
    load.outcome_ = SettingsLoadOutcome::OpenFailed;
    load.errorCode_ = GetLastError();
    if constexpr (std::is_same_v<Char, char>) {
      load.systemTextOffset_ = WriteOpenError(path, load.errorCode_, load.openError_);
    }
    return load;
  }

  // ReadFile takes a 32-bit count; a file that large could not be held by a
  // 32-bit process anyway.
  load.outcome_ = SettingsLoadOutcome::ReadFailed;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size)) return load;
  load.fileSize_ = static_cast<std::uint64_t>(size.QuadPart);
  if (load.fileSize_ > mostBytes) {
    load.outcome_ = SettingsLoadOutcome::TooLarge;
    return load;
  }
  if (load.fileSize_ > 0x7FFFFFFF) return load;
  if (load.fileSize_ == 0) {
    load.outcome_ = SettingsLoadOutcome::Empty;
    return load;
  }
  const auto byteCount = static_cast<DWORD>(load.fileSize_);
  load.bytes_ = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, byteCount));
  if (load.bytes_ == nullptr) return load;

  // One read of the whole file. A short read is not retried; only the bytes
  // actually read are parsed.
  DWORD bytesRead = 0;
  if (!ReadFile(file.Get(), load.bytes_, byteCount, &bytesRead, nullptr)) return load;
  load.outcome_ = bytesRead == 0 ? SettingsLoadOutcome::Empty : SettingsLoadOutcome::Read;
  load.byteCount_ = bytesRead;
  load.file_ = SettingsFile(std::string_view(load.bytes_, bytesRead));
  return load;
}
