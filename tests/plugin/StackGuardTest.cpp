// The DLL's stack guard, linked into this program as into the DLL: a seeded
// cookie differs from process to process, and an overwritten one ends the
// process at once. Each case runs in a child process (this program again,
// with one of the DISABLED_ cases as its filter).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "ChildProcess.h"
#include "StackGuard.h"
#include "StackSmash.h"

extern "C" std::uintptr_t __stack_chk_guard;

namespace {

ProgramRun RunCase(const std::string& name) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  return RunProgram(self, "\"" + std::string(self) + "\" --gtest_also_run_disabled_tests --gtest_filter=StackGuardChild." +
                              name);
}

std::string CookieOf(const ProgramRun& run) {
  const std::size_t at = run.output.find("cookie ");
  return at == std::string::npos ? std::string() : run.output.substr(at + 7, 8);
}

}  // namespace

// This test body has no stack cookie of its own (tests are built without
// stack protection), so it may seed.
TEST(StackGuardChild, DISABLED_PrintSeededCookie) {
  SeedStackGuard(GetModuleHandleA(nullptr));
  std::printf("cookie %08lx\n", static_cast<unsigned long>(__stack_chk_guard));
}

TEST(StackGuardChild, DISABLED_FillWithinBuffer) {
  SeedStackGuard(GetModuleHandleA(nullptr));
  FillStackBuffer(16);
  std::printf("returned after the fill\n");
}

TEST(StackGuardChild, DISABLED_FillPastBuffer) {
  SeedStackGuard(GetModuleHandleA(nullptr));
  FillStackBuffer(64);
  std::printf("returned after the fill\n");
}

TEST(StackGuard, EachProcessSeedsItsOwnCookie) {
  const std::string first = CookieOf(RunCase("DISABLED_PrintSeededCookie"));
  const std::string second = CookieOf(RunCase("DISABLED_PrintSeededCookie"));
  ASSERT_EQ(first.size(), 8u);
  ASSERT_EQ(second.size(), 8u);
  EXPECT_NE(first, second);
  EXPECT_NE(first, "bb40e64e");  // the unseeded value
}

TEST(StackGuard, OverwrittenCookieEndsTheProcessAtOnce) {
  struct Case {
    const char* name;
    DWORD exitCode;
    bool returned;
  };
  for (const Case& c : {Case{"DISABLED_FillWithinBuffer", 0, true},
                        Case{"DISABLED_FillPastBuffer", STATUS_STACK_BUFFER_OVERRUN, false}}) {
    const ProgramRun run = RunCase(c.name);
    ASSERT_TRUE(run.started) << c.name;
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << "\n" << run.output;
    EXPECT_EQ(run.output.find("returned after the fill") != std::string::npos, c.returned) << c.name << "\n"
                                                                                           << run.output;
  }
}
