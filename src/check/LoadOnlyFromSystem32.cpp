#include "LoadOnlyFromSystem32.h"

#include <windows.h>

#include "SystemLibrary.h"

void LoadDllsOnlyFromSystem32() {
  // Windows 8 and later, and Windows 7 with its update KB2533623, have it.
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto restrict = SystemFunction<SetDefaultDllDirectoriesFn>(L"kernel32.dll", "SetDefaultDllDirectories");
  if (restrict != nullptr && restrict(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  // Without it, at least the current folder leaves the search path; the
  // program's own folder stays in it.
  SetDllDirectoryW(L"");
}
