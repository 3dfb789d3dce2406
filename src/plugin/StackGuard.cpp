// Without stack protection itself: the seed changes the cookie, and the
// failure path runs on a stack that can no longer be trusted.
#include "StackGuard.h"

#include <cstdint>

namespace {

// The cookie until it is seeded: the default of Windows' own stack cookie.
constexpr std::uintptr_t kUnseededCookie = 0xBB40E64E;

}  // namespace

extern "C" {

constinit std::uintptr_t __stack_chk_guard = kUnseededCookie;

// A function's cookie was overwritten, and with it, most likely, its return
// address and the exception handlers registered below it on the stack. So
// nothing may run on this stack any more: end the process at once, with the
// status Windows' own stack protection ends it with. No exception is raised
// and no DLL is notified.
[[noreturn]] __attribute__((no_stack_protector)) void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_trap();
}

}  // extern "C"

__attribute__((no_stack_protector)) void SeedStackGuard(HMODULE module) {
  // The sources Windows' own cookie mixes: the time, this process and
  // thread, and, under address-space randomisation, where the module and the
  // stack lie.
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  std::uintptr_t cookie = counter.LowPart ^ static_cast<std::uintptr_t>(counter.HighPart) ^ GetTickCount() ^
                          GetCurrentProcessId() ^ (GetCurrentThreadId() << 16) ^
                          reinterpret_cast<std::uintptr_t>(module) ^ reinterpret_cast<std::uintptr_t>(&counter);
  // Never the well-known value, which an attacker would try first.
  if (cookie == kUnseededCookie) cookie ^= 0x5A5A5A5A;
  __stack_chk_guard = cookie;
}
