#include "SettingsRewrite.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "BackupName.h"
#include "Handle.h"
#include "Paths.h"
#include "Text.h"
#include "WideDecimal.h"

namespace {

RewriteOutcome Failed(RewriteFailure failure, DWORD error = 0) {
  RewriteOutcome outcome;
  outcome.failure = failure;
  outcome.error = error;
  if (error != 0) outcome.errorText = SystemMessageUtf8(error);
  return outcome;
}

RewriteOutcome OpenFailed(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return Failed(RewriteFailure::Gone);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return Failed(RewriteFailure::HeldOpen, error);
    case ERROR_ACCESS_DENIED:
      return Failed(RewriteFailure::AccessDenied, error);
    default:
      return Failed(RewriteFailure::CannotOpen, error);
  }
}

// The path the file system resolves an open handle to, as a user reads it;
// "" when it cannot tell.
std::wstring FinalPath(HANDLE handle) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return ReadablePath(path);
    }
    path.resize(length);
  }
}

// Where the name leads when it is a link of any kind: a reparse point (a
// symbolic link, a junction), or a name whose file really lies elsewhere
// (what a link the system follows by itself looks like): its real path then
// differs from its folder's real path with its own name.
std::optional<std::wstring> LinkTarget(const std::wstring& path, HANDLE held, DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    const FileHandle followed(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    const std::wstring target = followed.Valid() ? FinalPath(followed.Get()) : std::wstring();
    return target.empty() ? ReadablePath(path) : target;
  }
  const FileHandle folder(CreateFileW(ExtendedLengthPath(FolderOf(path)).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileW(path.c_str(), &found));
  if (!folder.Valid() || !search.Valid()) return std::nullopt;
  const std::wstring real = FinalPath(held);
  const std::wstring folderReal = FinalPath(folder.Get());
  if (real.empty() || folderReal.empty() || SamePath(real, JoinPath(folderReal, found.cFileName))) return std::nullopt;
  return real;
}

// The file held with `access`, sharing reading alone: no other program may
// write, rename or delete it meanwhile.
HANDLE OpenHeld(const std::wstring& path, DWORD access) {
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// Whether the held file holds exactly `checked`.
bool Holds(HANDLE file, std::string_view checked) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size) || static_cast<std::uint64_t>(size.QuadPart) != checked.size()) return false;
  std::string now(checked.size(), '\0');
  std::size_t done = 0;
  while (done < now.size()) {
    DWORD read = 0;
    const auto want = static_cast<DWORD>(std::min<std::size_t>(now.size() - done, 1u << 24));
    if (!ReadFile(file, now.data() + done, want, &read, nullptr) || read == 0) return false;
    done += read;
  }
  return now == checked;
}

// A rename of the held file that never replaces a file. The new name goes
// over as a full path in the system's own form ("\??\C:\..."): Windows would
// take a bare name as one in the file's folder, but Wine as one in the
// current folder. The buffer is made before the first rename, with room for
// the longest path, so that nothing is allocated while the original bears
// another name.
class HeldRename {
 public:
  explicit HeldRename(std::size_t longestPath)
      : buffer_(sizeof(FILE_RENAME_INFO) + (longestPath + NtPrefix.size() + 1) * sizeof(wchar_t)) {}

  // `path`: full, in the extended form ("\\?\C:\...") or not.
  bool To(HANDLE held, std::wstring_view path) {
    if (path.starts_with(L"\\\\?\\")) path.remove_prefix(4);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer_.data());
    *info = FILE_RENAME_INFO{};
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>((NtPrefix.size() + path.size()) * sizeof(wchar_t));
    wchar_t* const name = info->FileName;
    std::copy(NtPrefix.begin(), NtPrefix.end(), name);
    std::copy(path.begin(), path.end(), name + NtPrefix.size());
    name[NtPrefix.size() + path.size()] = L'\0';
    return SetFileInformationByHandle(held, FileRenameInfo, info, static_cast<DWORD>(buffer_.size())) != FALSE;
  }

 private:
  static constexpr std::wstring_view NtPrefix = L"\\??\\";
  std::vector<char> buffer_;
};

// A new file beside `path` holding `bytes`, flushed to the disk, with the
// original's attributes and creation time; its path in `newPath`.
RewriteOutcome WriteBeside(const std::wstring& path, const BY_HANDLE_FILE_INFORMATION& original,
                           std::string_view bytes, std::wstring& newPath) {
  constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  const DWORD attributes = (original.dwFileAttributes & kept) != 0 ? original.dwFileAttributes & kept
                                                                   : FILE_ATTRIBUTE_NORMAL;
  FileHandle file;
  for (int number = 1; number <= MostBackupNumber && !file.Valid(); ++number) {
    newPath = path + L".new" + (number > 1 ? WideDecimal(static_cast<std::uint32_t>(number)) : std::wstring());
    file = FileHandle(CreateFileW(newPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr));
    const DWORD error = GetLastError();
    if (!file.Valid() && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
      newPath.clear();
      return Failed(RewriteFailure::CannotCreateNew, error);
    }
  }
  if (!file.Valid()) {
    newPath.clear();
    return Failed(RewriteFailure::CannotCreateNew, ERROR_FILE_EXISTS);
  }
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 24));
    if (!WriteFile(file.Get(), bytes.data(), want, &written, nullptr)) {
      return Failed(RewriteFailure::CannotWriteNew, GetLastError());
    }
    if (written == 0) return Failed(RewriteFailure::CannotWriteNew, ERROR_WRITE_FAULT);
    bytes.remove_prefix(written);
  }
  SetFileTime(file.Get(), &original.ftCreationTime, nullptr, nullptr);
  if (!FlushFileBuffers(file.Get()) || !file.Close()) return Failed(RewriteFailure::CannotWriteNew, GetLastError());
  return {};
}

}  // namespace

