#include "ScheduleForecast.h"

namespace {

constexpr std::int64_t MillisecondsPerDay = 24LL * 60 * 60 * 1000;

// Days to one decimal, cut rather than rounded: "about 24.8 days" must not
// promise more than Windows waits.
std::string TenthsOfDays(std::int64_t milliseconds) {
  const std::int64_t tenths = milliseconds * 10 / MillisecondsPerDay;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace

std::string SecondsText(std::int64_t milliseconds) {
  std::string text = std::to_string(milliseconds / 1000);
  const std::int64_t fraction = milliseconds % 1000;
  if (fraction != 0) {
    std::string digits = std::to_string(1000 + fraction).substr(1);
    while (digits.back() == '0') digits.pop_back();
    text += "." + digits;
  }
  return text;
}

ScheduleForecast ForecastSchedule(std::int32_t intervalMinutes, std::int32_t waitMs) {
  ScheduleForecast forecast;
  forecast.intervalMinutes = intervalMinutes;
  forecast.firstSwitchMinute = FirstSwitchMinute(intervalMinutes);
  forecast.switchesFromFirstTick = intervalMinutes <= 0;
  forecast.waitMs = waitMs;
  forecast.switchBackInTime = waitMs > 0 && waitMs < MinuteMilliseconds;
  forecast.waitSeconds = SecondsText(waitMs);
  forecast.intervalDays = intervalMinutes / (24 * 60);
  forecast.unsignedWaitMs = static_cast<std::uint32_t>(waitMs);
  forecast.timerCapDays = TenthsOfDays(TimerMaximumMs);
  forecast.warnings = WarnAboutSchedule(intervalMinutes, waitMs);
  return forecast;
}
