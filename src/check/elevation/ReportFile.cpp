#include "ReportFile.h"

#include <windows.h>

#include "NumberedName.h"

namespace {

// A report is a few kilobytes; anything near this is not one.
constexpr LONGLONG LargestReport = 16 * 1024 * 1024;

}  // namespace

ReportFile::ReportFile() {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return;
  const std::wstring stem = std::wstring(folder, length) + L"TollimerCheck-report-";
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::wstring name = NumberedName(stem, GetCurrentProcessId(), attempt, L".txt");
    const HANDLE file =
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      path_ = name;
      return;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) return;
  }
}

ReportFile::~ReportFile() {
  if (!path_.empty()) DeleteFileW(path_.c_str());
}

std::optional<std::string> ReportFile::ReadUtf8() const {
  if (path_.empty()) return std::nullopt;
  const HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  std::string bytes;
  bool read = GetFileSizeEx(file, &size) && size.QuadPart <= LargestReport;
  if (read) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    read = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) &&
                             got == bytes.size());
  }
  CloseHandle(file);
  if (!read) return std::nullopt;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
  if (!bytes.empty() && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                            nullptr, 0) == 0) {
    return std::nullopt;
  }
  return bytes;
}
