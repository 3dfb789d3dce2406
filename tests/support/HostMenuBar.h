#pragma once
// Menu bars laid out like the host's (HostMenuLayout.h), for the test hosts'
// main windows.
#include <windows.h>

#include <initializer_list>
#include <utility>

#include "HostMenuLayout.h"

// A bar of `count` drop-down menus: each given (position, menu) pair at its
// position, a filler menu everywhere else.
HMENU MakeMenuBarWith(int count, std::initializer_list<std::pair<int, HMENU>> placed);
// The host's bar: `probeMenu` at the probe menu's position, fillers around it.
HMENU MakeHostMenuBar(HMENU probeMenu);
// The host's bar with the probe item alone in its menu, grayed or enabled.
HMENU MakeHostMenuBar(bool probeGrayed);

// The drop-down menu at the probe menu's position in the window's bar.
HMENU HostProbeMenu(HWND window);
// Grays or enables the probe item, as the host does.
void SetHostProbeGrayed(HWND window, bool grayed);
