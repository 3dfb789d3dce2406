#pragma once
// The host's BKA_ functions, bound by name from the host's executable.
//
// One object, HostApi, is made and bound while the library loads, on the
// loading thread, and only read afterwards on the host's user-interface
// thread. Callers call the host directly through its fields; there are no
// wrappers. Binding calls no host function but BKA_GetVersion, once.
#include <windows.h>

#include "HostExports.h"

// The two host functions the plug-in calls; both are stdcall.
using GetVersionFn = LPCSTR(WINAPI*)();
using GetWindowHandlesFn = BOOL(WINAPI*)(HWND* main, HWND* tree, HWND* list, HWND* view);
// Every other export is only looked up and kept, never called.
using HostEntry = FARPROC;

// windows.h makes GetTempFileName a macro; the field keeps the host's name.
#pragma push_macro("GetTempFileName")
#undef GetTempFileName

class TBeckyAPI final {
 public:
#define TOLLIMER_DECLARE_FIELD(field, type, need) type field = nullptr;
  TOLLIMER_HOST_EXPORTS(TOLLIMER_DECLARE_FIELD)
#undef TOLLIMER_DECLARE_FIELD

  // The host's executable; non-null exactly while the object is bound.
  HMODULE HostModule = nullptr;

  // Looks the host's exports up by name. True when the object is bound, by
  // this call or an earlier one. A failed attempt leaves HostModule null, so a
  // later call starts over; fields filled before the failure keep their
  // addresses. Never throws; a structured exception raised by the host's
  // GetVersion fails the attempt.
  bool BindHost();
};

#pragma pop_macro("GetTempFileName")

// The plug-in's single host interface, made at library load.
extern TBeckyAPI* HostApi;
