// TollimerDemo.exe run as a child process against the real Tollimer.dll, on
// a fast clock: what it prints is what the plug-in did to the host.
// Runs in the demo's layout folder (TollimerDemo.exe, PlugIns\Tollimer.dll).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <sstream>
#include <utility>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "HostMenuLayout.h"
#include "MachineSpeed.h"
#include "ProductIdentity.h"
#include "TempFolder.h"

namespace {

// Expected lines name the probe item and the command as "{item}" and
// "{command}": the numbers are the host's menu layout's.
std::vector<std::string> WithHostNumbers(std::vector<std::string> lines) {
  for (std::string& line : lines) {
    line = std::regex_replace(line, std::regex("\\{item\\}"), "item " + std::to_string(HostProbeItemId));
    line = std::regex_replace(line, std::regex("\\{command\\}"), "command " + std::to_string(HostImapToggleCommand));
  }
  return lines;
}

struct DemoRun {
  DWORD exitCode = 0;
  std::string output;
  std::vector<std::string> lines;
};

// One line of the timeline: "[   3.001 s] minute 3   toggled".
struct TimelineEvent {
  int milliseconds;
  std::string text;  // the label column and the text
};

std::vector<TimelineEvent> EventsOf(const DemoRun& run) {
  std::vector<TimelineEvent> events;
  const std::regex pattern(R"(\[ *([0-9]+)\.([0-9]{3}) s\] (.*))");
  for (const std::string& line : run.lines) {
    std::smatch match;
    if (std::regex_match(line, match, pattern)) {
      events.push_back({std::stoi(match[1]) * 1000 + std::stoi(match[2]), match[3]});
    }
  }
  return events;
}

std::vector<std::string> TextsOf(const std::vector<TimelineEvent>& events) {
  std::vector<std::string> texts;
  for (const TimelineEvent& event : events) texts.push_back(event.text);
  return texts;
}

// The first line that starts with `prefix`, without the prefix.
std::optional<std::string> LineAfter(const DemoRun& run, const std::string& prefix) {
  for (const std::string& line : run.lines) {
    if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
  }
  return std::nullopt;
}

// Runs the demo with --plugin-dir set to `pluginDir`.
DemoRun RunDemo(const TempFolder& pluginDir, const std::string& arguments) {
  DemoRun run;
  const ProgramRun program =
      RunProgram("TollimerDemo.exe", "TollimerDemo.exe --plugin-dir \"" + pluginDir.Path() + "\" " + arguments);
  if (!program.started) ADD_FAILURE() << "could not start TollimerDemo.exe, error " << program.startError;
  run.exitCode = program.exitCode;
  run.output = program.output;

  std::istringstream stream(run.output);
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    run.lines.push_back(line);
  }
  return run;
}

// One run without a settings file, shared by the cases that need nothing
// else: each run is a program start, the dearest step under emulation.
const DemoRun& RunWithoutSettings() {
  static const TempFolder folder{"demo-defaults"};
  static const DemoRun run = [] {
    CopyFileA("PlugIns\\Tollimer.dll", folder.PathOf("Tollimer.dll").c_str(), FALSE);
    return RunDemo(folder, "--minute-ms 200 --minutes 3");
  }();
  return run;
}

class DemoRunTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileA("PlugIns\\Tollimer.dll", pluginDir_.PathOf("Tollimer.dll").c_str(), FALSE))
        << "run in the demo's layout folder, after the build";
  }

  void WriteSettings(const std::string& text) { pluginDir_.Write("Tollimer.ini", text); }

  // Runs the demo with --plugin-dir set to this case's folder.
  DemoRun Run(const std::string& arguments) { return RunDemo(pluginDir_, arguments); }

  TempFolder pluginDir_{"demo"};
};

