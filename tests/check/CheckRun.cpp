#include "CheckRun.h"

#include <windows.h>

#include <gtest/gtest.h>

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of('\\'));
}

ProgramRun RunCheck(const std::string& arguments) {
  const std::string program = ProgramFolder() + "\\TollimerCheck.exe";
  ProgramRun run = RunProgram(program, "\"" + program + "\" " + arguments);
  if (!run.started) ADD_FAILURE() << "could not start " << program << ", error " << run.startError;
  return run;
}
