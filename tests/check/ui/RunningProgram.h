#pragma once
// A program of the build started as a user would start it, left running
// while the test looks at its windows, and ended by the test's holder if it
// is still running when the test is over.
#include <windows.h>

#include <optional>
#include <string>

class RunningProgram {
 public:
  RunningProgram() = default;
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // Starts `program` with `arguments` (after its name on the command line);
  // `environment`, when given, is added to the test's own ("NAME=value").
  // False, with the system's error in StartError(), when it did not start.
  bool Start(const std::wstring& program, const std::wstring& arguments,
             const std::optional<std::wstring>& environment = std::nullopt);
  DWORD StartError() const { return startError_; }
  DWORD Id() const { return id_; }

  // Its exit status once it has ended, waiting at most `nativeMs` (stretched
  // for a slow machine); none while it still runs.
  std::optional<DWORD> WaitForExit(DWORD nativeMs = 60'000);
  // Ends it at once if it still runs.
  void Stop();

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  DWORD startError_ = 0;
};

// The folder of the test program, where the programs it runs are copied.
std::wstring TestProgramFolder();
