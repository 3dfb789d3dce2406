// Stands in for `TollimerCheck.exe --fix --lang <language> --output <file> --
// <settings file>`, the check run elevated, where a test must learn what the
// real check cannot tell: it writes a UTF-8 report into the existing file,
// saying which settings file it was given, whether the windows of the
// program that started it still answer messages while it waits, and whether
// their close buttons are disabled meanwhile. Exit status 0; 2 for another
// command line.
#include <windows.h>

#include <shellapi.h>
#include <tlhelp32.h>

#include <string>

namespace {

DWORD ParentProcessId() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  return parent;
}

struct Answers {
  DWORD parent = 0;
  int asked = 0;
  int answered = 0;
  int withCloseButton = 0;
  int closeDisabled = 0;
};

BOOL CALLBACK AskWindow(HWND window, LPARAM found) {
  auto& answers = *reinterpret_cast<Answers*>(found);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != answers.parent || !IsWindowVisible(window)) return TRUE;
  DWORD_PTR result = 0;
  ++answers.asked;
  // A parent that waits without pumping never answers; one that pumps does,
  // however late a loaded machine lets it.
  if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 60'000, &result)) ++answers.answered;
  if (const HWND close = GetDlgItem(window, IDCANCEL)) {
    ++answers.withCloseButton;
    if (!IsWindowEnabled(close)) ++answers.closeDisabled;
  }
  return TRUE;
}

std::string Utf8(const std::wstring& text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count != 8 || std::wstring(arguments[1]) != L"--fix" ||
      std::wstring(arguments[2]) != L"--lang" || std::wstring(arguments[4]) != L"--output" ||
      std::wstring(arguments[6]) != L"--") {
    return 2;
  }
  Answers answers;
  answers.parent = ParentProcessId();
  EnumWindows(&AskWindow, reinterpret_cast<LPARAM>(&answers));
  std::string report = "昇格して修正しました: " + Utf8(arguments[7]) + "\r\n";
  report += answers.asked > 0 && answers.asked == answers.answered ? "window answered\r\n" : "window silent\r\n";
  if (answers.withCloseButton > 0) {
    report += answers.closeDisabled == answers.withCloseButton ? "buttons disabled\r\n" : "buttons enabled\r\n";
  }
  const HANDLE file = CreateFileW(arguments[5], GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 3;
  DWORD written = 0;
  WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
  CloseHandle(file);
  LocalFree(arguments);
  return 0;
}
