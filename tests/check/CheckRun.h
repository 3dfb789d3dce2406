#pragma once
// TollimerCheck.exe, copied beside the test program, run as a child process
// with its output redirected.
#include <string>

#include "ChildProcess.h"

// The test program's folder, where TollimerCheck.exe stands.
std::string ProgramFolder();

// Runs it with `arguments`; a failure to start fails the test.
ProgramRun RunCheck(const std::string& arguments);

// Whether its output holds `text`.
inline bool Says(const ProgramRun& run, const std::string& text) { return run.output.find(text) != std::string::npos; }
