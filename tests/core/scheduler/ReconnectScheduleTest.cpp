// The scheduler's rules as a table: each case a sequence of events, each
// event with exactly the actions the machine must answer.
#include "ReconnectSchedule.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <vector>

namespace {

// One part of a machine's answer; the answer as a list of them, in the order
// the plug-in carries them out.
struct Action {
  enum Kind { Kill, Send, Arm, Probe } kind;
  std::uint64_t value = 0;  // Kill: the timer; Arm: the delay
  friend bool operator==(const Action&, const Action&) = default;
};

void PrintTo(const Action& a, std::ostream* os) {
  static const char* const names[] = {"Kill", "Send", "Arm", "Probe"};
  *os << names[a.kind];
  if (a.kind == Action::Kill || a.kind == Action::Arm) *os << "(" << a.value << ")";
}

std::vector<Action> ListOf(const ScheduleActions& actions) {
  std::vector<Action> list;
  if (actions.kill) list.push_back({Action::Kill, actions.killTimer});
  if (actions.send) list.push_back({Action::Send});
  if (actions.arm) list.push_back({Action::Arm, actions.armDelayMs});
  if (actions.probe) list.push_back({Action::Probe});
  return list;
}

enum class On { Start, StartUnreadable, Tick, Probe, FollowUp, Armed, Exit };

struct Step {
  On event;
  std::int64_t a = 0;  // Start: interval; Probe: grayed; FollowUp, Armed: timer
  std::int64_t b = 0;  // Start: wait
  std::vector<Action> expect;
};

// The events.
Step Start(std::int32_t interval, std::int32_t wait, std::vector<Action> expect = {}) {
  return {On::Start, interval, wait, expect};
}
Step Unreadable(std::vector<Action> expect = {}) { return {On::StartUnreadable, 0, 0, expect}; }
Step Tick(std::vector<Action> expect = {}) { return {On::Tick, 0, 0, expect}; }
Step Grayed(std::vector<Action> expect) { return {On::Probe, 1, 0, expect}; }
Step NotGrayed() { return {On::Probe, 0, 0, {}}; }
Step FollowUp(ScheduleTimerId timer, std::vector<Action> expect) {
  return {On::FollowUp, static_cast<std::int64_t>(timer), 0, expect};
}
Step Armed(ScheduleTimerId timer, std::vector<Action> expect = {}) {
  return {On::Armed, static_cast<std::int64_t>(timer), 0, expect};
}
Step Exit(std::vector<Action> expect = {}) { return {On::Exit, 0, 0, expect}; }

// The actions.
const Action Probe{Action::Probe};
const Action Send{Action::Send};
Action Arm(std::uint32_t ms) { return {Action::Arm, ms}; }
Action Kill(ScheduleTimerId timer) { return {Action::Kill, timer}; }

// `count` quiet ticks.
std::vector<Step> Counted(int count) { return std::vector<Step>(static_cast<std::size_t>(count), Tick()); }

struct ScheduleCase {
  const char* name;
  std::vector<std::vector<Step>> steps;  // pieces, joined in order
};

void PrintTo(const ScheduleCase& c, std::ostream* os) { *os << c.name; }

ScheduleActions Apply(ReconnectSchedule& machine, const Step& step) {
  switch (step.event) {
    case On::Start: return machine.Start({static_cast<std::int32_t>(step.a), static_cast<std::int32_t>(step.b)});
    case On::StartUnreadable: return machine.StartUnreadable();
    case On::Tick: return machine.Tick();
    case On::Probe: return machine.ProbeAnswered(step.a != 0);
    case On::FollowUp: return machine.FollowUp(static_cast<ScheduleTimerId>(step.a));
    case On::Armed: return machine.TimerArmed(static_cast<ScheduleTimerId>(step.a));
    case On::Exit: return machine.Exit();
  }
  return {};
}

const ScheduleCase Cases[] = {
    {"DefaultsCountTenTicksThenToggleEveryMinuteWithAFollowUp",
     {{Start(10, 1000)}, Counted(10),
      {Tick({Probe}), Grayed({Send, Arm(1000)}), Armed(7), FollowUp(7, {Kill(7), Probe}), Grayed({Send}),
       Tick({Probe}), Grayed({Send, Arm(1000)}), Armed(8), Exit({Kill(8)})}}},
    {"ProbeNotGrayedAtTheTickSendsNothingAndArmsNothing",
     {{Start(0, 20), Tick({Probe}), NotGrayed(), Exit(), Tick({Probe}), Grayed({Send, Arm(20)})}}},
    {"ProbeNoLongerGrayedAtTheFollowUpSendsOneCommandOnly",
     {{Start(0, 50), Tick({Probe}), Grayed({Send, Arm(50)}), Armed(3), FollowUp(3, {Kill(3), Probe}), NotGrayed(),
       Exit()}}},
    {"IntervalOfOneCountsOneTick", {{Start(1, 5), Tick(), Tick({Probe})}}},
    {"IntervalOfThreeCountsThreeTicks", {{Start(3, 5)}, Counted(3), {Tick({Probe})}}},
    {"IntervalOfZeroProbesAtTheFirstTick", {{Start(0, 5), Tick({Probe})}}},
    {"NegativeIntervalProbesAtTheFirstTick", {{Start(-5, 5), Tick({Probe})}}},
    {"SmallestIntervalProbesAtTheFirstTick", {{Start(INT_MIN, 5), Tick({Probe})}}},
    {"LargestIntervalOnlyEverCounts", {{Start(INT_MAX, 0)}, Counted(500)}},
    {"ZeroWaitIsArmedAsZero", {{Start(0, 0), Tick({Probe}), Grayed({Send, Arm(0)})}}},
    {"NegativeWaitIsArmedUnchangedAsUnsigned", {{Start(0, -1), Tick({Probe}), Grayed({Send, Arm(0xFFFFFFFFu)})}}},
    {"SmallestWaitIsArmedUnchangedAsUnsigned", {{Start(0, INT_MIN), Tick({Probe}), Grayed({Send, Arm(0x80000000u)})}}},
    {"ExitWithNothingPendingCancelsNothing", {{Start(5, 50), Tick(), Exit()}}},
    {"ExitCancelsThePendingFollowUpOnceAndItsLateFollowUpOnlyKillsIt",
     {{Start(0, 300), Tick({Probe}), Grayed({Send, Arm(300)}), Armed(9), Exit({Kill(9)}), Exit(),
       FollowUp(9, {Kill(9)})}}},
    {"SecondStartRestartsTheCountWithTheNewValues",
     {{Start(1, 20), Tick(), Tick({Probe}), Grayed({Send, Arm(20)}), Armed(2), FollowUp(2, {Kill(2), Probe}),
       Grayed({Send}), Start(3, 40)},
      Counted(3),
      {Tick({Probe}), Grayed({Send, Arm(40)})}}},
    {"SecondStartCancelsAPendingFollowUp",
     {{Start(0, 300), Tick({Probe}), Grayed({Send, Arm(300)}), Armed(4), Start(0, 300, {Kill(4)}),
       FollowUp(4, {Kill(4)})}}},
    {"TickWhileAFollowUpIsPendingReplacesItBeforeItsCommand",
     {{Start(0, 60000), Tick({Probe}), Grayed({Send, Arm(60000)}), Armed(1), Tick({Probe}),
       Grayed({Kill(1), Send, Arm(60000)}), Armed(2), FollowUp(1, {Kill(1)}), FollowUp(2, {Kill(2), Probe}),
       Grayed({Send}), Exit()}}},
    // The host may pump messages while it handles the command.
    {"FollowUpOfTheReplacedTimerDuringTheNewCommandIsStale",
     {{Start(0, 60000), Tick({Probe}), Grayed({Send, Arm(60000)}), Armed(1), Tick({Probe}),
       Grayed({Kill(1), Send, Arm(60000)}), FollowUp(1, {Kill(1)}), Armed(2), Exit({Kill(2)})}}},
    {"TickDuringTheCommandArmsItsOwnAndTheOuterArmingReplacesIt",
     {{Start(0, 500), Tick({Probe}), Grayed({Send, Arm(500)}), Tick({Probe}), Grayed({Send, Arm(500)}), Armed(2),
       Armed(3, {Kill(2)}), FollowUp(2, {Kill(2)}), Exit({Kill(3)})}}},
    {"FailedSetTimerLeavesNoFollowUp",
     {{Start(0, 100), Tick({Probe}), Grayed({Send, Arm(100)}), Armed(0), Exit(), FollowUp(0, {Kill(0)})}}},
    {"ProbeAnswerAfterAStartIsForNothing", {{Start(0, 100), Tick({Probe}), Start(0, 100), Grayed({})}}},
    {"UnreadableFileAtTheFirstStartRunsWithZeros",
     {{Unreadable(), Tick({Probe}), Grayed({Send, Arm(0)})}}},
    {"UnreadableFileKeepsTheLastGoodValuesAndResetsTheRest",
     {{Start(1, 50), Tick(), Tick({Probe}), Grayed({Send, Arm(50)}), Armed(6), Unreadable({Kill(6)}), Tick(),
       Tick({Probe}), Grayed({Send, Arm(50)})}}},
};

class ReconnectScheduleRules : public testing::TestWithParam<ScheduleCase> {};

TEST_P(ReconnectScheduleRules, AnswerEachEventWithExactlyTheseActions) {
  ReconnectSchedule machine;
  std::size_t index = 0;
  for (const std::vector<Step>& piece : GetParam().steps) {
    for (const Step& step : piece) {
      EXPECT_EQ(ListOf(Apply(machine, step)), step.expect) << "step " << index;
      ++index;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sequences, ReconnectScheduleRules, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReconnectSchedule, ValuesAreZeroUntilAGoodStartAndOutliveAnUnreadableOne) {
  ReconnectSchedule machine;
  EXPECT_EQ(machine.Settings(), (ScheduleSettings{0, 0}));
  machine.StartUnreadable();
  EXPECT_EQ(machine.Settings(), (ScheduleSettings{0, 0}));
  machine.Start({7, 1500});
  machine.StartUnreadable();
  EXPECT_EQ(machine.Settings(), (ScheduleSettings{7, 1500}));
}

TEST(ReconnectSchedule, CountingTicksAtOnceStopsWhereProbingStarts) {
  ReconnectSchedule machine;
  machine.Start({5, 0});
  machine.CountTicks(3);
  machine.CountTicks(-1);
  EXPECT_EQ(machine.TicksLeftToCount(), 2);
  EXPECT_TRUE(machine.Tick().None());
  machine.CountTicks(100);
  EXPECT_EQ(machine.TicksLeftToCount(), 0);
  EXPECT_TRUE(machine.Tick().probe);
}

}  // namespace
