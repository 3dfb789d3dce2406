#pragma once
// The plug-in's one action on the host: pick the host's own menu command that
// switches its IMAP server connection, as the user would, when the probe item
// of the main window's menu is grayed (where both stand: HostMenuLayout.h).
// Host's user-interface thread only.

// True when the command was sent (the host has handled it on return).
bool ToggleImapServer();
