#pragma once
// Tollimer.dll as the host sees it: loaded with LoadLibraryA, so that the
// plug-in binds this process's BKA_ exports and reads the Tollimer.ini beside
// it, and reached through the BKC_ callbacks that the demo calls.
#include <windows.h>

#include <cstddef>
#include <string>

// The plug-in's information record, allocated and zero-filled by the host:
// NUL-terminated texts in the system code page (Shift-JIS) at fixed offsets.
struct PluginInfoRecord {
  char name[80];
  char vendor[80];
  char version[80];
  char description[256];
};
static_assert(offsetof(PluginInfoRecord, vendor) == 80 && offsetof(PluginInfoRecord, version) == 160 &&
              offsetof(PluginInfoRecord, description) == 240);

// The callbacks the demo calls, all stdcall. X(name, type)
using PluginCallbackFn = int(WINAPI*)();
using PluginInfoFn = int(WINAPI*)(PluginInfoRecord* record);
#define DEMO_PLUGIN_CALLBACKS(X)      \
  X(OnPlugInInfo, PluginInfoFn)       \
  X(OnStart, PluginCallbackFn)        \
  X(OnEveryMinute, PluginCallbackFn)  \
  X(OnExit, PluginCallbackFn)

class PluginLibrary {
 public:
  PluginLibrary() = default;
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Loads the library and looks its callbacks up. On failure `Error()` says
  // why and nothing stays loaded.
  bool Load(const std::wstring& path);
  // FreeLibrary, once.
  void Unload();
  const std::string& Error() const { return error_; }

#define DEMO_DECLARE_CALLBACK(name, type) type name = nullptr;
  DEMO_PLUGIN_CALLBACKS(DEMO_DECLARE_CALLBACK)
#undef DEMO_DECLARE_CALLBACK

 private:
  HMODULE module_ = nullptr;
  std::string error_;
};

// "error 1114: A dynamic link library (DLL) initialization routine failed."
std::string DescribeError(DWORD code);
