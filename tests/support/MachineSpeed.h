#pragma once
// How long a test may wait for something that takes real time (a thread
// timer, a child process, a demo run), as a multiple of what suffices on a
// machine that runs the Windows programs natively. Under an emulated i386
// (qemu-user, on kernels without 32-bit support) the same program runs
// slower, by a factor that depends on the qemu release and the machine, and
// a fixed window would fail there for no fault of the code under test.
//
// The factor is measured once per process: a fixed piece of work is timed
// and compared with its time on a native machine. TOLLIMER_TIME_SCALE (a
// number of 1 or more) in the environment sets a lower bound, for runs
// known in advance to be slow. Never below 1: on a fast machine the limits
// stay as written.
#include <windows.h>

double MachineSlowdown();

// `nativeMs` stretched by MachineSlowdown().
DWORD ScaledMs(DWORD nativeMs);
