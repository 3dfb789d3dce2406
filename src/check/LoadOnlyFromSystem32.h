#pragma once
// The check is often started from a download folder, where a DLL of a
// system name (uxtheme.dll, version.dll ...) may lie beside it. Called first
// in main, before anything is shown: from then on a DLL loaded by name, by
// this program or by the system on its behalf, comes from System32 only.
//
// The DLLs of the static import table are resolved before main and so are
// not covered: the program imports statically only from DLLs that Windows
// loads from System32 whatever the folder holds (Known DLLs), and loads
// anything else with LoadSystemLibrary (SystemLibrary.h).
void LoadDllsOnlyFromSystem32();
