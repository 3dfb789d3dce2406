// The reconnect cycle as the host drives it: start, minute ticks, the
// follow-up timer dispatched by a real message loop, exit.
#include "SchedulerFixture.h"

namespace {

using Scheduler = SchedulerFixture;

TEST_F(Scheduler, DefaultsCountTenTicksThenToggleAndFollowUpASecondLater) {
  Start(std::nullopt);
  Tick(10);
  PumpMessages(50);
  EXPECT_EQ(Commands(), 0u);
  EXPECT_TRUE(Watched().timerDelays.empty());

  Tick();  // the 11th
  ASSERT_EQ(Commands(), 1u);
  ASSERT_EQ(Watched().timerDelays, std::vector<UINT>{1000});
  ASSERT_TRUE(WaitForCommands(2, ScaledMs(10000)));
  const DWORD followUpDelay = window.Commands()[1].tick - window.Commands()[0].tick;
  EXPECT_GE(followUpDelay, 900u);
  EXPECT_LE(followUpDelay, ScaledMs(5000));
  for (const ReceivedCommand& command : window.Commands()) {
    EXPECT_EQ(command.wParam, HostImapToggleCommand);
    EXPECT_EQ(command.lParam, 0);
  }
  // The follow-up cancelled its own timer: nothing more arrives, not even
  // after another period of it.
  EXPECT_TRUE(Watched().armed.empty());
  EXPECT_FALSE(WaitForCommands(3, 1000 + ScaledMs(300)));

  Tick();  // every later tick toggles again
  EXPECT_EQ(Commands(), 3u);
  EXPECT_EQ(plugin->OnExit(), 0);
}

TEST_F(Scheduler, ProbeNotGrayedAtTheTickSendsNothingAndArmsNothing) {
  Start(Settings(0, 20));
  SetProbeGrayed(false);
  Tick();
  PumpMessages(20 + ScaledMs(80));
  EXPECT_EQ(Commands(), 0u);
  EXPECT_TRUE(Watched().timerDelays.empty());

  SetProbeGrayed(true);
  Tick();  // the next tick tries again
  EXPECT_TRUE(WaitForCommands(2, ScaledMs(5000)));
}

TEST_F(Scheduler, ProbeNoLongerGrayedAtTheFollowUpSendsOneCommandOnly) {
  Start(Settings(0, 50));
  window.onCommand = [this](WPARAM) { SetProbeGrayed(false); };  // the host reconnected
  Tick();
  EXPECT_EQ(Commands(), 1u);
  ASSERT_EQ(Watched().killed.size(), 0u);
  ASSERT_TRUE(PumpMessages(ScaledMs(5000), [] { return !Watched().killed.empty(); }));
  PumpMessages(50 + ScaledMs(150));
  EXPECT_EQ(Commands(), 1u);
  EXPECT_TRUE(Watched().armed.empty());
}

struct IntervalCase {
  int interval;
  int silentTicks;
};

class SchedulerInterval : public SchedulerFixture, public testing::WithParamInterface<IntervalCase> {};

TEST_P(SchedulerInterval, CountsExactlyThatManyTicksFirst) {
  Start(Settings(GetParam().interval, 10000));
  Tick(GetParam().silentTicks);
  EXPECT_EQ(Commands(), 0u);
  Tick();
  EXPECT_EQ(Commands(), 1u);
  EXPECT_EQ(plugin->OnExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Intervals, SchedulerInterval,
                         testing::Values(IntervalCase{0, 0}, IntervalCase{-5, 0}, IntervalCase{-2147483647 - 1, 0},
                                         IntervalCase{1, 1}, IntervalCase{3, 3}));

TEST_F(Scheduler, LargestIntervalOnlyEverCounts) {
  Start(Settings(2147483647, 0));
  Tick(500);
  PumpMessages(50);
  EXPECT_EQ(Commands(), 0u);
  EXPECT_TRUE(Watched().timerDelays.empty());
}

TEST_F(Scheduler, ZeroWaitFollowsUpAtTheShortestTimerPeriod) {
  Start(Settings(0, 0));
  Tick();
  EXPECT_EQ(Watched().timerDelays, std::vector<UINT>{0});
  EXPECT_TRUE(WaitForCommands(2, ScaledMs(5000)));
}

TEST_F(Scheduler, NegativeWaitIsHandedToTheTimerUnchangedAsUnsigned) {
  Start(Settings(0, -1));
  Tick();
  EXPECT_EQ(Watched().timerDelays, std::vector<UINT>{0xFFFFFFFFu});
  PumpMessages(100);
  EXPECT_EQ(Commands(), 1u);
  plugin->OnExit();
  EXPECT_TRUE(Watched().armed.empty());
}

TEST_F(Scheduler, ExitWithNothingPendingCancelsNothing) {
  Start(Settings(5, 50));
  Tick();
  EXPECT_EQ(plugin->OnExit(), 0);
  EXPECT_TRUE(Watched().killed.empty());
}

TEST_F(Scheduler, ExitBeforeTheFollowUpCancelsIt) {
  Start(Settings(0, 300));
  Tick();
  ASSERT_EQ(Watched().armed.size(), 1u);
  const UINT_PTR pending = *Watched().armed.begin();
  EXPECT_EQ(plugin->OnExit(), 0);
  EXPECT_EQ(Watched().killed, std::vector<UINT_PTR>{pending});
  PumpMessages(300 + ScaledMs(500));
  EXPECT_EQ(Commands(), 1u);
  // Only one cancel, however often the host says goodbye.
  plugin->OnExit();
  EXPECT_EQ(Watched().killed.size(), 1u);
}

TEST_F(Scheduler, SecondStartRestartsTheCountWithTheEditedFile) {
  Start(Settings(1, 20));
  Tick();
  Tick();
  ASSERT_TRUE(WaitForCommands(2, ScaledMs(5000)));

  plugin->WriteSettings(Settings(3, 20));
  EXPECT_EQ(plugin->OnStart(), 0);
  Tick(3);
  PumpMessages(100);
  EXPECT_EQ(Commands(), 2u);
  Tick();
  EXPECT_TRUE(WaitForCommands(4, ScaledMs(5000)));
}

// A follow-up pending at a new start is cancelled, not forgotten: a
// forgotten thread timer would toggle the connection for ever.
TEST_F(Scheduler, SecondStartCancelsAPendingFollowUp) {
  Start(Settings(0, 300));
  Tick();
  ASSERT_EQ(Watched().armed.size(), 1u);
  plugin->OnStart();
  EXPECT_TRUE(Watched().armed.empty());
  PumpMessages(300 + ScaledMs(500));
  EXPECT_EQ(Commands(), 1u);
}

// With a wait of a minute or more a tick comes while the follow-up is still
// pending: the new one replaces it, so at most one exists.
TEST_F(Scheduler, TickWhileAFollowUpIsPendingReplacesIt) {
  Start(Settings(0, 60000));
  Tick(5);
  EXPECT_EQ(Commands(), 5u);
  EXPECT_EQ(Watched().timerDelays.size(), 5u);
  EXPECT_EQ(Watched().killed.size(), 4u);
  EXPECT_EQ(Watched().mostArmedAtOnce, 1u);
  plugin->OnExit();
  EXPECT_TRUE(Watched().armed.empty());
}

// KillTimer leaves a WM_TIMER that is already queued where it is, so the
// procedure may still be called for a timer the plug-in has cancelled.
TEST_F(Scheduler, FollowUpOfACancelledTimerNeitherTogglesNorForgetsThePendingOne) {
  Start(Settings(0, 60000));
  Tick();
  ASSERT_EQ(Watched().timers.size(), 1u);
  const UINT_PTR first = Watched().timers[0];
  const TIMERPROC followUp = Watched().timerProc;
  ASSERT_NE(followUp, nullptr);

  Tick();  // cancels the first follow-up and arms a second
  ASSERT_EQ(Watched().timers.size(), 2u);
  ASSERT_EQ(Commands(), 2u);
  followUp(nullptr, WM_TIMER, first, GetTickCount());
  EXPECT_EQ(Commands(), 2u) << "a stale follow-up switched the connection";

  followUp(nullptr, WM_TIMER, Watched().timers[1], GetTickCount());  // the pending one still works
  EXPECT_EQ(Commands(), 3u);

  EXPECT_EQ(plugin->OnExit(), 0);
  followUp(nullptr, WM_TIMER, Watched().timers[1], GetTickCount());  // after exit: cancelled too
  EXPECT_EQ(Commands(), 3u);
  EXPECT_TRUE(Watched().armed.empty());
}

TEST_F(Scheduler, UnloadCancelsAPendingFollowUp) {
  Start(Settings(0, 200));
  Tick();
  ASSERT_EQ(Watched().armed.size(), 1u);
  plugin->Unload();  // the host unloads without saying goodbye
  EXPECT_TRUE(Watched().armed.empty());
  PumpMessages(200 + ScaledMs(300));  // a timer left armed would now call into unloaded code
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
  PumpMessages(50 + ScaledMs(150));
  EXPECT_EQ(Commands(), 1u);
  // ... and the interval of 1 and the wait of 50 still hold.
  Tick();
  EXPECT_EQ(Commands(), 1u);
  Tick();
  EXPECT_EQ(Commands(), 2u);
  EXPECT_EQ(Watched().timerDelays.back(), 50u);
  EXPECT_TRUE(WaitForCommands(3, ScaledMs(5000)));
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
  EXPECT_TRUE(WaitForCommands(2, ScaledMs(5000)));
}

}  // namespace
