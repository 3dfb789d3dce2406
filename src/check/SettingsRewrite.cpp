#include "SettingsRewrite.h"

#include <windows.h>

#include <array>

#include "BackupName.h"
#include "WindowsText.h"

namespace {

// Closes a file handle when it goes out of scope, keeping the thread's last
// error: it may still have to be reported.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  // False, with the error kept, when closing fails (a delayed write may).
  bool Close() {
    if (!Valid()) return true;
    const DWORD error = GetLastError();
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    if (closed) SetLastError(error);
    return closed;
  }

 private:
  HANDLE handle_;
};

std::wstring Wide(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
  return wide;
}

std::uint64_t Combined(DWORD high, DWORD low) { return std::uint64_t{high} << 32 | low; }

RewriteOutcome Failed(RewriteFailure failure, DWORD error) {
  RewriteOutcome outcome;
  outcome.failure = failure;
  outcome.error = error;
  std::array<char, 512> text{};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                      text.data(), static_cast<DWORD>(text.size()), nullptr);
  std::string_view message(text.data(), length);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.remove_suffix(1);
  }
  outcome.errorText = CodePageToUtf8(message, CP_ACP);
  return outcome;
}

bool Taken(const std::string& name) { return GetFileAttributesW(Wide(name).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Whether the file still holds what the check read, with the same size and time.
RewriteOutcome Reread(const std::wstring& path, const FileStamp& stamp, std::string_view checked) {
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return Failed(RewriteFailure::CannotReread, GetLastError());
  BY_HANDLE_FILE_INFORMATION information;
  if (!GetFileInformationByHandle(file.Get(), &information)) {
    return Failed(RewriteFailure::CannotReread, GetLastError());
  }
  const std::uint64_t size = Combined(information.nFileSizeHigh, information.nFileSizeLow);
  const std::uint64_t lastWrite =
      Combined(information.ftLastWriteTime.dwHighDateTime, information.ftLastWriteTime.dwLowDateTime);
  if (!stamp.taken || size != stamp.size || lastWrite != stamp.lastWrite || size != checked.size()) {
    return {RewriteFailure::ChangedSinceCheck, 0, {}, {}};
  }
  std::string now(checked.size(), '\0');
  DWORD read = 0;
  if (!now.empty() && !ReadFile(file.Get(), now.data(), static_cast<DWORD>(now.size()), &read, nullptr)) {
    return Failed(RewriteFailure::CannotReread, GetLastError());
  }
  if (read != now.size() || now != checked) return {RewriteFailure::ChangedSinceCheck, 0, {}, {}};
  return {};
}

// A new file in the folder of `path`, holding `bytes`, flushed to the disk.
RewriteOutcome WriteBeside(const std::wstring& path, std::string_view bytes, std::wstring& temp) {
  const std::size_t slash = path.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? L"." : path.substr(0, slash);
  std::array<wchar_t, MAX_PATH> name{};
  if (GetTempFileNameW(folder.c_str(), L"tlm", 0, name.data()) == 0) {
    return Failed(RewriteFailure::CannotCreateTemp, GetLastError());
  }
  temp = name.data();
  FileHandle file(
      CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return Failed(RewriteFailure::CannotCreateTemp, GetLastError());
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
      return Failed(RewriteFailure::CannotWriteTemp, GetLastError());
    }
    if (written == 0) return Failed(RewriteFailure::CannotWriteTemp, ERROR_WRITE_FAULT);
    bytes.remove_prefix(written);
  }
  if (!FlushFileBuffers(file.Get()) || !file.Close()) return Failed(RewriteFailure::CannotWriteTemp, GetLastError());
  return {};
}

}  // namespace

FileStamp StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return {};
  return {true, Combined(data.nFileSizeHigh, data.nFileSizeLow),
          Combined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

RewriteOutcome RewriteSettingsFile(const std::string& path, const FileStamp& stamp, std::string_view checked,
                                   std::string_view corrected) {
  const std::wstring widePath = Wide(path);
  const DWORD attributes = GetFileAttributesW(widePath.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Failed(RewriteFailure::CannotReread, GetLastError());
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return {RewriteFailure::ReadOnly, 0, {}, {}};

  RewriteOutcome outcome = Reread(widePath, stamp, checked);
  if (outcome.failure != RewriteFailure::None) return outcome;
  const std::string backup = BackupNameFor(path, Taken);
  if (backup.empty()) return {RewriteFailure::NoBackupName, 0, {}, {}};

  std::wstring temp;
  outcome = WriteBeside(widePath, corrected, temp);
  if (outcome.failure != RewriteFailure::None) {
    if (!temp.empty()) DeleteFileW(temp.c_str());
    return outcome;
  }
  // Read once more just before the replace: the new file took a moment.
  outcome = Reread(widePath, stamp, checked);
  if (outcome.failure != RewriteFailure::None) {
    DeleteFileW(temp.c_str());
    return outcome;
  }
  const std::wstring wideBackup = Wide(backup);
  if (!ReplaceFileW(widePath.c_str(), temp.c_str(), wideBackup.c_str(), 0, nullptr, nullptr)) {
    const DWORD error = GetLastError();
    // With this error the original already bears the backup's name: it
    // goes back to its own.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
      MoveFileExW(wideBackup.c_str(), widePath.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    DeleteFileW(temp.c_str());
    return Failed(RewriteFailure::CannotReplace, error);
  }
  outcome.backupPath = CodePageToUtf8(backup, CP_ACP);
  return outcome;
}

bool EncodeInSystemCodePage(std::u16string_view text, std::string& ansi) {
  if (text.empty()) return true;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  // Where the system code page is UTF-8, the default-character check is not
  // allowed; an invalid sequence fails instead.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* const defaultUse = utf8 ? nullptr : &usedDefault;
  const int size = WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr, defaultUse);
  if (size <= 0 || usedDefault) return false;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  const int written = WideCharToMultiByte(CP_ACP, flags, wide, length, bytes.data(), size, nullptr, defaultUse);
  if (written != size || usedDefault) return false;
  ansi += bytes;
  return true;
}
