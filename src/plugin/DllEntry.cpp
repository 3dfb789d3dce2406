// Library load and unload. DllMain is the DLL's entry point itself: no C
// runtime start-up runs before it, so nothing in the DLL may need one (no
// global constructors, no atexit, no thread-local data; every module-wide
// value is constinit). Everything here runs inside the loader's notification,
// on whatever thread the platform delivers it on.
#include <windows.h>

#include <new>
#include <string_view>

#include "BeckyAPI.h"
#include "PluginSettingsPath.h"
#include "SchedulerAdapter.h"
#include "SettingsLocation.h"
#include "StackGuard.h"

namespace {

// Makes HostApi and binds the host. False refuses the load; the host then
// never calls the plug-in. Never inlined into DllMain, which seeds the stack
// cookie and so may not check one itself.
[[gnu::noinline]] bool InitializePlugin(HINSTANCE library) {
  // The process heap, not operator new: an allocation failure must end in
  // a refused load, never in an exception inside the host's loader.
  void* storage = HeapAlloc(GetProcessHeap(), 0, sizeof(TBeckyAPI));
  if (storage == nullptr) return false;
  HostApi = new (storage) TBeckyAPI;
  if (!HostApi->BindHost()) return false;

  // The settings file lies beside this library, under its name. A path the
  // plug-in's ANSI functions cannot take as it is gives none: the defaults.
  wchar_t libraryPath[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(library, libraryPath, MAX_PATH);
  DerivePluginSettingsPath(std::wstring_view(libraryPath, length), SettingsPath);
  return true;
}

// Called at unload and after a refused load. Calls no host function.
[[gnu::noinline]] void FinalizePlugin() {
  SchedulerExit();
  if (HostApi == nullptr) return;
  HostApi->~TBeckyAPI();
  HeapFree(GetProcessHeap(), 0, HostApi);
  HostApi = nullptr;
}

}  // namespace

extern "C" __attribute__((no_stack_protector)) BOOL WINAPI DllMain(HINSTANCE library, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      SeedStackGuard(library);
      return InitializePlugin(library) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
      // At process exit (reserved non-null) other threads are gone and the
      // heap is about to be, so there is nothing worth tidying.
      if (reserved == nullptr) FinalizePlugin();
      return TRUE;
    default:  // thread attach and detach: nothing of the plug-in's own
      return TRUE;
  }
}
