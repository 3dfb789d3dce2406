#include "CheckStop.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "CheckVerdict.h"

namespace {

// Made while memory is still there, shown when it may be gone.
constinit std::array<wchar_t, 512> StopText{};
constinit std::array<char, 1024> StopTextUtf8{};
constinit bool StopPrints = false;

}  // namespace

void PrepareCheckStop(ReportLanguage language, bool print) {
  StopPrints = print;
  const std::string text = Words(language).Say<Message::InternalFailure>();
  const std::size_t length = std::min(text.size(), StopTextUtf8.size() - 2);
  std::copy_n(text.data(), length, StopTextUtf8.data());
  StopTextUtf8[length] = '\n';
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(length), StopText.data(),
                      static_cast<int>(StopText.size()) - 1);
}

void StopCheck() {
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  DWORD written = 0;
  DWORD mode = 0;
  if (!StopPrints) {
    MessageBoxW(nullptr, StopText.data(), nullptr, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  } else if (error != nullptr && error != INVALID_HANDLE_VALUE && GetConsoleMode(error, &mode)) {
    WriteConsoleW(error, StopText.data(), static_cast<DWORD>(lstrlenW(StopText.data())), &written, nullptr);
    WriteConsoleW(error, L"\r\n", 2, &written, nullptr);
  } else if (error != nullptr && error != INVALID_HANDLE_VALUE) {
    WriteFile(error, StopTextUtf8.data(), static_cast<DWORD>(lstrlenA(StopTextUtf8.data())), &written, nullptr);
  }
  ExitProcess(CheckFailedStatus);
}
