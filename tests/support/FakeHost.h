#pragma once
// A stand-in for the mail client: the test executable itself exports the
// host's BKA_ functions (see HostExports.cmake), so GetModuleHandleA(nullptr)
// finds them exactly as the plug-in finds the real host's.
#include <windows.h>

#include <string>

namespace fakehost {

enum class VersionAnswer { Text, Null, AccessViolation, RaisedException };

// Names for parameterised tests.
inline const char* VersionAnswerName(VersionAnswer answer) {
  switch (answer) {
    case VersionAnswer::Null: return "ReturnsNull";
    case VersionAnswer::AccessViolation: return "AccessViolation";
    case VersionAnswer::RaisedException: return "RaiseException";
    case VersionAnswer::Text: break;
  }
  return "Text";
}

struct State {
  VersionAnswer versionAnswer = VersionAnswer::Text;
  std::string versionText = "2.00.06";
  int getVersionCalls = 0;

  HWND mainWindow = nullptr;
  int getWindowHandlesCalls = 0;
  // Where the last call was asked to write the other three handles.
  HWND* lastOtherSlots[3] = {};

  // Calls of the exports the plug-in must never call.
  int otherCalls = 0;
};

State& Host();
// Back to the defaults above.
void ResetHost();

}  // namespace fakehost

extern "C" LPCSTR WINAPI BKA_GetVersion();
extern "C" BOOL WINAPI BKA_GetWindowHandles(HWND* main, HWND* tree, HWND* list, HWND* view);
