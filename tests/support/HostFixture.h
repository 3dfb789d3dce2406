#pragma once
// The stand-in host every Windows test host sets up: the fake host's state
// reset, and a real main window, handed out by BKA_GetWindowHandles, with the
// host's menu bar and the probe item grayed (an idle host, in which the
// plug-in switches). Waits on real time are given as on a native machine and
// stretched by ScaledMs(), so that they hold on a slower one too.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>

#include "FakeHost.h"
#include "HostMenuBar.h"
#include "MachineSpeed.h"
#include "TestWindow.h"

class HostFixture : public testing::Test {
 protected:
  void SetUp() override;

  void SetProbeGrayed(bool grayed) { SetHostProbeGrayed(window.Handle(), grayed); }
  std::size_t Commands() const { return window.Commands().size(); }
  // Runs the message loop until `count` commands have arrived; false when
  // `nativeMs` pass first.
  bool WaitForCommands(std::size_t count, DWORD nativeMs);
  // Runs the message loop for `nativeMs`, for what must not happen to show.
  void PumpFor(DWORD nativeMs) { PumpMessages(ScaledMs(nativeMs)); }

  TestMainWindow window;
};
