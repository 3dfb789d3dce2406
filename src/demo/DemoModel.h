#pragma once
// What the demo host decides and prints, as free functions without side
// effects. Portable: no Windows headers.
#include <string>

// The demo host's rule for its menu, which it applies itself at every minute,
// as a real host keeps its menu up to date: the probe item is grayed
// while the host is idle, which is when the plug-in may switch the IMAP
// connection, and enabled while the host is busy. The host is busy during
// from its start (minute 0) through minute `notGrayedMinutes`, and idle after;
// with 0 it is never busy. The state of minute k is set before tick k.
bool ProbeItemGrayed(int minute, int notGrayedMinutes);

// What one BKC_OnEveryMinute did, as seen from the host: the plug-in looks at
// the menu (through BKA_GetWindowHandles) only on a tick that is not merely
// counted, and sends the toggle command only when it found the probe item
// grayed (both in HostMenuLayout.h).
enum class TickOutcome { Counted, Skipped, Toggled };
TickOutcome ClassifyTick(int probes, int commands);
const char* TickOutcomeText(TickOutcome outcome);

struct RunCounts {
  int ticks = 0;
  int counted = 0;
  int skipped = 0;
  int toggled = 0;
  int commands = 0;         // every toggle command received
  int followUpProbes = 0;   // menu probes between ticks (the plug-in's timer)
  int followUpToggles = 0;  // commands received between ticks
  bool online = true;       // the IMAP connection at the end
};
void CountTick(RunCounts& counts, TickOutcome outcome);
std::string SummaryText(const RunCounts& counts);

// "1 minute", "0 minutes", "2 minutes": a count with its noun in the right
// number. `noun` is the singular; the plural adds "s".
std::string CountOf(int count, const char* noun);

// "[  15.003 s]": time since the demo started, aligned for a timeline.
std::string FormatElapsed(long long microseconds);
