#include "RunningProgram.h"

#include <vector>

#include "MachineSpeed.h"

namespace {

// The test's environment block with `added` (NAME=value) in place of any
// variable of the same name.
std::vector<wchar_t> EnvironmentWith(const std::wstring& added) {
  const std::wstring name = added.substr(0, added.find(L'=') + 1);
  std::vector<wchar_t> block;
  wchar_t* const own = GetEnvironmentStringsW();
  for (const wchar_t* entry = own; *entry != L'\0'; entry += wcslen(entry) + 1) {
    if (std::wstring(entry).rfind(name, 0) == 0) continue;
    block.insert(block.end(), entry, entry + wcslen(entry) + 1);
  }
  FreeEnvironmentStringsW(own);
  block.insert(block.end(), added.begin(), added.end());
  block.push_back(L'\0');
  block.push_back(L'\0');
  return block;
}

}  // namespace

RunningProgram::~RunningProgram() {
  Stop();
  if (process_ != nullptr) CloseHandle(process_);
}

bool RunningProgram::Start(const std::wstring& program, const std::wstring& arguments,
                           const std::optional<std::wstring>& environment) {
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  std::vector<wchar_t> block;
  if (environment) block = EnvironmentWith(*environment);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                      environment ? block.data() : nullptr, nullptr, &startup, &started)) {
    startError_ = GetLastError();
    return false;
  }
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  id_ = started.dwProcessId;
  return true;
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD nativeMs) {
  if (process_ == nullptr || WaitForSingleObject(process_, ScaledMs(nativeMs)) != WAIT_OBJECT_0) return std::nullopt;
  DWORD status = 0;
  GetExitCodeProcess(process_, &status);
  return status;
}

void RunningProgram::Stop() {
  if (process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, ScaledMs(10'000));
  }
}

std::wstring TestProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of(L'\\'));
}
