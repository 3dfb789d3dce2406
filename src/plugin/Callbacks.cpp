// The BKC_ functions the host calls, on its user-interface thread. Each is
// stdcall and declared with exactly the host's number of 32-bit arguments,
// so that it removes them from the host's stack; Tollimer.def exports the
// decorated names under the plain ones, and a wrong count fails the link.
// Every callback answers 0, which the host takes as "carry on".
#include <windows.h>

#include "PluginInfo.h"
#include "SchedulerAdapter.h"

// An argument whose meaning is the host's; the plug-in does not read it.
using HostArgument = INT_PTR;

extern "C" {

int WINAPI BKC_OnStart() {
  SchedulerStart();
  return 0;
}

int WINAPI BKC_OnExit() {
  SchedulerExit();
  return 0;
}

int WINAPI BKC_OnMenuInit(HostArgument, HostArgument, HostArgument) { return 0; }

int WINAPI BKC_OnOpenFolder(HostArgument) { return 0; }

int WINAPI BKC_OnOpenMail(HostArgument) { return 0; }

int WINAPI BKC_OnEveryMinute() {
  SchedulerTick();
  return 0;
}

int WINAPI BKC_OnOpenCompose(HostArgument, HostArgument) { return 0; }

int WINAPI BKC_OnOutgoing(HostArgument, HostArgument) { return 0; }

int WINAPI BKC_OnKeyDispatch(HostArgument, HostArgument, HostArgument) { return 0; }

int WINAPI BKC_OnRetrieve(HostArgument, HostArgument) { return 0; }

int WINAPI BKC_OnSend(HostArgument) { return 0; }

int WINAPI BKC_OnFinishRetrieve(HostArgument) { return 0; }

// There is no setup dialog: the settings live in Tollimer.ini.
int WINAPI BKC_OnPlugInSetup(HostArgument) { return 0; }

int WINAPI BKC_OnPlugInInfo(char* record) {
  FillPluginInfo(record);
  return 0;
}

int WINAPI BKC_OnDragDrop(HostArgument, HostArgument, HostArgument, HostArgument) { return 0; }

}  // extern "C"
