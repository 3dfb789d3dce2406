#include "ChildProcess.h"

#include "MachineSpeed.h"

namespace {

struct Pipe {
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  bool Open() {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(&read, &write, &inherit, 0)) return false;
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    return true;
  }
};

// Reads a pipe to its end on a thread of its own, so that a child writing
// much to the other pipe never waits for this one to be read.
struct PipeReader {
  HANDLE pipe;
  std::string text;
  static DWORD WINAPI Run(void* self) {
    auto& reader = *static_cast<PipeReader*>(self);
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(reader.pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) reader.text.append(buffer, read);
    return 0;
  }
};

template <typename Start>
ProgramRun Run(bool errorsApart, Start start) {
  ProgramRun run;
  Pipe output;
  Pipe errors;
  if (!output.Open() || (errorsApart && !errors.Open())) {
    run.startError = GetLastError();
    return run;
  }
  PROCESS_INFORMATION process{};
  run.started = start(output.write, errorsApart ? errors.write : output.write, process);
  if (!run.started) run.startError = GetLastError();
  // Only the child holds the write ends now: the reads below end when it does.
  CloseHandle(output.write);
  if (errorsApart) CloseHandle(errors.write);
  if (run.started) {
    PipeReader errorReader{errors.read, {}};
    const HANDLE errorThread = errorsApart ? CreateThread(nullptr, 0, &PipeReader::Run, &errorReader, 0, nullptr) : nullptr;
    PipeReader outputReader{output.read, {}};
    PipeReader::Run(&outputReader);
    if (errorThread != nullptr) {
      WaitForSingleObject(errorThread, INFINITE);
      CloseHandle(errorThread);
    }
    run.output = std::move(outputReader.text);
    run.errors = std::move(errorReader.text);
    WaitForSingleObject(process.hProcess, ScaledMs(60'000));
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(output.read);
  if (errorsApart) CloseHandle(errors.read);
  return run;
}

}  // namespace

ProgramRun RunProgram(const std::string& program, std::string commandLine) {
  return Run(false, [&](HANDLE output, HANDLE errors, PROCESS_INFORMATION& process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = errors;
    return CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &process) != FALSE;
  });
}

ProgramRun RunProgram(const std::wstring& program, std::wstring commandLine, const std::wstring& workingFolder,
                      bool errorsApart) {
  return Run(errorsApart, [&](HANDLE output, HANDLE errors, PROCESS_INFORMATION& process) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = errors;
    return CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &process) != FALSE;
  });
}
