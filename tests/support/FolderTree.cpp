#include "FolderTree.h"

#include <windows.h>

#include <stdexcept>

#include "MachineSpeed.h"

namespace {

std::wstring FinalPathOf(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  wchar_t final[4096] = {};
  const DWORD length = GetFinalPathNameByHandleW(file, final, 4096, FILE_NAME_NORMALIZED);
  CloseHandle(file);
  std::wstring result(final, length < 4096 ? length : 0);
  if (result.starts_with(L"\\\\?\\")) result.erase(0, 4);
  return result;
}

void Fail(const std::string& what, const std::wstring& path) {
  throw std::runtime_error(what + " " + Utf8(path) + ", error " + std::to_string(GetLastError()));
}

}  // namespace

std::wstring Widen(std::string_view ansi) {
  std::wstring wide(ansi.size(), L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                                         static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  std::string utf8(wide.size() * 3, '\0');
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, nullptr);
  utf8.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return utf8;
}

std::wstring FolderTree::PathOf(std::wstring_view relative) const {
  return relative.empty() ? root_ : root_ + L"\\" + std::wstring(relative);
}

std::wstring FolderTree::Extended(std::wstring_view relative) const { return L"\\\\?\\" + PathOf(relative); }

void FolderTree::Folder(std::wstring_view relative) const {
  for (std::size_t slash = relative.find(L'\\'); ; slash = relative.find(L'\\', slash + 1)) {
    const std::wstring path = Extended(relative.substr(0, slash));
    if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) Fail("cannot make", path);
    if (slash == std::wstring_view::npos) return;
  }
}

void FolderTree::Write(std::wstring_view relative, std::string_view bytes) const {
  const std::size_t slash = relative.rfind(L'\\');
  if (slash != std::wstring_view::npos) Folder(relative.substr(0, slash));
  const std::wstring path = Extended(relative);
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail("cannot write", path);
  DWORD written = 0;
  const BOOL wrote = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!wrote || written != bytes.size()) Fail("cannot write", path);
}

void FolderTree::Copy(std::wstring_view relative, const std::wstring& source) const {
  const std::size_t slash = relative.rfind(L'\\');
  if (slash != std::wstring_view::npos) Folder(relative.substr(0, slash));
  if (!CopyFileW(source.c_str(), Extended(relative).c_str(), FALSE)) Fail("cannot copy to", PathOf(relative));
}

// Wine 8 answers CreateSymbolicLinkW with success and makes nothing, but it
// shows a Unix symbolic link to Windows programs as the file it leads to: the
// kind of link a user of Wine has. So under Wine the link is made by the
// system's own ln, and the test waits until it is there.
void FolderTree::Link(std::wstring_view relative, std::wstring_view target) const {
  const std::size_t slash = relative.rfind(L'\\');
  if (slash != std::wstring_view::npos) Folder(relative.substr(0, slash));
  const std::wstring link = Extended(relative);
  if (CreateSymbolicLinkW(link.c_str(), PathOf(target).c_str(), 0) &&
      GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return;
  }
  using UnixName = char*(CDECL*)(const wchar_t*);
  const auto unixName =
      reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (unixName == nullptr) Fail("cannot link", PathOf(relative));
  char* const from = unixName(PathOf(target).c_str());
  char* const to = unixName(PathOf(relative).c_str());
  if (from == nullptr || to == nullptr) Fail("no Unix name for", PathOf(relative));
  std::wstring command = L"/bin/ln -s \"" + Widen(from) + L"\" \"" + Widen(to) + L"\"";
  HeapFree(GetProcessHeap(), 0, from);
  HeapFree(GetProcessHeap(), 0, to);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(L"Z:\\bin\\ln", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    Fail("cannot run ln for", PathOf(relative));
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // Wine does not wait for a Unix program: the link is there when it is.
  const DWORD until = GetTickCount() + ScaledMs(30'000);
  WIN32_FIND_DATAW found;
  for (;;) {
    const HANDLE search = FindFirstFileW(link.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      FindClose(search);
      return;
    }
    if (static_cast<int>(GetTickCount() - until) > 0) Fail("ln made no link", PathOf(relative));
    Sleep(10);
  }
}

void FolderTree::HardLink(std::wstring_view relative, std::wstring_view existing) const {
  if (!CreateHardLinkW(Extended(relative).c_str(), Extended(existing).c_str(), nullptr)) {
    Fail("cannot link", PathOf(relative));
  }
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

std::optional<std::string> FolderTree::Read(std::wstring_view relative) const { return ReadFileBytes(Extended(relative)); }

std::map<std::wstring, std::string> FolderTree::Snapshot() const {
  std::map<std::wstring, std::string> files;
  Walk(L"", files);
  return files;
}

void FolderTree::Walk(const std::wstring& relative, std::map<std::wstring, std::string>& files) const {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((Extended(relative) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      Walk(path, files);
      continue;
    }
    // A link, of whatever kind, is where its real path differs from its own.
    const std::wstring real = FinalPathOf(Extended(path));
    const std::wstring expected = FinalPathOf(Extended(relative)) + L"\\" + name;
    if (!real.empty() && CompareStringOrdinal(real.c_str(), -1, expected.c_str(), -1, TRUE) != CSTR_EQUAL) {
      const std::wstring root = FinalPathOf(Extended(L"")) + L"\\";
      files[path] = "-> " + Utf8(real.starts_with(root) ? real.substr(root.size()) : real);
    } else {
      files[path] = Read(path).value_or("<unreadable>");
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}
