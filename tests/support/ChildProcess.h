#pragma once
// Runs a program of the build as a child process, the way a user's console
// or script would, and gathers what it prints.
#include <windows.h>

#include <string>

struct ProgramRun {
  bool started = false;
  DWORD startError = 0;       // GetLastError() when it could not be started
  DWORD exitCode = 0xFFFFFFFF;
  std::string output;         // standard output (and standard error, unless apart), as written
  std::string errors;         // standard error, when kept apart
};

// Starts `program` with `commandLine` (which names the program first, as a
// command line does), its standard output and error going to one pipe, and
// waits for it to end (at most a minute).
ProgramRun RunProgram(const std::string& program, std::string commandLine);

// The same with wide names, in `workingFolder` (empty: this process's), with
// standard error kept apart from standard output when `errorsApart`.
ProgramRun RunProgram(const std::wstring& program, std::wstring commandLine, const std::wstring& workingFolder,
                      bool errorsApart);
