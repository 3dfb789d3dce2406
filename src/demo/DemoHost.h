#pragma once
// The demo's stand-in for the mail client: a hidden main window whose menu bar
// holds the probe item, an IMAP connection that the toggle command switches, and
// the BKA_ functions that the demo's executable exports by name
// (cmake/HostExports.cmake). Everything runs on the demo's one thread, which
// is the plug-in's user-interface thread: the BKC_ calls, the window
// procedure and the plug-in's timer all run there.
#include <windows.h>

#include <string>

#include "DemoModel.h"
#include "HostMenuLayout.h"
#include "Timeline.h"
inline constexpr char DemoHostVersion[] = "2.60.00";

class DemoHost {
 public:
  DemoHost(Timeline& timeline, int notGrayedMinutes, bool failVersion);
  ~DemoHost();
  DemoHost(const DemoHost&) = delete;
  DemoHost& operator=(const DemoHost&) = delete;

  // The main window and its menu; false when the platform refused them.
  bool CreateMainWindow();
  HWND MainWindow() const { return mainWindow_; }
  bool ProbeItemIsGrayed() const;

  // Around one BKC_OnEveryMinute: the host updates its menu for the minute,
  // then tells from what reached it whether the tick was counted, skipped or
  // toggled.
  void BeginMinute(int minute);
  TickOutcome EndMinute();

  const RunCounts& Counts() const { return counts_; }

  // Reached from the exported BKA_ functions and the window procedure.
  const char* AnswerVersion() const;
  void OnProbe();
  void OnCommand(WPARAM wParam);
  void OnUnexpectedCall(const char* name);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void SetProbeItemGrayed(bool grayed);
  std::string Label() const;

  Timeline& timeline_;
  const int notGrayedMinutes_;
  const bool failVersion_;
  HWND mainWindow_ = nullptr;
  HMENU probeMenu_ = nullptr;

  int minute_ = 0;  // the tick being delivered, or the last one
  bool inTick_ = false;
  int tickProbes_ = 0;
  int tickCommands_ = 0;
  RunCounts counts_;
};

// "item <number>", as the demo names the probe item.
std::string ProbeItemName();

// The one host of this process, for the exported functions; set while a
// DemoHost exists.
extern DemoHost* TheDemoHost;
