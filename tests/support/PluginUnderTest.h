#pragma once
// Tollimer.dll loaded the way the host loads it: LoadLibraryA from a folder
// of its own (a fresh temporary one per instance), with the settings file
// beside it, and its callbacks looked up by name.
#include <windows.h>

#include <optional>
#include <string>

#include "TempFolder.h"

class PluginUnderTest {
 public:
  // Copies the DLL into a new folder and, when given, writes Tollimer.ini
  // there. Loading is a separate step, so that a test can see it refused.
  explicit PluginUnderTest(const std::optional<std::string>& settings = std::nullopt);
  ~PluginUnderTest();
  PluginUnderTest(const PluginUnderTest&) = delete;
  PluginUnderTest& operator=(const PluginUnderTest&) = delete;

  // LoadLibraryA; false (with the error in LoadError()) when refused.
  bool Load();
  void Unload();
  HMODULE Module() const { return module_; }
  DWORD LoadError() const { return loadError_; }

  std::string Folder() const { return folder_.Path(); }
  std::string DllPath() const { return folder_.PathOf("Tollimer.dll"); }
  std::string SettingsPath() const { return folder_.PathOf("Tollimer.ini"); }
  void WriteSettings(const std::string& text) const;

  FARPROC Export(const char* name) const { return GetProcAddress(module_, name); }
  int OnStart() const { return Call0("BKC_OnStart"); }
  int OnEveryMinute() const { return Call0("BKC_OnEveryMinute"); }
  int OnExit() const { return Call0("BKC_OnExit"); }
  int OnPlugInInfo(char* record) const;

 private:
  int Call0(const char* name) const;

  TempFolder folder_{"plugin"};  // removed after the library is unloaded
  HMODULE module_ = nullptr;
  DWORD loadError_ = 0;
};

// The folder of this test executable, where the build puts Tollimer.dll.
std::string ExecutableFolder();
