#include "DemoModel.h"

#include <cstdio>

bool ProbeItemGrayed(int minute, int notGrayedMinutes) {
  const bool busy = notGrayedMinutes > 0 && minute <= notGrayedMinutes;
  return !busy;
}

TickOutcome ClassifyTick(int probes, int commands) {
  if (commands > 0) return TickOutcome::Toggled;
  if (probes > 0) return TickOutcome::Skipped;
  return TickOutcome::Counted;
}

const char* TickOutcomeText(TickOutcome outcome) {
  switch (outcome) {
    case TickOutcome::Counted:
      return "counted: the plug-in did not look at the menu";
    case TickOutcome::Skipped:
      return "skipped: item not grayed, nothing sent";
    case TickOutcome::Toggled:
      return "toggled";
  }
  return "";
}

void CountTick(RunCounts& counts, TickOutcome outcome) {
  ++counts.ticks;
  switch (outcome) {
    case TickOutcome::Counted:
      ++counts.counted;
      break;
    case TickOutcome::Skipped:
      ++counts.skipped;
      break;
    case TickOutcome::Toggled:
      ++counts.toggled;
      break;
  }
}

std::string CountOf(int count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string SummaryText(const RunCounts& counts) {
  char text[128];
  std::snprintf(text, sizeof text, ": %d counted, %d skipped, %d toggled; ", counts.counted, counts.skipped,
                counts.toggled);
  return CountOf(counts.ticks, "minute") + text + CountOf(counts.commands, "command") + "; " +
         CountOf(counts.followUpProbes, "follow-up probe") + ", " + CountOf(counts.followUpToggles, "follow-up toggle") +
         "; IMAP connection " + (counts.online ? "online" : "offline");
}

std::string FormatElapsed(long long microseconds) {
  char text[32];
  const long long milliseconds = microseconds / 1000;
  std::snprintf(text, sizeof text, "[%4lld.%03lld s]", milliseconds / 1000, milliseconds % 1000);
  return text;
}
