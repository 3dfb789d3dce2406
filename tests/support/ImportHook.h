#pragma once
// Redirects one imported function of a loaded module by rewriting its import
// address table, so that a test can watch what the plug-in asks of Windows
// (timers, debugger output) while the real function still does the work.
#include <windows.h>

// Replaces module's import of dllName!functionName with `replacement` and
// returns the address it held, or null when the module imports no such name.
void* HookImport(HMODULE module, const char* dllName, const char* functionName, void* replacement);
