#include "Timeline.h"

#include "DemoModel.h"
#include "WindowsText.h"

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
