#pragma once
// When the plug-in switches the host's IMAP connection.
//
// The host drives it all, on its user-interface thread: SchedulerStart resets
// the minute count and reads the two settings, every SchedulerTick either
// counts or toggles, SchedulerExit cancels what is pending. After a toggle
// that sent the command, a thread timer runs ReconnectTimerProc once, the
// connection wait later, switching the connection back so that the host
// checks the server anew. The timer is dispatched by that same thread's
// message loop, so nothing here is locked.
//
// - The first `InterbalMinute` ticks after a start are only counted; every
//   later tick probes the host's menu and may toggle (0 or less: from the
//   first tick).
// - At most one follow-up timer is pending at any time; a new arming, a new
//   start and exit cancel it, and a follow-up arriving for a cancelled timer
//   only cancels it again. None is left after SchedulerExit.
// - Before the first start that read the settings, the interval and the wait
//   are both zero. A settings file that exists but cannot be opened (locked
//   by an editor, say) keeps the values of the last good start, so at the
//   very first start they stay zero: the plug-in then toggles from the first
//   tick and switches back at once. The count and the pending timer are reset
//   all the same.
#include <windows.h>

void SchedulerStart();
void SchedulerTick();
// At the host's exit, and when the library unloads: no timer may fire into
// code that is gone.
void SchedulerExit();

// The follow-up timer's procedure; only the timer calls it.
void CALLBACK ReconnectTimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);