TEST_F(DemoRunTest, CountsThenTogglesEveryMinuteWithAFollowUp) {
  WriteSettings("[Env]\r\nInterbalMinute=2\r\nConnectWaitMilliSecond=300\r\n");
  // Each follow-up must come before the next minute, however slow the machine.
  const int minute = static_cast<int>(ScaledMs(1200));
  const DemoRun run = Run("--minute-ms " + std::to_string(minute) + " --minutes 4");
  ASSERT_EQ(run.exitCode, 0u) << run.output;

  const std::vector<TimelineEvent> events = EventsOf(run);
  const std::vector<std::string> expected = WithHostNumbers({
      "host       BKC_OnStart; IMAP connection online; {item} grayed",
      "minute 1   counted: the plug-in did not look at the menu",
      "minute 2   counted: the plug-in did not look at the menu",
      "minute 3   probe of {item}: grayed",
      "minute 3   {command}: IMAP connection online -> offline",
      "minute 3   toggled",
      "follow-up  probe of {item}: grayed",
      "follow-up  {command}: IMAP connection offline -> online; the host checks the server anew",
      "minute 4   probe of {item}: grayed",
      "minute 4   {command}: IMAP connection online -> offline",
      "minute 4   toggled",
      "follow-up  probe of {item}: grayed",
      "follow-up  {command}: IMAP connection offline -> online; the host checks the server anew",
      "host       BKC_OnExit; FreeLibrary",
  });
  ASSERT_EQ(TextsOf(events), expected) << run.output;
  EXPECT_EQ(LineAfter(run, "summary: "),
            "4 minutes: 2 counted, 0 skipped, 2 toggled; 4 commands; 2 follow-up probes, 2 follow-up toggles; "
            "IMAP connection online");

  // Minute k comes k minutes after the start; each follow-up about
  // ConnectWaitMilliSecond after its toggle.
  EXPECT_GE(events[1].milliseconds, minute);
  EXPECT_GE(events[3].milliseconds, 3 * minute);
  for (const std::size_t toggle : {4u, 9u}) {
    const int wait = events[toggle + 3].milliseconds - events[toggle].milliseconds;
    EXPECT_GE(wait, 280) << events[toggle].text;
    EXPECT_LT(wait, minute - 50) << events[toggle].text;
  }
}

TEST_F(DemoRunTest, TickWhileTheProbeItemIsNotGrayedSendsNothing) {
  WriteSettings("[Env]\r\nInterbalMinute=0\r\nConnectWaitMilliSecond=200\r\n");
  const DemoRun run = Run("--minute-ms 600 --minutes 2 --not-grayed-minutes 1");
  ASSERT_EQ(run.exitCode, 0u) << run.output;
  const std::vector<std::string> expected = WithHostNumbers({
      "host       BKC_OnStart; IMAP connection online; {item} not grayed",
      "minute 1   probe of {item}: not grayed",
      "minute 1   skipped: item not grayed, nothing sent",
      "minute 2   host idle again: {item} grayed",
      "minute 2   probe of {item}: grayed",
      "minute 2   {command}: IMAP connection online -> offline",
      "minute 2   toggled",
      "follow-up  probe of {item}: grayed",
      "follow-up  {command}: IMAP connection offline -> online; the host checks the server anew",
      "host       BKC_OnExit; FreeLibrary",
  });
  EXPECT_EQ(TextsOf(EventsOf(run)), expected) << run.output;
  EXPECT_EQ(LineAfter(run, "summary: "),
            "2 minutes: 0 counted, 1 skipped, 1 toggled; 2 commands; 1 follow-up probe, 1 follow-up toggle; "
            "IMAP connection online");
}

TEST_F(DemoRunTest, WithoutASettingsFileTheDefaultTenMinutesAreCounted) {
  const DemoRun& run = RunWithoutSettings();
  ASSERT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_TRUE(LineAfter(run, "  The file does not exist").has_value()) << run.output;
  EXPECT_EQ(LineAfter(run, "    InterbalMinute = "), "10 (default)") << run.output;
  EXPECT_EQ(LineAfter(run, "summary: "),
            "3 minutes: 3 counted, 0 skipped, 0 toggled; 0 commands; 0 follow-up probes, 0 follow-up toggles; "
            "IMAP connection online");
}

TEST_F(DemoRunTest, IniOptionPutsTheGivenSettingsBesideThePlugIn) {
  const std::string other = pluginDir_.Write("other.ini", "[Env]\nInterbalMinute=0\nConnectWaitMilliSecond=100\n");
  const DemoRun run = Run("--ini \"" + other + "\" --minute-ms 400 --minutes 1");
  ASSERT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(LineAfter(run, "    InterbalMinute = "), "0 (line 2)") << run.output;
  const std::vector<std::string> texts = TextsOf(EventsOf(run));
  EXPECT_NE(std::find(texts.begin(), texts.end(), "minute 1   toggled"), texts.end()) << run.output;
  EXPECT_EQ(LineAfter(run, "summary: "),
            "1 minute: 0 counted, 0 skipped, 1 toggled; 2 commands; 1 follow-up probe, 1 follow-up toggle; "
            "IMAP connection online");
}

