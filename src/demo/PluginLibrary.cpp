#include "PluginLibrary.h"

namespace {

template <typename Callback>
Callback CallbackAs(FARPROC entry) {
  // Through void(*)() so that the compiler accepts the change of signature.
  return reinterpret_cast<Callback>(reinterpret_cast<void (*)()>(entry));
}

}  // namespace

std::string DescribeError(DWORD code) {
  std::string text = "error " + std::to_string(code);
  char message[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                      message, sizeof message, nullptr);
  std::string_view system(message, length);
  while (!system.empty() && (system.back() == '\n' || system.back() == '\r' || system.back() == ' ')) {
    system.remove_suffix(1);
  }
  if (!system.empty()) {
    text += ": ";
    text += system;
  }
  return text;
}

PluginLibrary::~PluginLibrary() { Unload(); }

bool PluginLibrary::Load(const std::string& path) {
  module_ = LoadLibraryA(path.c_str());
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
