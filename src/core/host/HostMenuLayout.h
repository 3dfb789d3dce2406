#pragma once
// The host's main menu as the mail client lays it out, written down once: the
// plug-in finds its probe item and sends its command by these, and every
// stand-in host (the test programs, the demo) builds its menu bar from them.

// Zero-based position, in the main window's menu bar, of the drop-down menu
// that holds the probe item.
inline constexpr int HostProbeMenuPosition = 3;
// The probe item: the host grays it while its IMAP connection may be switched.
inline constexpr unsigned HostProbeItemId = 32977;
// The host's "IMAP server on/off" command.
inline constexpr unsigned HostImapToggleCommand = 10503;
