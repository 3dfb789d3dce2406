// Long runs: an hour of ticks with real timers, and many loads and unloads.
#include <windows.h>

#include <cstdio>

#include "SchedulerFixture.h"

namespace {

using PluginSoak = SchedulerFixture;

// Real thread timers, armed and killed again and again: each follow-up comes
// and takes its timer with it. (A whole day of the schedule is simulated
// natively, tests/core/scheduler/.)
TEST_F(PluginSoak, AnHourOfTicksSendsTwoCommandsPerToggleAndLeavesNoTimer) {
  constexpr int Ticks = 60;
  constexpr int Interval = 10;
  Start(Settings(Interval, 0));

  std::size_t expected = 0;
  for (int tick = 1; tick <= Ticks; ++tick) {
    Tick();
    if (tick > Interval) {
      expected += 2;
      ASSERT_TRUE(WaitForCommands(expected, ScaledMs(5000))) << "tick " << tick;
    }
    ASSERT_EQ(Commands(), expected) << "tick " << tick;
  }
  EXPECT_EQ(expected, 2u * (Ticks - Interval));
  EXPECT_EQ(Watched().timerDelays.size(), static_cast<std::size_t>(Ticks - Interval));
  EXPECT_EQ(Watched().mostArmedAtOnce, 1u);
  EXPECT_TRUE(Watched().armed.empty());

  plugin->OnExit();
  EXPECT_FALSE(WaitForCommands(expected + 1, ScaledMs(200)));
}

struct ProcessFootprint {
  int handles = 0;
  SIZE_T privateBytes = 0;
  SIZE_T heapBytes = 0;
};

// Counted directly, because Wine reports neither the process's handle count
// nor its private bytes: every handle value that names an open object, every
// committed private page of the address space, and every block in use on
// the process's heaps (pages alone hide small leaks in already committed
// heap space).
ProcessFootprint Footprint() {
  ProcessFootprint footprint;
  HANDLE heaps[64];
  const DWORD heapCount = GetProcessHeaps(64, heaps);
  for (DWORD i = 0; i < heapCount && i < 64; ++i) {
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) footprint.heapBytes += entry.cbData;
    }
  }
  for (UINT_PTR value = 4; value < 0x10000; value += 4) {
    DWORD flags;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++footprint.handles;
  }
  MEMORY_BASIC_INFORMATION region;
  for (auto* address = static_cast<const char*>(nullptr);
       VirtualQuery(address, &region, sizeof region) == sizeof region;
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) footprint.privateBytes += region.RegionSize;
  }
  return footprint;
}

TEST_F(PluginSoak, ThousandLoadsAndUnloadsLeaveHandlesAndMemoryFlat) {
  PluginUnderTest library{Settings(0, 60000)};
  const auto cycle = [&] {
    ASSERT_TRUE(library.Load());
    library.OnStart();
    library.OnEveryMinute();  // toggles and arms a follow-up ...
    library.Unload();         // ... which the unload cancels
    ASSERT_EQ(Commands(), 1u);
    window.ClearCommands();  // keeps its capacity: no growth of the test's own
  };
  for (int i = 0; i < 50; ++i) cycle();  // let the loader's caches settle
  const ProcessFootprint before = Footprint();
  for (int i = 0; i < 1000; ++i) cycle();
  const ProcessFootprint after = Footprint();

  std::printf("handles %d -> %d, private bytes %lu -> %lu, heap bytes in use %lu -> %lu\n", before.handles,
              after.handles, static_cast<unsigned long>(before.privateBytes),
              static_cast<unsigned long>(after.privateBytes), static_cast<unsigned long>(before.heapBytes),
              static_cast<unsigned long>(after.heapBytes));
  EXPECT_LE(after.handles, before.handles + 2);
  EXPECT_GT(before.handles, 0);
  EXPECT_GT(before.privateBytes, 0u);
  EXPECT_LE(after.privateBytes, before.privateBytes + 256 * 1024);
  // Far less than one leaked host interface (224 bytes) per cycle.
  EXPECT_LE(after.heapBytes, before.heapBytes + 4 * 1024);
  PumpFor(100);
  EXPECT_EQ(Commands(), 0u);
}

}  // namespace
