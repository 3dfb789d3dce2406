#pragma once
// The demo's output on standard output (Output.h), each line written at
// once. Timeline lines are stamped with the time since the plug-in was
// started.
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
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};
