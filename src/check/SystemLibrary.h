#pragma once
// Loading a system DLL, or a function of one, from System32 alone, whatever
// lies in the program's folder or the current folder. The functions Windows
// added after Windows 7 are bound this way too, so that the program starts
// on every system its manifest names and uses them where they exist.
#include <windows.h>

// The DLL `name` (e.g. L"comctl32.dll") from System32, or, for a DLL of a
// side-by-side assembly that the manifest names (Common Controls 6), from
// the system's assembly store; null when it cannot be loaded. Loading a DLL
// that is loaded already returns the same handle.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The function `function` of the system DLL `library`, typed as F; null when
// the DLL or the function is missing. F spells the calling convention:
//   using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
template <class F>
F SystemFunction(const wchar_t* library, const char* function) {
  const HMODULE module = LoadSystemLibrary(library);
  if (module == nullptr) return nullptr;
  // A function pointer through void*: GetProcAddress's own type fits none.
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, function)));
}