TEST_F(DemoRunTest, ReportsTheSettingsInJapaneseAndWarnsOfAWaitLongerThanItsMinute) {
  WriteSettings("[Env]\r\nInterbalMinute=1\r\nConnectWaitMilliSecond=2000\r\n");
  const DemoRun run = Run("--lang ja --minute-ms 500 --minutes 0");
  ASSERT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(LineAfter(run, "    ConnectWaitMilliSecond = "), "2000（3 行目の値）") << run.output;
  EXPECT_TRUE(LineAfter(run, "TollimerDemo: note: one demo minute (500 ms) is shorter than the plug-in's wait before the "
                             "switch back (2000 ms)")
                  .has_value())
      << run.output;
  EXPECT_FALSE(Run("--minute-ms 2000 --minutes 0").output.find("TollimerDemo: note:") != std::string::npos);
}

TEST_F(DemoRunTest, PackagedSampleSettingsAreReadAsWritten) {
  // The release's commented sample, with shorter values put in: its comment
  // lines must leave both keys readable.
  const HANDLE file = CreateFileA("..\\packaging\\files\\Tollimer.ini", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "the packaged Tollimer.ini is built beside the demo's folder";
  std::string sample(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, sample.data(), static_cast<DWORD>(sample.size()), &read, nullptr);
  CloseHandle(file);
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"InterbalMinute=10\r\n", "InterbalMinute=1\r\n"},
                                 {"ConnectWaitMilliSecond=1000\r\n", "ConnectWaitMilliSecond=200\r\n"}}) {
    const auto at = sample.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    sample.replace(at, from.size(), to);
  }
  WriteSettings(sample);

  const DemoRun run = Run("--minute-ms 600 --minutes 2");
  ASSERT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(LineAfter(run, "summary: "),
            "2 minutes: 1 counted, 0 skipped, 1 toggled; 2 commands; 1 follow-up probe, 1 follow-up toggle; "
            "IMAP connection online");
  const std::vector<TimelineEvent> events = EventsOf(run);
  const std::vector<std::string> expected = WithHostNumbers({
      "host       BKC_OnStart; IMAP connection online; {item} grayed",
      "minute 1   counted: the plug-in did not look at the menu",
      "minute 2   probe of {item}: grayed",
      "minute 2   {command}: IMAP connection online -> offline",
      "minute 2   toggled",
      "follow-up  probe of {item}: grayed",
      "follow-up  {command}: IMAP connection offline -> online; the host checks the server anew",
      "host       BKC_OnExit; FreeLibrary",
  });
  ASSERT_EQ(TextsOf(events), expected) << run.output;
  EXPECT_GE(events[6].milliseconds - events[3].milliseconds, 180);
}

TEST_F(DemoRunTest, ShowsThePlugInInformationWithTheJapaneseDescriptionInUtf8) {
  const DemoRun& run = RunWithoutSettings();
  ASSERT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(LineAfter(run, "  name:        "), std::string(ProductName));
  EXPECT_EQ(LineAfter(run, "  version:     "), std::string(ProductVersion));
  const auto vendor = LineAfter(run, "  vendor:      ");
  ASSERT_TRUE(vendor.has_value()) << run.output;
  EXPECT_FALSE(vendor->empty());

  const auto description = LineAfter(run, "  description: ");
  ASSERT_TRUE(description.has_value()) << run.output;
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, description->data(),
                                         static_cast<int>(description->size()), nullptr, 0);
  ASSERT_GT(length, 0) << "not UTF-8: " << *description;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, description->data(), static_cast<int>(description->size()), wide.data(), length);
  int japanese = 0;
  for (const wchar_t c : wide) {
    EXPECT_NE(c, L'\xFFFD') << "a byte that Shift-JIS does not map";
    // Hiragana, katakana and the common ideographs.
    if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF)) ++japanese;
  }
  EXPECT_GE(japanese, 10) << *description;
}

TEST_F(DemoRunTest, HostWhoseGetVersionAnswersNullIsRefused) {
  const DemoRun run = Run("--fail-version --minute-ms 100 --minutes 1");
  EXPECT_EQ(run.exitCode, 1u);
  EXPECT_TRUE(LineAfter(run, "TollimerDemo: the plug-in refused to load (error 1114").has_value()) << run.output;
  EXPECT_EQ(run.output.find("BKC_"), std::string::npos) << run.output;
}

TEST_F(DemoRunTest, MissingPlugInIsReportedAsNotFound) {
  DeleteFileA(pluginDir_.PathOf("Tollimer.dll").c_str());
  const DemoRun run = Run("--minute-ms 100 --minutes 1");
  EXPECT_EQ(run.exitCode, 1u);
  const auto error = LineAfter(run, "TollimerDemo: could not load ");
  ASSERT_TRUE(error.has_value()) << run.output;
  EXPECT_NE(error->find("Tollimer.dll (error 126"), std::string::npos) << *error;
}

}  // namespace
