#include "PluginUnderTest.h"

#include <stdexcept>

namespace {

using Callback0 = int(WINAPI*)();
using Callback1 = int(WINAPI*)(char*);

}  // namespace

std::string ExecutableFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\'));
}

PluginUnderTest::PluginUnderTest(const std::optional<std::string>& settings) {
  const std::string built = ExecutableFolder() + "\\Tollimer.dll";
  if (!CopyFileA(built.c_str(), DllPath().c_str(), FALSE)) throw std::runtime_error("cannot copy " + built);
  if (settings) WriteSettings(*settings);
}

PluginUnderTest::~PluginUnderTest() { Unload(); }

bool PluginUnderTest::Load() {
  module_ = LoadLibraryA(DllPath().c_str());
  loadError_ = module_ == nullptr ? GetLastError() : 0;
  return module_ != nullptr;
}

void PluginUnderTest::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
}

void PluginUnderTest::WriteSettings(const std::string& text) const { folder_.Write("Tollimer.ini", text); }

int PluginUnderTest::Call0(const char* name) const {
  const auto callback = reinterpret_cast<Callback0>(reinterpret_cast<void (*)()>(Export(name)));
  if (callback == nullptr) throw std::runtime_error(std::string("no export ") + name);
  return callback();
}

int PluginUnderTest::OnPlugInInfo(char* record) const {
  const auto callback = reinterpret_cast<Callback1>(reinterpret_cast<void (*)()>(Export("BKC_OnPlugInInfo")));
  if (callback == nullptr) throw std::runtime_error("no export BKC_OnPlugInInfo");
  return callback(record);
}
