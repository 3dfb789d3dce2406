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

std::string SummaryText(const RunCounts& counts) {
  char text[256];
  std::snprintf(text, sizeof text,
                "%d minutes: %d counted, %d skipped, %d toggled; %d commands; "
                "%d follow-up probes, %d follow-up toggles; IMAP connection %s",
                counts.ticks, counts.counted, counts.skipped, counts.toggled, counts.commands, counts.followUpProbes,
                counts.followUpToggles, counts.online ? "online" : "offline");
  return text;
}

std::string FormatElapsed(long long microseconds) {
  char text[32];
  const long long milliseconds = microseconds / 1000;
  std::snprintf(text, sizeof text, "[%4lld.%03lld s]", milliseconds / 1000, milliseconds % 1000);
  return text;
}
