#include "TempFolder.h"

#include <windows.h>

#include <stdexcept>

namespace {

// Removes a folder and what it holds, as far as it can: a test may have left
// a file locked or read-only, and cleaning up must not fail the test.
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder(std::string_view purpose) {
  static int instances = 0;
  char temp[MAX_PATH];
  if (GetTempPathA(MAX_PATH, temp) == 0) throw std::runtime_error("no temporary directory");
  const std::string stem =
      std::string(temp) + "tollimer-" + std::string(purpose) + "-" + std::to_string(GetCurrentProcessId()) + "-";
  // A test program ended before it could clean up (by a time limit) leaves
  // its folder, and a later program may get its process id: the next name.
  do {
    path_ = stem + std::to_string(++instances);
    if (CreateDirectoryA(path_.c_str(), nullptr)) return;
  } while (GetLastError() == ERROR_ALREADY_EXISTS);
  throw std::runtime_error("cannot create " + path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

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
