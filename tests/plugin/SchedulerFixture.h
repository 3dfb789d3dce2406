#pragma once
// A test host driving the loaded plug-in as the host does: the callbacks, and
// a message loop that dispatches the plug-in's thread timer. The plug-in's
// imports of SetTimer, KillTimer and OutputDebugStringA are watched.
#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "ImportHook.h"
#include "MachineSpeed.h"
#include "PluginUnderTest.h"

struct WatchedCalls {
  std::vector<UINT> timerDelays;  // SetTimer's elapse argument, as passed
  std::vector<UINT_PTR> killed;
  std::set<UINT_PTR> armed;  // set and not killed since
  std::size_t mostArmedAtOnce = 0;
  std::vector<std::string> debugOutput;
};

inline WatchedCalls& Watched() {
  static WatchedCalls calls;
  return calls;
}

inline decltype(&SetTimer) RealSetTimer = nullptr;
inline decltype(&KillTimer) RealKillTimer = nullptr;

inline UINT_PTR WINAPI WatchedSetTimer(HWND window, UINT_PTR id, UINT delay, TIMERPROC callback) {
  const UINT_PTR timer = RealSetTimer(window, id, delay, callback);
  Watched().timerDelays.push_back(delay);
  if (timer != 0) Watched().armed.insert(timer);
  Watched().mostArmedAtOnce = std::max(Watched().mostArmedAtOnce, Watched().armed.size());
  return timer;
}

inline BOOL WINAPI WatchedKillTimer(HWND window, UINT_PTR timer) {
  Watched().killed.push_back(timer);
  Watched().armed.erase(timer);
  return RealKillTimer(window, timer);
}

inline void WINAPI WatchedOutputDebugString(LPCSTR text) { Watched().debugOutput.emplace_back(text); }

class SchedulerFixture : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    Watched() = WatchedCalls{};
  }

  void TearDown() override { plugin.reset(); }

  // Loads the plug-in with this settings file (none: no file) and calls
  // BKC_OnStart.
  void Start(const std::optional<std::string>& settings) {
    plugin = std::make_unique<PluginUnderTest>(settings);
    ASSERT_TRUE(plugin->Load()) << "error " << plugin->LoadError();
    RealSetTimer = reinterpret_cast<decltype(&SetTimer)>(
        HookImport(plugin->Module(), "user32.dll", "SetTimer", reinterpret_cast<void*>(&WatchedSetTimer)));
    RealKillTimer = reinterpret_cast<decltype(&KillTimer)>(
        HookImport(plugin->Module(), "user32.dll", "KillTimer", reinterpret_cast<void*>(&WatchedKillTimer)));
    ASSERT_NE(RealSetTimer, nullptr);
    ASSERT_NE(RealKillTimer, nullptr);
    ASSERT_NE(HookImport(plugin->Module(), "kernel32.dll", "OutputDebugStringA",
                         reinterpret_cast<void*>(&WatchedOutputDebugString)),
              nullptr);
    EXPECT_EQ(plugin->OnStart(), 0);
  }

  static std::string Settings(int interval, int wait) {
    return "[Env]\r\nInterbalMinute=" + std::to_string(interval) + "\r\nConnectWaitMilliSecond=" +
           std::to_string(wait) + "\r\n";
  }

  void Tick(int times = 1) {
    for (int i = 0; i < times; ++i) EXPECT_EQ(plugin->OnEveryMinute(), 0);
  }

  std::unique_ptr<PluginUnderTest> plugin;
};
