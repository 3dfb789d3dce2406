#pragma once
// The scheduler's Windows side: it reads the settings at each start, feeds
// the host's callbacks and the follow-up timer to the scheduler's state
// machine (ReconnectSchedule.h, where the rules stand), and carries out what
// the machine answers with SetTimer, KillTimer and the host's menu probe and
// command (ServerToggle.h). The follow-up is a thread timer, dispatched by
// the host's user-interface thread's message loop, the thread of every call
// here, so nothing is locked.

void SchedulerStart();
void SchedulerTick();
// At the host's exit, and when the library unloads.
void SchedulerExit();
