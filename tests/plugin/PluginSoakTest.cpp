// Long runs: a whole simulated day of ticks, and many loads and unloads.
#include <windows.h>

#include <psapi.h>

#include <cstdio>

#include "SchedulerFixture.h"

namespace {

using PluginSoak = SchedulerFixture;

TEST_F(PluginSoak, ADayOfTicksSendsTwoCommandsPerToggleAndLeavesNoTimer) {
  constexpr int TicksPerDay = 1440;
  constexpr int Interval = 10;
  Start(Settings(Interval, 0));

  std::size_t expected = 0;
  for (int tick = 1; tick <= TicksPerDay; ++tick) {
    Tick();
    if (tick > Interval) {
      expected += 2;
      ASSERT_TRUE(WaitForCommands(expected, 5000)) << "tick " << tick;
    }
    ASSERT_EQ(Commands(), expected) << "tick " << tick;
  }
  EXPECT_EQ(expected, 2u * (TicksPerDay - Interval));
  EXPECT_EQ(Watched().timerDelays.size(), static_cast<std::size_t>(TicksPerDay - Interval));
  EXPECT_EQ(Watched().mostArmedAtOnce, 1u);
  EXPECT_TRUE(Watched().armed.empty());

  plugin->OnExit();
  EXPECT_FALSE(WaitForCommands(expected + 1, 200));
}

struct ProcessFootprint {
  DWORD handles = 0;
  SIZE_T privateBytes = 0;
};

ProcessFootprint Footprint() {
  ProcessFootprint footprint;
  GetProcessHandleCount(GetCurrentProcess(), &footprint.handles);
  PROCESS_MEMORY_COUNTERS_EX counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  footprint.privateBytes = counters.PrivateUsage;
  return footprint;
}

TEST_F(PluginSoak, ThousandLoadsAndUnloadsLeaveHandlesAndMemoryFlat) {
  PluginUnderTest library{Settings(0, 60000)};
  const auto cycle = [&] {
    ASSERT_TRUE(library.Load());
    library.OnStart();
    library.OnEveryMinute();  // toggles and arms a follow-up ...
    library.Unload();         // ... which the unload cancels
  };
  for (int i = 0; i < 50; ++i) cycle();  // let the loader's caches settle
  const ProcessFootprint before = Footprint();
  for (int i = 0; i < 1000; ++i) cycle();
  const ProcessFootprint after = Footprint();

  std::printf("handles %lu -> %lu, private bytes %lu -> %lu\n", before.handles, after.handles,
              static_cast<unsigned long>(before.privateBytes), static_cast<unsigned long>(after.privateBytes));
  EXPECT_LE(after.handles, before.handles + 2);
  EXPECT_LE(after.privateBytes, before.privateBytes + 256 * 1024);
  EXPECT_EQ(Commands(), 1050u);
  PumpMessages(100);
  EXPECT_EQ(Commands(), 1050u);
}

}  // namespace
