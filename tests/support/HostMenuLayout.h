#pragma once
// The host's main menu as the mail client lays it out, written down once for
// every stand-in host: the test programs and the demo build their menu bars
// from these. Kept apart from the plug-in's sources on purpose, so that the
// tests check the plug-in's own constants against the host's layout.

// Zero-based position, in the main window's menu bar, of the drop-down menu
// that holds the probe item.
inline constexpr int HostProbeMenuPosition = 3;
// The probe item: the host grays it while its IMAP connection may be switched.
inline constexpr unsigned HostProbeItemId = 32977;
// The host's "IMAP server on/off" command.
inline constexpr unsigned HostImapToggleCommand = 10503;
