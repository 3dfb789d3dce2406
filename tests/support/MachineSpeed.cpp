#include "MachineSpeed.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// A loop of integer work that the compiler cannot drop, and a small system
// call per round, as the tests' waits are made of both.
double MeasureWorkMs() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  volatile std::uint32_t state = 1;
  for (int round = 0; round < 200; ++round) {
    std::uint32_t x = state;
    for (int i = 0; i < 20000; ++i) x = x * 1664525u + 1013904223u;
    state = x;
    GetTickCount();
  }
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The work's time on a native machine of the project's kind, with headroom:
// 4,000,000 multiply-adds take about 4.5 ms natively, about 8 ms under
// qemu-user 10 and 30 to 60 ms under bookworm's qemu-user 7.2.
constexpr double NativeWorkMs = 8.0;

double EnvironmentFloor() {
  const char* text = std::getenv("TOLLIMER_TIME_SCALE");
  if (text == nullptr) return 1.0;
  const double value = std::atof(text);
  return value >= 1.0 ? value : 1.0;
}

}  // namespace

double MachineSlowdown() {
  static const double factor = [] {
    // The fastest of three, so that one preempted round does not stretch it.
    double best = MeasureWorkMs();
    for (int i = 0; i < 2; ++i) best = std::min(best, MeasureWorkMs());
    return std::max({1.0, best / NativeWorkMs, EnvironmentFloor()});
  }();
  return factor;
}

DWORD ScaledMs(DWORD nativeMs) { return static_cast<DWORD>(static_cast<double>(nativeMs) * MachineSlowdown()); }