RewriteOutcome RewriteSettingsFile(const std::wstring& path, std::string_view checked, std::string_view corrected,
                                   RewriteWatch watch, void* context) {
  const auto look = [&](RewriteStep step) {
    if (watch != nullptr) watch(step, context);
  };
  const std::wstring target = ExtendedLengthPath(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return OpenFailed(GetLastError());
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Failed(RewriteFailure::BecameFolder);
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return Failed(RewriteFailure::ReadOnly);

  // Held against writers, renamers and deleters while the new file is
  // made; the link itself, should the name be one. Readers may still read it.
  FileHandle held(OpenHeld(target, GENERIC_READ));
  if (!held.Valid()) return OpenFailed(GetLastError());
  BY_HANDLE_FILE_INFORMATION information;
  if (!GetFileInformationByHandle(held.Get(), &information)) return Failed(RewriteFailure::CannotOpen, GetLastError());
  if ((information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Failed(RewriteFailure::BecameFolder);
  if (const std::optional<std::wstring> link = LinkTarget(target, held.Get(), information.dwFileAttributes)) {
    RewriteOutcome outcome = Failed(RewriteFailure::IsLink);
    outcome.linkTarget = WideToUtf8(*link);
    return outcome;
  }
  if (information.nNumberOfLinks > 1) {
    RewriteOutcome outcome = Failed(RewriteFailure::HardLinks);
    outcome.linkCount = information.nNumberOfLinks;
    return outcome;
  }
  look(RewriteStep::Held);
  if (!Holds(held.Get(), checked)) return Failed(RewriteFailure::ChangedSinceCheck);

  std::wstring newPath;
  RewriteOutcome outcome = WriteBeside(target, information, corrected, newPath);
  if (outcome.failure != RewriteFailure::None) {
    if (!newPath.empty()) DeleteFileW(newPath.c_str());
    return outcome;
  }
  // To rename it, the file is held with DELETE access as well, which keeps
  // out every reader that does not share deleting (the plug-in among them):
  // only for the renames, not for the write and flush above. In the moment
  // between the two holds another program may take it; the content, and
  // that it is the same file, are compared again.
  held.Close();
  held = FileHandle(OpenHeld(target, GENERIC_READ | DELETE));
  if (!held.Valid()) {
    const DWORD error = GetLastError();
    DeleteFileW(newPath.c_str());
    return OpenFailed(error);
  }
  BY_HANDLE_FILE_INFORMATION again;
  if (!GetFileInformationByHandle(held.Get(), &again) || again.nFileIndexHigh != information.nFileIndexHigh ||
      again.nFileIndexLow != information.nFileIndexLow ||
      again.dwVolumeSerialNumber != information.dwVolumeSerialNumber || !Holds(held.Get(), checked)) {
    DeleteFileW(newPath.c_str());
    return Failed(RewriteFailure::ChangedSinceCheck);
  }
  look(RewriteStep::BeforeBackup);

  const std::wstring name = NameOf(target);
  HeldRename rename(JoinPath(FolderOf(target), BackupName(name, MostBackupNumber)).size());
  std::wstring backupPath;
  bool kept = false;
  for (int number = 1; number <= MostBackupNumber && !kept; ++number) {
    const std::wstring backupName = BackupName(name, number);
    backupPath = JoinPath(FolderOf(target), backupName);
    kept = rename.To(held.Get(), backupPath);
    const DWORD error = GetLastError();
    if (!kept && error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
      DeleteFileW(newPath.c_str());
      return Failed(RewriteFailure::CannotKeepOriginal, error);
    }
  }
  if (!kept) {
    DeleteFileW(newPath.c_str());
    return Failed(RewriteFailure::NoBackupName);
  }
  look(RewriteStep::BeforePutInPlace);
  if (!MoveFileExW(newPath.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    if (rename.To(held.Get(), target)) {
      DeleteFileW(newPath.c_str());
      return Failed(RewriteFailure::CannotPutInPlace, error);
    }
    outcome = Failed(RewriteFailure::OriginalUnderBackup, error);
    outcome.newPath = WideToUtf8(ReadablePath(newPath));
  }
  outcome.backupPath = WideToUtf8(ReadablePath(backupPath));
  return outcome;
}

RewriteOutcome RenameToSettingsFile(const std::wstring& lookAlike, const std::wstring& settingsPath) {
  if (!MoveFileExW(ExtendedLengthPath(lookAlike).c_str(), ExtendedLengthPath(settingsPath).c_str(),
                   MOVEFILE_WRITE_THROUGH)) {
    return Failed(RewriteFailure::CannotRename, GetLastError());
  }
  RewriteOutcome outcome;
  outcome.renamedFrom = WideToUtf8(NameOf(lookAlike));
  return outcome;
}

bool EncodeInSystemCodePage(std::u16string_view text, std::string& ansi) {
  const std::optional<std::string> bytes =
      WideToCodePage(std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size()), CP_ACP);
  if (!bytes) return false;
  ansi += *bytes;
  return true;
}
