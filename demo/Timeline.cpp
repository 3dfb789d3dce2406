#include "Timeline.h"

#include "DemoModel.h"

std::string CodePageToUtf8(std::string_view text, UINT codePage) {
  text = text.substr(0, text.find('\0'));
  if (text.empty()) return {};
  const int inputLength = static_cast<int>(text.size());
  const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), inputLength, nullptr, 0);
  if (wideLength <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), inputLength, wide.data(), wideLength);
  const int utf8Length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (utf8Length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr, nullptr);
  return utf8;
}

namespace {

std::wstring Utf8ToWide(std::string_view text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

Timeline::Timeline() : output_(GetStdHandle(STD_OUTPUT_HANDLE)) {
  DWORD mode = 0;
  toConsole_ = GetConsoleMode(output_, &mode) != 0;
  QueryPerformanceFrequency(&frequency_);
  Restart();
}

void Timeline::Print(std::string_view text) {
  if (toConsole_) {
    // A console takes UTF-16 whatever its code page; the user's code page
    // setting stays as it was.
    const std::wstring wide = Utf8ToWide(text);
    DWORD written = 0;
    WriteConsoleW(output_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  // A pipe or a file gets the UTF-8 bytes unchanged.
  while (!text.empty()) {
    DWORD written = 0;
    if (!WriteFile(output_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) || written == 0) return;
    text.remove_prefix(written);
  }
}

void Timeline::Event(std::string_view label, std::string_view text) {
  std::string line = FormatElapsed(ElapsedMicroseconds());
  line += ' ';
  line += label;
  if (label.size() < 10) line.append(10 - label.size(), ' ');
  line += ' ';
  line += text;
  line += '\n';
  Print(line);
}

void Timeline::Restart() { QueryPerformanceCounter(&start_); }

long long Timeline::ElapsedMicroseconds() const {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return (now.QuadPart - start_.QuadPart) * 1'000'000 / frequency_.QuadPart;
}
