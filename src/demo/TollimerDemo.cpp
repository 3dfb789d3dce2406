// TollimerDemo: a small stand-in for the mail client that loads Tollimer.dll
// the way the mail client loads its plug-ins and drives it on an accelerated
// clock, printing a timeline of what the plug-in does to the host.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "CheckReport.h"
#include "DemoHost.h"
#include "DemoModel.h"
#include "DemoOptions.h"
#include "PluginLibrary.h"
#include "SettingsCheck.h"
#include "Timeline.h"
#include "Paths.h"
#include "Text.h"

namespace {

// TollimerCheck's report on the file the plug-in will read, indented under
// the heading, and a note when a demo minute ends before the plug-in's switch
// back would come.
void PrintSettingsCheck(Timeline& timeline, const DemoOptions& options, const std::wstring& pluginPath) {
  const SettingsCheck check = CheckSettingsFile(SettingsPathFor(pluginPath));
  const std::string report =
      WriteCheckReport(check.facts, options.japanese ? ReportLanguage::Japanese : ReportLanguage::English);
  timeline.Print("settings check (as TollimerCheck.exe reports it):\n");
  for (std::size_t begin = 0; begin < report.size();) {
    const std::size_t end = report.find('\n', begin);
    const std::string line = report.substr(begin, end - begin);
    timeline.Print(line.empty() ? "\n" : "  " + line + "\n");
    begin = end == std::string::npos ? report.size() : end + 1;
  }
  const auto wait = static_cast<std::uint32_t>(EffectiveValue(check.facts, ConnectWaitSetting));
  if (static_cast<std::uint32_t>(options.minuteMs) < wait) {
    timeline.Print("TollimerDemo: note: one demo minute (" + std::to_string(options.minuteMs) +
                   " ms) is shorter than the plug-in's wait before the switch back (" + std::to_string(wait) +
                   " ms): the next minute's switch or the end of the run comes first.\n");
  }
}

void PrintInformation(Timeline& timeline, PluginLibrary& plugin) {
  PluginInfoRecord record{};
  plugin.OnPlugInInfo(&record);
  auto field = [](const char* text, std::size_t width) {
    return CodePageToUtf8(std::string_view(text, strnlen(text, width)), 932);
  };
  timeline.Print("plug-in information (BKC_OnPlugInInfo):\n");
  timeline.Print("  name:        " + field(record.name, sizeof record.name) + "\n");
  timeline.Print("  vendor:      " + field(record.vendor, sizeof record.vendor) + "\n");
  timeline.Print("  version:     " + field(record.version, sizeof record.version) + "\n");
  timeline.Print("  description: " + field(record.description, sizeof record.description) + "\n");
}

// Dispatches this thread's messages, the plug-in's timer among them, until
// `deadline` (microseconds on the timeline) or until `done` says so.
template <typename Done>
void RunMessageLoopUntil(const Timeline& timeline, long long deadline, Done done) {
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (done()) return;
    const long long left = deadline - timeline.ElapsedMicroseconds();
    if (left <= 0) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>((left + 999) / 1000), QS_ALLINPUT);
  }
}

int Run(const DemoOptions& options) {
  Timeline timeline;
  const std::wstring pluginDir = FullPathOf(options.pluginDir.empty() ? JoinPath(FolderOf(ProgramPath()), L"PlugIns")
                                                                      : CodePageToWide(options.pluginDir, CP_ACP));
  const std::wstring pluginPath = JoinPath(pluginDir, L"Tollimer.dll");
  const std::wstring settingsPath = JoinPath(pluginDir, L"Tollimer.ini");

  if (!options.iniPath.empty() &&
      !CopyFileW(CodePageToWide(options.iniPath, CP_ACP).c_str(), settingsPath.c_str(), FALSE)) {
    timeline.Print("TollimerDemo: could not copy " + CodePageToUtf8(options.iniPath, CP_ACP) + " to " +
                   WideToUtf8(settingsPath) + " (" + DescribeError(GetLastError()) + ")\n");
    return 1;
  }

  timeline.Print(std::string("Tollimer demo host: a stand-in for the mail client, version ") + DemoHostVersion +
                 (options.failVersion ? " (told to answer BKA_GetVersion with null)" : "") + "\n");
  timeline.Print("plug-in:  " + WideToUtf8(pluginPath) + "\n");
  PrintSettingsCheck(timeline, options, pluginPath);
  std::string clock =
      "clock:    1 minute = " + std::to_string(options.minuteMs) + " ms, " + CountOf(options.minutes, "minute");
  if (options.notGrayedMinutes > 0) {
    clock += "; host busy (" + ProbeItemName() + " not grayed) for the first " +
             CountOf(options.notGrayedMinutes, "minute");
  }
  timeline.Print(clock + "\n\n");

  DemoHost host(timeline, options.notGrayedMinutes, options.failVersion);
  if (!host.CreateMainWindow()) {
    timeline.Print("TollimerDemo: could not create the main window (" + DescribeError(GetLastError()) + ")\n");
    return 1;
  }

  PluginLibrary plugin;
  if (!plugin.Load(pluginPath)) {
    timeline.Print("TollimerDemo: " + plugin.Error() + "\n");
    return 1;
  }
  PrintInformation(timeline, plugin);
  timeline.Print("\n");

  timeline.Restart();
  timeline.Event("host", "BKC_OnStart; IMAP connection online; " + ProbeItemName() +
                             (host.ProbeItemIsGrayed() ? " grayed" : " not grayed"));
  plugin.OnStart();

  const long long minuteUs = static_cast<long long>(options.minuteMs) * 1000;
  TickOutcome last = TickOutcome::Counted;
  for (int minute = 1; minute <= options.minutes; ++minute) {
    RunMessageLoopUntil(timeline, minute * minuteUs, [] { return false; });
    host.BeginMinute(minute);
    plugin.OnEveryMinute();
    last = host.EndMinute();
  }
  // A toggle on the last minute leaves the plug-in's follow-up pending: give
  // it up to one more minute before the host closes.
  if (last == TickOutcome::Toggled) {
    const int probesBefore = host.Counts().followUpProbes;
    RunMessageLoopUntil(timeline, (options.minutes + 1) * minuteUs,
                        [&] { return host.Counts().followUpProbes > probesBefore; });
  }

  timeline.Event("host", "BKC_OnExit; FreeLibrary");
  plugin.OnExit();
  plugin.Unload();
  timeline.Print("\nsummary: " + SummaryText(host.Counts()) + "\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const ParsedOptions parsed = ParseDemoOptions(arguments);
  if (!parsed.options) {
    Timeline().Print("TollimerDemo: " + parsed.error + " (--help lists the options)\n");
    return 2;
  }
  if (parsed.options->help) {
    Timeline().Print(DemoUsage);
    return 0;
  }
  return Run(*parsed.options);
}
