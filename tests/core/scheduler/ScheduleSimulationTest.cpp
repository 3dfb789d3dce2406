// What the simulation reads off the plug-in's scheduler, for the values the
// settings check meets.
#include "ScheduleSimulation.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

namespace {

struct TimelineCase {
  std::optional<ScheduleSettings> read;
  std::int64_t counted, firstSwitch;
  std::uint32_t armed, timer;
  std::optional<std::int64_t> switchBackAfter;
  bool cancelled;
};

TEST(SimulateSchedule, ReadsTheFactsOffTheMachine) {
  const TimelineCase cases[] = {
      {ScheduleSettings{10, 1000}, 10, 11, 1000, 1000, 1000, false},
      {ScheduleSettings{2, 1500}, 2, 3, 1500, 1500, 1500, false},
      {ScheduleSettings{-3, 59'999}, 0, 1, 59'999, 59'999, 59'999, false},
      {ScheduleSettings{INT_MIN, 1000}, 0, 1, 1000, 1000, 1000, false},
      // Windows' shortest timer period.
      {ScheduleSettings{0, 0}, 0, 1, 0, 10, 10, false},
      {ScheduleSettings{0, 9}, 0, 1, 9, 10, 10, false},
      // A tick and a timer due at the same millisecond: the tick first.
      {ScheduleSettings{1, 60'000}, 1, 2, 60'000, 60'000, std::nullopt, true},
      {ScheduleSettings{1, INT_MAX}, 1, 2, 0x7FFFFFFFu, 0x7FFFFFFFu, std::nullopt, true},
      // Negative: unsigned, capped near 24.8 days.
      {ScheduleSettings{1, -1}, 1, 2, 0xFFFFFFFFu, 0x7FFFFFFFu, std::nullopt, true},
      {ScheduleSettings{INT_MAX, 1000}, INT_MAX, 2'147'483'648LL, 1000, 1000, 1000, false},
      // A file that could not be opened at the mail client's start: zeros.
      {std::nullopt, 0, 1, 0, 10, 10, false},
  };
  for (const TimelineCase& c : cases) {
    const ScheduleSettings expected = c.read.value_or(ScheduleSettings{});
    SCOPED_TRACE(testing::Message() << expected.intervalMinutes << ", " << expected.connectWaitMs);
    const ScheduleTimeline t = SimulateSchedule(c.read);
    EXPECT_EQ(t.settings, expected);
    EXPECT_EQ(t.countedMinutes, c.counted);
    EXPECT_EQ(t.firstSwitchMinute, c.firstSwitch);
    EXPECT_EQ(t.armedDelayMs, c.armed);
    EXPECT_EQ(t.timerDelayMs, c.timer);
    EXPECT_EQ(t.switchBackAfterMs, c.switchBackAfter);
    EXPECT_EQ(t.nextSwitchCancelsSwitchBack, c.cancelled);
  }
}

using Kind = ScheduleEvent::Kind;

struct Seen {
  Kind kind;
  std::int64_t minute, atMs;
  bool online;
  friend bool operator==(const Seen&, const Seen&) = default;
};

void PrintTo(const Seen& s, std::ostream* os) {
  static const char* const kinds[] = {"Switch", "SwitchBack", "SwitchBackCancelled"};
  *os << kinds[static_cast<int>(s.kind)] << " minute " << s.minute << " at " << s.atMs << (s.online ? " online" : " offline");
}

std::vector<Seen> SeenIn(const ScheduleTimeline& timeline) {
  std::vector<Seen> seen;
  for (const ScheduleEvent& e : timeline.events) seen.push_back({e.kind, e.minute, e.atMs, e.online});
  return seen;
}

TEST(SimulateSchedule, MinuteLongWaitIsOffOneMinuteAndOnTheNext) {
  EXPECT_EQ(SeenIn(SimulateSchedule(ScheduleSettings{0, 60'000}, 3)),
            (std::vector<Seen>{{Kind::Switch, 1, 60'000, false},
                               {Kind::SwitchBackCancelled, 2, 120'000, false},
                               {Kind::Switch, 2, 120'000, true},
                               {Kind::SwitchBackCancelled, 3, 180'000, true},
                               {Kind::Switch, 3, 180'000, false}}));
}

TEST(SimulateSchedule, ADayWithTheDefaultIntervalSwitchesOffAndOnEveryMinuteAfterTheTenth) {
  constexpr int MinutesPerDay = 1440;
  const ScheduleTimeline day = SimulateSchedule(ScheduleSettings{10, 1000}, MinutesPerDay - 10);
  ASSERT_EQ(day.events.size(), 2u * (MinutesPerDay - 10));
  for (std::size_t i = 0; i < day.events.size(); ++i) {
    const ScheduleEvent& e = day.events[i];
    const std::int64_t minute = 11 + static_cast<std::int64_t>(i / 2);
    EXPECT_EQ(e.kind, i % 2 == 0 ? Kind::Switch : Kind::SwitchBack) << i;
    EXPECT_EQ(e.atMs, minute * 60'000 + (i % 2 == 0 ? 0 : 1000)) << i;
    EXPECT_EQ(e.online, i % 2 == 1) << i;
  }
}

TEST(WindowsTimerDelayMs, ClampsToWindowsLimits) {
  const std::pair<std::uint32_t, std::uint32_t> cases[] = {
      {0, 10}, {9, 10}, {10, 10}, {11, 11}, {0x7FFFFFFF, 0x7FFFFFFF}, {0x80000000, 0x7FFFFFFF}, {0xFFFFFFFF, 0x7FFFFFFF}};
  for (const auto& [given, kept] : cases) EXPECT_EQ(WindowsTimerDelayMs(given), kept) << given;
}

}  // namespace
