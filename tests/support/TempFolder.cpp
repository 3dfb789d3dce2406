#include "TempFolder.h"

#include <windows.h>

#include <stdexcept>

#include "FolderTree.h"

namespace {

// Removes a folder and what it holds, as far as it can: a test may have left
// a file locked or read-only, and cleaning up must not fail the test. Wide
// and of any length: tests make names no code page holds, and long paths.
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      // A link to a folder goes, not what it leads to.
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
          (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileW(path.c_str())) RemoveDirectoryW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::TempFolder(std::string_view purpose, std::string_view inner) {
  static int instances = 0;
  char temp[MAX_PATH];
  if (GetTempPathA(MAX_PATH, temp) == 0) throw std::runtime_error("no temporary directory");
  const std::string stem =
      std::string(temp) + "tollimer-" + std::string(purpose) + "-" + std::to_string(GetCurrentProcessId()) + "-";
  // A test program ended before it could clean up (by a time limit) leaves
  // its folder, and a later program may get its process id: the next name.
  for (;;) {
    root_ = stem + std::to_string(++instances);
    if (CreateDirectoryA(root_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + root_);
  }
  path_ = inner.empty() ? root_ : root_ + "\\" + std::string(inner);
  if (!inner.empty() && !CreateDirectoryA(path_.c_str(), nullptr)) throw std::runtime_error("cannot create " + path_);
}

std::string ReadBytes(const std::string& path) { return ReadFileBytes(Widen(path)).value_or(""); }

TempFolder::~TempFolder() {
  wchar_t wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, root_.c_str(), -1, wide, MAX_PATH);
  RemoveTree(L"\\\\?\\" + std::wstring(wide));
}

std::string TempFolder::PathOf(std::string_view name) const { return path_ + "\\" + std::string(name); }

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = PathOf(name);
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
  DWORD written = 0;
  const BOOL wrote = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!wrote || written != bytes.size()) throw std::runtime_error("cannot write " + path);
  return path;
}
