#pragma once
// Runs a program as administrator: the system asks the user first (User
// Account Control). Only for what the user asked for, such as correcting a
// file in a folder only an administrator may write; nothing is elevated on
// its own.
#include <windows.h>

#include <string>

enum class ElevatedStart {
  Ran,       // started and ended; see exitCode
  Declined,  // the user said no when the system asked
  Failed,    // could not be started; see error
};

struct ElevatedRun {
  ElevatedStart start = ElevatedStart::Failed;
  DWORD error = 0;     // Failed: the system's error code
  DWORD exitCode = 0;  // Ran: the program's exit status
};

// Starts `program` with `parameters` (quoted as FixCommand.h does) through
// the "runas" verb, its question owned by `owner` (may be null), and waits
// for the program to end. Meanwhile it dispatches this thread's messages,
// so that the windows of this thread keep painting; a WM_QUIT met meanwhile
// is posted again when it returns.
ElevatedRun RunElevated(const std::wstring& program, const std::wstring& parameters, HWND owner);
