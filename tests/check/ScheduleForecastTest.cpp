// The schedule's facts and warnings, read off the plug-in's own scheduler
// for the values it runs with.
#include "ScheduleForecast.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

struct ForecastCase {
  std::optional<ScheduleSettings> read;  // none: the file could not be opened
  std::int64_t firstSwitchMinute;
  std::vector<ScheduleWarning> warnings;
};

TEST(ForecastSchedule, WarnsOfSurprisingValuesOnly) {
  using W = ScheduleWarning;
  const ForecastCase cases[] = {
      {ScheduleSettings{10, 1000}, 11, {}},
      {ScheduleSettings{0, 1}, 1, {W::IntervalNotPositive}},
      {ScheduleSettings{-5, 59'999}, 1, {W::IntervalNotPositive}},
      {ScheduleSettings{HugeIntervalMinutes - 1, 1000}, HugeIntervalMinutes, {}},
      {ScheduleSettings{HugeIntervalMinutes, 1000}, HugeIntervalMinutes + 1, {W::IntervalHuge}},
      {ScheduleSettings{1, 0}, 2, {W::WaitZero}},
      {ScheduleSettings{1, 60'000}, 2, {W::WaitMinuteOrMore}},
      {ScheduleSettings{1, -1}, 2, {W::WaitNegative}},
      {ScheduleSettings{1, 9}, 2, {}},
      {ScheduleSettings{1, 59'999}, 2, {}},
      {ScheduleSettings{1, 2147483647}, 2, {W::WaitMinuteOrMore}},
      {ScheduleSettings{0, -2147483647 - 1}, 1, {W::IntervalNotPositive, W::WaitNegative}},
      {ScheduleSettings{2147483647, 1000}, 2147483648LL, {W::IntervalHuge}},
      // A file that cannot be opened: the values the plug-in had, 0 and 0 at
      // the host's start, whatever the file holds.
      {std::nullopt, 1, {W::IntervalNotPositive, W::WaitZero}},
  };
  for (const ForecastCase& c : cases) {
    const ScheduleForecast forecast = ForecastSchedule(c.read);
    const ScheduleSettings shown = c.read.value_or(ScheduleSettings{});
    EXPECT_EQ(forecast.firstSwitchMinute, c.firstSwitchMinute) << shown.intervalMinutes << " " << shown.connectWaitMs;
    EXPECT_EQ(forecast.warnings, c.warnings) << shown.intervalMinutes << " " << shown.connectWaitMs;
  }
}

TEST(SecondsText, WritesMillisecondsAsSecondsWithoutTrailingZeros) {
  EXPECT_EQ(SecondsText(1500), "1.5");
  EXPECT_EQ(SecondsText(1000), "1");
  EXPECT_EQ(SecondsText(10), "0.01");
  EXPECT_EQ(SecondsText(60'001), "60.001");
}

}  // namespace
