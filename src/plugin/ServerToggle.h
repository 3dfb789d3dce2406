#pragma once
// The plug-in's one action on the host: pick the host's own menu command that
// switches its IMAP server connection, as the user would, when the probe item
// of the main window's menu is grayed. Host's user-interface thread only.

// The fourth drop-down menu of the host's menu bar holds the probe item.
inline constexpr int ProbeMenuPosition = 3;
inline constexpr unsigned ProbeItemId = 32977;
// The host's "IMAP server on/off" command.
inline constexpr unsigned ToggleCommandId = 10503;

// True when the command was sent (the host has handled it on return).
bool ToggleImapServer();
