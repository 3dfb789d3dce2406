#include "ScheduleForecast.h"

#include "ValueMeant.h"

namespace {

constexpr std::int64_t MillisecondsPerDay = 24LL * 60 * 60 * 1000;

// Days to one decimal, cut rather than rounded: "about 24.8 days" must not
// promise more than Windows waits.
std::string TenthsOfDays(std::int64_t milliseconds) {
  return ThousandthsText(milliseconds * 10 / MillisecondsPerDay * 100);
}

std::vector<ScheduleWarning> WarnAboutSchedule(const ScheduleTimeline& schedule) {
  std::vector<ScheduleWarning> warnings;
  if (schedule.firstSwitchMinute == 1) warnings.push_back(ScheduleWarning::IntervalNotPositive);
  if (schedule.countedMinutes >= HugeIntervalMinutes) warnings.push_back(ScheduleWarning::IntervalHuge);
  if (schedule.armedDelayMs == 0) warnings.push_back(ScheduleWarning::WaitZero);
  if (schedule.nextSwitchCancelsSwitchBack) {
    // Windows capped the delay: the plug-in handed over a negative wait.
    const bool capped = schedule.timerDelayMs < schedule.armedDelayMs;
    warnings.push_back(capped ? ScheduleWarning::WaitNegative : ScheduleWarning::WaitMinuteOrMore);
  }
  return warnings;
}

}  // namespace

std::string SecondsText(std::int64_t milliseconds) { return ThousandthsText(milliseconds); }

ScheduleForecast ForecastSchedule(const std::optional<ScheduleSettings>& read) {
  const ScheduleTimeline schedule = SimulateSchedule(read);
  ScheduleForecast forecast;
  forecast.intervalMinutes = schedule.settings.intervalMinutes;
  forecast.firstSwitchMinute = schedule.firstSwitchMinute;
  forecast.switchesFromFirstTick = schedule.firstSwitchMinute == 1;
  forecast.waitMs = schedule.settings.connectWaitMs;
  // A wait of 0 switches back at once: a warning says so instead.
  forecast.switchBackInTime = schedule.switchBackAfterMs.has_value() && schedule.armedDelayMs != 0;
  forecast.switchBackAfterMs = schedule.switchBackAfterMs.value_or(0);
  forecast.switchBackSeconds = SecondsText(forecast.switchBackAfterMs);
  forecast.intervalDays = schedule.countedMinutes / (24 * 60);
  forecast.unsignedWaitMs = schedule.armedDelayMs;
  forecast.timerCapDays = TenthsOfDays(WindowsTimerMostMs);
  forecast.warnings = WarnAboutSchedule(schedule);
  return forecast;
}
