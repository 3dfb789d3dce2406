#include "Timeline.h"

#include "DemoModel.h"
#include "Output.h"

Timeline::Timeline() {
  QueryPerformanceFrequency(&frequency_);
  Restart();
}

void Timeline::Print(std::string_view text) { PrintText(text, Stream::Output); }

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
