#pragma once
// The demo's output on standard output, each line written at once: UTF-8
// bytes to a pipe or a file, the same text in UTF-16 to a console. Timeline
// lines are stamped with the time since the plug-in was started.
#include <windows.h>

#include <string>
#include <string_view>

class Timeline {
 public:
  Timeline();
  // Writes text as it is; lines end with "\n".
  void Print(std::string_view text);
  // "[  15.003 s] minute 3   text": one line of the timeline.
  void Event(std::string_view label, std::string_view text);
  // Sets time 0 to now.
  void Restart();
  long long ElapsedMicroseconds() const;

 private:
  HANDLE output_;
  bool toConsole_ = false;
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};
