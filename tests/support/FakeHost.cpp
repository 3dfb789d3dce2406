#include "FakeHost.h"

#include "HostExports.h"

namespace fakehost {

State& Host() {
  static State state;
  return state;
}

void ResetHost() { Host() = State{}; }

}  // namespace fakehost

using fakehost::Host;
using fakehost::VersionAnswer;

extern "C" LPCSTR WINAPI BKA_GetVersion() {
  ++Host().getVersionCalls;
  switch (Host().versionAnswer) {
    case VersionAnswer::Null:
      return nullptr;
    case VersionAnswer::AccessViolation:
      return *static_cast<LPCSTR volatile*>(nullptr);
    case VersionAnswer::RaisedException:
      RaiseException(0xE0000001, 0, 0, nullptr);
      return nullptr;
    case VersionAnswer::Text:
      break;
  }
  return Host().versionText.c_str();
}

extern "C" BOOL WINAPI BKA_GetWindowHandles(HWND* main, HWND* tree, HWND* list, HWND* view) {
  ++Host().getWindowHandlesCalls;
  *main = Host().mainWindow;
  // Junk through the other three: the plug-in must not use them.
  Host().lastOtherSlots[0] = tree;
  Host().lastOtherSlots[1] = list;
  Host().lastOtherSlots[2] = view;
  *tree = reinterpret_cast<HWND>(0x1001);
  *list = reinterpret_cast<HWND>(0x1002);
  *view = reinterpret_cast<HWND>(0x1003);
  return TRUE;
}

// Every other export: present, distinct, never called by the plug-in.
// The name is pasted first: GetTempFileName alone is a macro of windows.h.
#define FAKE_HOST_GetVersionFn(name)
#define FAKE_HOST_GetWindowHandlesFn(name)
#define FAKE_HOST_HostEntry(name)                          \
  extern "C" INT_PTR WINAPI name() {                       \
    ++Host().otherCalls;                                   \
    return 0;                                              \
  }
#define FAKE_HOST_EXPORT(field, type, need) FAKE_HOST_##type(BKA_##field)
TOLLIMER_HOST_EXPORTS(FAKE_HOST_EXPORT)
