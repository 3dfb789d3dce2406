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

Timeline::Timeline() : output_(GetStdHandle(STD_OUTPUT_HANDLE)) {
  // A console shows the bytes as UTF-8; a pipe or a file gets them unchanged.
  SetConsoleOutputCP(CP_UTF8);
  QueryPerformanceFrequency(&frequency_);
  Restart();
}

void Timeline::Print(std::string_view text) {
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
