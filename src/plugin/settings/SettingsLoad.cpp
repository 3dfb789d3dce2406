#include "SettingsLoad.h"

#include <windows.h>

#include <string_view>
#include <utility>

#include "SettingsOpenError.h"

namespace {

// Closes a search or file handle when it goes out of scope, keeping the
// thread's last error: it may still have to be reported.
template <BOOL(WINAPI* Close)(HANDLE)>
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() {
    if (!Valid()) return;
    const DWORD error = GetLastError();
    Close(handle_);
    SetLastError(error);
  }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

using FindHandle = ScopedHandle<FindClose>;
using FileHandle = ScopedHandle<CloseHandle>;

void FreeBytes(char* bytes) {
  if (bytes != nullptr) HeapFree(GetProcessHeap(), 0, bytes);
}

// Whether the path names a file the plug-in reads at all: Read when it does,
// otherwise why not.
SettingsLoadOutcome FindUsableFile(const char* path) {
  WIN32_FIND_DATAA found;
  const FindHandle search(FindFirstFileA(path, &found));
  if (!search.Valid()) return SettingsLoadOutcome::NotFound;
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

// Gathers what the message names: the file's full path and the system's
// text for the error.
std::size_t WriteOpenError(const char* path, DWORD error, SettingsLoad::MessageBuffer& message) {
  std::array<char, MAX_PATH * 2> fullPath{};
  const DWORD length = GetFullPathNameA(path, static_cast<DWORD>(fullPath.size()), fullPath.data(), nullptr);
  const std::string_view shownPath =
      length > 0 && length < fullPath.size() ? std::string_view(fullPath.data(), length) : std::string_view(path);
  std::array<char, 512> systemText{};
  const DWORD textLength = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                          0, systemText.data(), static_cast<DWORD>(systemText.size()), nullptr);
  return FormatOpenError(shownPath, std::string_view(systemText.data(), textLength), error, message);
}

}  // namespace

SettingsLoad::SettingsLoad(SettingsLoad&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)),
      byteCount_(std::exchange(other.byteCount_, 0)),
      file_(std::exchange(other.file_, SettingsFile())),
      openError_(other.openError_),
      outcome_(std::exchange(other.outcome_, SettingsLoadOutcome::NoPath)),
      openErrorCode_(std::exchange(other.openErrorCode_, 0)),
      systemTextOffset_(std::exchange(other.systemTextOffset_, 0)) {
  other.openError_[0] = '\0';
}

SettingsLoad& SettingsLoad::operator=(SettingsLoad&& other) noexcept {
  if (this != &other) {
    FreeBytes(bytes_);
    bytes_ = std::exchange(other.bytes_, nullptr);
    byteCount_ = std::exchange(other.byteCount_, 0);
    file_ = std::exchange(other.file_, SettingsFile());
    openError_ = other.openError_;
    other.openError_[0] = '\0';
    outcome_ = std::exchange(other.outcome_, SettingsLoadOutcome::NoPath);
    openErrorCode_ = std::exchange(other.openErrorCode_, 0);
    systemTextOffset_ = std::exchange(other.systemTextOffset_, 0);
  }
  return *this;
}

SettingsLoad::~SettingsLoad() { FreeBytes(bytes_); }

SettingsLoad LoadSettingsFile(const char* path) {
  SettingsLoad load;
  if (path == nullptr || path[0] == '\0') return load;
  load.outcome_ = FindUsableFile(path);
  if (load.outcome_ != SettingsLoadOutcome::Read) return load;

  const FileHandle file(
      CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    load.outcome_ = SettingsLoadOutcome::OpenFailed;
    load.openErrorCode_ = GetLastError();
    load.systemTextOffset_ = WriteOpenError(path, load.openErrorCode_, load.openError_);
    return load;
  }

  // ReadFile takes a 32-bit count; a file that large could not be held by a
  // 32-bit process anyway.
  load.outcome_ = SettingsLoadOutcome::ReadFailed;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) return load;
  if (size.QuadPart == 0) {
    load.outcome_ = SettingsLoadOutcome::Empty;
    return load;
  }
  const auto byteCount = static_cast<DWORD>(size.QuadPart);
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
