#include "PluginLibrary.h"

#include <optional>

#include "Text.h"

namespace {

template <typename Callback>
Callback CallbackAs(FARPROC entry) {
  // Through void(*)() so that the compiler accepts the change of signature.
  return reinterpret_cast<Callback>(reinterpret_cast<void (*)()>(entry));
}

}  // namespace

std::string DescribeError(DWORD code) {
  const std::string system = SystemMessageUtf8(code);
  return "error " + std::to_string(code) + (system.empty() ? "" : ": " + system);
}

PluginLibrary::~PluginLibrary() { Unload(); }

bool PluginLibrary::Load(const std::wstring& widePath) {
  // As the host does: by a path in the system code page.
  const std::string path = WideToUtf8(widePath);
  const std::optional<std::string> ansiPath = WideToCodePage(widePath, CP_ACP);
  if (!ansiPath) {
    error_ = "could not load " + path + ": its path holds characters the system code page lacks";
    return false;
  }
  module_ = LoadLibraryA(ansiPath->c_str());
  if (module_ == nullptr) {
    const DWORD code = GetLastError();
    if (code == ERROR_DLL_INIT_FAILED) {
      // Its entry point said no: the plug-in could not bind this host.
      error_ = "the plug-in refused to load (" + DescribeError(code) + ")";
    } else {
      error_ = "could not load " + path + " (" + DescribeError(code) + ")";
    }
    return false;
  }
#define DEMO_BIND_CALLBACK(name, type)                                        \
  name = CallbackAs<type>(GetProcAddress(module_, "BKC_" #name));             \
  if (name == nullptr) {                                                      \
    error_ = path + " is not a plug-in of this host: it lacks BKC_" #name;    \
    Unload();                                                                 \
    return false;                                                             \
  }
  DEMO_PLUGIN_CALLBACKS(DEMO_BIND_CALLBACK)
#undef DEMO_BIND_CALLBACK
  return true;
}

void PluginLibrary::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
#define DEMO_CLEAR_CALLBACK(name, type) name = nullptr;
  DEMO_PLUGIN_CALLBACKS(DEMO_CLEAR_CALLBACK)
#undef DEMO_CLEAR_CALLBACK
}
