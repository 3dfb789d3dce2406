#pragma once
// The plug-in's one action on the host: pick the host's own menu command that
// switches its IMAP server connection, as the user would, when the probe item
// of the main window's menu is grayed (where both stand: HostMenuLayout.h).
// Host's user-interface thread only.
#include <windows.h>

struct HostMenuProbe {
  HWND mainWindow;  // as the host gave it; the command goes there
  bool grayed;      // the probe item reads grayed: the command may be sent
};

// Asks the host for its main window once, and reads the probe item's state.
HostMenuProbe ProbeHostMenu();
// Sends the command; the host has handled it on return.
void SendServerToggle(HWND mainWindow);
