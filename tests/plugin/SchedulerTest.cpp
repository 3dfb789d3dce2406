// The scheduler inside the loaded DLL, where it needs Windows: the settings
// file read from disk, real thread timers dispatched by a real message loop,
// the host's real window and menu, and the loader's unload. Its rules are
// tested natively, as a table (tests/core/scheduler/).
#include "SchedulerFixture.h"

namespace {

using Scheduler = SchedulerFixture;

TEST_F(Scheduler, DefaultsCountTenTicksThenToggleAndFollowUpASecondLater) {
  Start(std::nullopt);
  Tick(10);
  PumpFor(50);
  EXPECT_EQ(Commands(), 0u);
  EXPECT_TRUE(Watched().timerDelays.empty());

  Tick();  // the 11th
  ASSERT_EQ(Commands(), 1u);
  ASSERT_EQ(Watched().timerDelays, std::vector<UINT>{1000});
  ASSERT_TRUE(WaitForCommands(2, 10000));
  const DWORD followUpDelay = window.Commands()[1].tick - window.Commands()[0].tick;
  EXPECT_GE(followUpDelay, 900u);
  EXPECT_LE(followUpDelay, ScaledMs(5000));
  for (const ReceivedCommand& command : window.Commands()) {
    EXPECT_EQ(command.wParam, HostImapToggleCommand);
    EXPECT_EQ(command.lParam, 0);
  }
  // The follow-up cancelled its own timer: nothing more arrives.
  EXPECT_TRUE(Watched().armed.empty());
  EXPECT_FALSE(WaitForCommands(3, 1300));

  Tick();  // every later tick toggles again
  EXPECT_EQ(Commands(), 3u);
  EXPECT_EQ(plugin->OnExit(), 0);
}

TEST_F(Scheduler, ProbeNoLongerGrayedAtTheFollowUpSendsOneCommandOnly) {
  Start(Settings(0, 50));
  window.onCommand = [this](WPARAM) { SetProbeGrayed(false); };  // the host reconnected
  Tick();
  EXPECT_EQ(Commands(), 1u);
  ASSERT_EQ(Watched().killed.size(), 0u);
  ASSERT_TRUE(PumpMessages(ScaledMs(5000), [] { return !Watched().killed.empty(); }));
  PumpFor(200);
  EXPECT_EQ(Commands(), 1u);
  EXPECT_TRUE(Watched().armed.empty());
}

TEST_F(Scheduler, ZeroWaitFollowsUpAtTheShortestTimerPeriod) {
  Start(Settings(0, 0));
  Tick();
  EXPECT_EQ(Watched().timerDelays, std::vector<UINT>{0});
  EXPECT_TRUE(WaitForCommands(2, 5000));
}

TEST_F(Scheduler, NegativeWaitIsHandedToTheTimerUnchangedAsUnsigned) {
  Start(Settings(0, -1));
  Tick();
  EXPECT_EQ(Watched().timerDelays, std::vector<UINT>{0xFFFFFFFFu});
  PumpFor(100);
  EXPECT_EQ(Commands(), 1u);
  plugin->OnExit();
  EXPECT_TRUE(Watched().armed.empty());
}

TEST_F(Scheduler, ExitBeforeTheFollowUpCancelsIt) {
  Start(Settings(0, 300));
  Tick();
  ASSERT_EQ(Watched().armed.size(), 1u);
  const UINT_PTR pending = *Watched().armed.begin();
  EXPECT_EQ(plugin->OnExit(), 0);
  EXPECT_EQ(Watched().killed, std::vector<UINT_PTR>{pending});
  PumpFor(800);
  EXPECT_EQ(Commands(), 1u);
}

TEST_F(Scheduler, SecondStartRestartsTheCountWithTheEditedFile) {
  Start(Settings(1, 20));
  Tick();
  Tick();
  ASSERT_TRUE(WaitForCommands(2, 5000));

  plugin->WriteSettings(Settings(3, 20));
  EXPECT_EQ(plugin->OnStart(), 0);
  Tick(3);
  PumpFor(100);
  EXPECT_EQ(Commands(), 2u);
  Tick();
  EXPECT_TRUE(WaitForCommands(4, 5000));
}

TEST_F(Scheduler, UnloadCancelsAPendingFollowUp) {
  Start(Settings(0, 200));
  Tick();
  ASSERT_EQ(Watched().armed.size(), 1u);
  plugin->Unload();  // the host unloads without saying goodbye
  EXPECT_TRUE(Watched().armed.empty());
  PumpFor(500);  // a timer left armed would now call into unloaded code
  EXPECT_EQ(Commands(), 1u);
}

TEST_F(Scheduler, LockedSettingsFileKeepsTheLastSettingsAndResetsTheRest) {
  Start(Settings(1, 50));
  Tick(2);  // the second tick toggles and arms a follow-up
  ASSERT_EQ(Commands(), 1u);
  ASSERT_EQ(Watched().armed.size(), 1u);

  // Another program holds the file open for writing: it cannot be read.
  const HANDLE writer = CreateFileA(plugin->SettingsPath().c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(plugin->OnStart(), 0);
  CloseHandle(writer);

  // Why, for a debugger only: the file's full path and the system's reason.
  ASSERT_EQ(Watched().debugOutput.size(), 1u);
  EXPECT_NE(Watched().debugOutput[0].find(plugin->SettingsPath()), std::string::npos) << Watched().debugOutput[0];
  // The counter and the follow-up were reset ...
  EXPECT_TRUE(Watched().armed.empty());
  PumpFor(200);
  EXPECT_EQ(Commands(), 1u);
  // ... and the interval of 1 and the wait of 50 still hold.
  Tick();
  EXPECT_EQ(Commands(), 1u);
  Tick();
  EXPECT_EQ(Commands(), 2u);
  EXPECT_EQ(Watched().timerDelays.back(), 50u);
  EXPECT_TRUE(WaitForCommands(3, 5000));
}

TEST_F(Scheduler, LockedSettingsFileAtTheFirstStartLeavesZeroSettings) {
  plugin = std::make_unique<PluginUnderTest>(Settings(5, 50));
  const HANDLE writer = CreateFileA(plugin->SettingsPath().c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(plugin->Load());
  EXPECT_EQ(plugin->OnStart(), 0);
  CloseHandle(writer);
  // Interval 0: the first tick toggles; wait 0.
  EXPECT_EQ(plugin->OnEveryMinute(), 0);
  EXPECT_EQ(Commands(), 1u);
  EXPECT_TRUE(WaitForCommands(2, 5000));
}

}  // namespace
