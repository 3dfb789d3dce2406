// The demo host's decisions and its command line, without running it.
#include "DemoModel.h"
#include "DemoOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct OptionsCase {
  std::vector<std::string_view> arguments;
  int minuteMs;
  int minutes;
  int notGrayedMinutes;
  std::string iniPath;
  std::string pluginDir;
  bool failVersion;
  bool help;
};

TEST(DemoOptions, WellFormedCommandLinesReadAsExpected) {
  const OptionsCase cases[] = {
      {{}, 5000, 6, 0, "", "", false, false},
      {{"--minute-ms", "250", "--minutes", "3"}, 250, 3, 0, "", "", false, false},
      {{"--minute-ms=250", "--minutes=3"}, 250, 3, 0, "", "", false, false},
      {{"--not-grayed-minutes", "2"}, 5000, 6, 2, "", "", false, false},
      {{"--ini", "C:\\my settings.ini"}, 5000, 6, 0, "C:\\my settings.ini", "", false, false},
      {{"--ini=a=b.ini"}, 5000, 6, 0, "a=b.ini", "", false, false},
      {{"--plugin-dir", "D:\\PlugIns"}, 5000, 6, 0, "", "D:\\PlugIns", false, false},
      {{"--fail-version"}, 5000, 6, 0, "", "", true, false},
      {{"--help"}, 5000, 6, 0, "", "", false, true},
      {{"/?"}, 5000, 6, 0, "", "", false, true},
      {{"--minutes", "0"}, 5000, 0, 0, "", "", false, false},
      {{"--minutes", "1", "--minutes", "2"}, 5000, 2, 0, "", "", false, false},
  };
  for (const OptionsCase& c : cases) {
    std::string line;
    for (const auto argument : c.arguments) line += std::string(argument) + " ";
    const ParsedOptions parsed = ParseDemoOptions(c.arguments);
    ASSERT_TRUE(parsed.options.has_value()) << line << ": " << parsed.error;
    EXPECT_EQ(parsed.options->minuteMs, c.minuteMs) << line;
    EXPECT_EQ(parsed.options->minutes, c.minutes) << line;
    EXPECT_EQ(parsed.options->notGrayedMinutes, c.notGrayedMinutes) << line;
    EXPECT_EQ(parsed.options->iniPath, c.iniPath) << line;
    EXPECT_EQ(parsed.options->pluginDir, c.pluginDir) << line;
    EXPECT_EQ(parsed.options->failVersion, c.failVersion) << line;
    EXPECT_EQ(parsed.options->help, c.help) << line;
  }
}

struct RejectedCase {
  std::vector<std::string_view> arguments;
  std::string error;
};

TEST(DemoOptions, MalformedCommandLinesAreRejectedWithAReason) {
  const RejectedCase cases[] = {
      {{"--minutes"}, "--minutes needs a number"},
      {{"--minutes", "three"}, "--minutes takes a whole number from 0 to 100000, not \"three\""},
      {{"--minutes", "3x"}, "--minutes takes a whole number from 0 to 100000, not \"3x\""},
      {{"--minutes", "-1"}, "--minutes takes a whole number from 0 to 100000, not \"-1\""},
      {{"--minute-ms", "0"}, "--minute-ms takes a whole number from 1 to 3600000, not \"0\""},
      {{"--minute-ms="}, "--minute-ms takes a whole number from 1 to 3600000, not \"\""},
      {{"--not-grayed-minutes", "99999999999"},
       "--not-grayed-minutes takes a whole number from 0 to 2147483647, not \"99999999999\""},
      {{"--ini"}, "--ini needs a path"},
      {{"--plugin-dir="}, "--plugin-dir needs a path"},
      {{"--fail-version=yes"}, "--fail-version takes no value"},
      {{"--minuets", "3"}, "unknown option \"--minuets\""},
      {{"3"}, "unknown option \"3\""},
  };
  for (const RejectedCase& c : cases) {
    const ParsedOptions parsed = ParseDemoOptions(c.arguments);
    EXPECT_FALSE(parsed.options.has_value()) << c.error;
    EXPECT_EQ(parsed.error, c.error);
  }
}

TEST(DemoModel, ProbeItemIsNotGrayedOnlyWhileTheHostIsBusy) {
  // With no busy minutes the item is grayed from the start on.
  EXPECT_TRUE(ProbeItemGrayed(0, 0));
  EXPECT_TRUE(ProbeItemGrayed(1, 0));
  // Busy from the start through minute 2, idle from minute 3.
  EXPECT_FALSE(ProbeItemGrayed(0, 2));
  EXPECT_FALSE(ProbeItemGrayed(1, 2));
  EXPECT_FALSE(ProbeItemGrayed(2, 2));
  EXPECT_TRUE(ProbeItemGrayed(3, 2));
  EXPECT_TRUE(ProbeItemGrayed(100, 2));
}

TEST(DemoModel, ATickIsToldByWhatReachedTheHost) {
  EXPECT_EQ(ClassifyTick(0, 0), TickOutcome::Counted);
  EXPECT_EQ(ClassifyTick(1, 0), TickOutcome::Skipped);
  EXPECT_EQ(ClassifyTick(1, 1), TickOutcome::Toggled);
  // A command is a toggle even if the host saw no probe before it.
  EXPECT_EQ(ClassifyTick(0, 1), TickOutcome::Toggled);
}

TEST(DemoModel, SummaryCountsEveryKindOfTick) {
  RunCounts counts;
  for (const TickOutcome outcome : {TickOutcome::Counted, TickOutcome::Counted, TickOutcome::Skipped,
                                    TickOutcome::Toggled, TickOutcome::Toggled, TickOutcome::Toggled}) {
    CountTick(counts, outcome);
  }
  counts.commands = 5;
  counts.followUpProbes = 3;
  counts.followUpToggles = 2;
  counts.online = false;
  EXPECT_EQ(SummaryText(counts),
            "6 minutes: 2 counted, 1 skipped, 3 toggled; 5 commands; 3 follow-up probes, 2 follow-up toggles; "
            "IMAP connection offline");
}

TEST(DemoModel, SummarySaysOneInTheSingular) {
  RunCounts counts;
  CountTick(counts, TickOutcome::Toggled);
  counts.commands = 1;
  counts.followUpProbes = 1;
  counts.followUpToggles = 0;
  EXPECT_EQ(SummaryText(counts),
            "1 minute: 0 counted, 0 skipped, 1 toggled; 1 command; 1 follow-up probe, 0 follow-up toggles; "
            "IMAP connection online");
  EXPECT_EQ(CountOf(0, "minute"), "0 minutes");
  EXPECT_EQ(CountOf(2, "minute"), "2 minutes");
}

TEST(DemoModel, ElapsedTimeIsShownInMillisecondsAligned) {
  EXPECT_EQ(FormatElapsed(0), "[   0.000 s]");
  EXPECT_EQ(FormatElapsed(1'500'999), "[   1.500 s]");
  EXPECT_EQ(FormatElapsed(15'003'000), "[  15.003 s]");
  EXPECT_EQ(FormatElapsed(12'345'678'000), "[12345.678 s]");
}

}  // namespace
