#pragma once
// When the plug-in switches the host's IMAP connection.
//
// The host drives it all, on its user-interface thread: start resets the
// counter and reads the two settings, every minute tick either counts or
// toggles, exit cancels what is pending. After a toggle that sent the
// command, a thread timer toggles once more ConnectWaitMs later, switching
// the connection back so that the host checks the server anew. The timer is
// dispatched by that same thread's message loop, so nothing here is locked.
//
// At most one follow-up timer exists at any time; ToggleTimerId names it
// (0: none), and none is left after SchedulerExit.
#include <windows.h>

#include <cstdint>

#include "SettingsPath.h"

// Ticks counted since start; stops growing at IntervalMinutes.
extern std::int32_t MinuteCount;
// Ticks that are only counted before toggling starts.
extern std::int32_t IntervalMinutes;
// Wait before the follow-up toggle; handed to the timer as unsigned.
extern std::int32_t ConnectWaitMs;
// The pending follow-up timer, or 0.
extern UINT_PTR ToggleTimerId;
// Where the settings file is read from; set once at library load.
extern SettingsPathBuffer SettingsPath;

void SchedulerStart();
void SchedulerTick();
// At the host's exit, and when the library unloads: no timer may fire into
// code that is gone.
void SchedulerExit();

void CALLBACK ReconnectTimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);
