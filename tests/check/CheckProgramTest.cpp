// TollimerCheck.exe run as a child process, its output redirected: what it
// prints (UTF-8) and its exit status, for files on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"

namespace {

struct CheckRun {
  DWORD exitCode = 0xFFFFFFFF;
  std::string output;
};

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of('\\'));
}

CheckRun RunCheck(const std::string& arguments) {
  CheckRun run;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  const std::string program = ProgramFolder() + "\\TollimerCheck.exe";
  std::string commandLine = "\"" + program + "\" " + arguments;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    ADD_FAILURE() << "could not start " << program << ", error " << GetLastError();
    return run;
  }
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) run.output.append(buffer, read);
  CloseHandle(readEnd);
  WaitForSingleObject(process.hProcess, 60'000);
  GetExitCodeProcess(process.hProcess, &run.exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

bool Says(const CheckRun& run, const std::string& text) { return run.output.find(text) != std::string::npos; }

constexpr char GoodSettings[] = "[Env]\r\nInterbalMinute=2\r\nConnectWaitMilliSecond=1500\r\n";

class CheckProgram : public testing::Test {
 protected:
  // A plug-ins folder: a Tollimer.dll (its bytes do not matter here) and its settings.
  void SetUp() override { folder_.Write("Tollimer.dll", "MZ"); }
  std::string Settings() const { return folder_.PathOf("Tollimer.ini"); }
  std::string Quoted(const std::string& path) const { return "\"" + path + "\""; }

  TempFolder folder_{"check"};
};

TEST_F(CheckProgram, GoodFile_PrintsBothValuesAndExitsZero) {
  folder_.Write("Tollimer.ini", GoodSettings);
  const CheckRun run = RunCheck("--print --lang en " + Quoted(Settings()));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_TRUE(Says(run, "File: " + Settings())) << run.output;
  EXPECT_TRUE(Says(run, "Tollimer.dll is in the same folder and reads this file")) << run.output;
  EXPECT_TRUE(Says(run, "InterbalMinute = 2 (line 2)")) << run.output;
  EXPECT_TRUE(Says(run, "All is well")) << run.output;
}

TEST_F(CheckProgram, DllArgument_ChecksTheDllsSettingsFile) {
  folder_.Write("Tollimer.ini", GoodSettings);
  const CheckRun run = RunCheck("--print --lang en " + Quoted(folder_.PathOf("Tollimer.dll")));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_TRUE(Says(run, "File: " + Settings())) << run.output;
}

TEST_F(CheckProgram, BrokenFile_PrintsJapaneseInUtf8AndExitsOne) {
  folder_.Write("Tollimer.ini", "[Env]\r\nInterbalMinute=15 min\r\n");
  const CheckRun run = RunCheck("--print --lang ja " + Quoted(Settings()));
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_TRUE(Says(run, "2 行目の値「15 min」")) << run.output;
  EXPECT_NE(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, run.output.data(), static_cast<int>(run.output.size()),
                                nullptr, 0),
            0)
      << "not UTF-8";
}

TEST_F(CheckProgram, MissingFile_SaysSoAndExitsOne) {
  const CheckRun run = RunCheck("--print --lang en " + Quoted(Settings()));
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_TRUE(Says(run, "The file does not exist")) << run.output;
  EXPECT_TRUE(Says(run, "InterbalMinute = 10 (default)")) << run.output;
}

TEST_F(CheckProgram, FileHeldOpenForWriting_GivesTheSystemsReason) {
  folder_.Write("Tollimer.ini", GoodSettings);
  const HANDLE writer = CreateFileA(Settings().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  const CheckRun run = RunCheck("--print --lang en " + Quoted(Settings()));
  CloseHandle(writer);
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_TRUE(Says(run, "cannot be opened")) << run.output;
  EXPECT_TRUE(Says(run, "(error 32)")) << run.output;  // ERROR_SHARING_VIOLATION
  EXPECT_TRUE(Says(run, "InterbalMinute = 0 (not read")) << run.output;
}

TEST_F(CheckProgram, WrongCommandLine_ExitsTwo) {
  for (const char* arguments : {"--print --bogus", "--print --lang de", "--print a.ini b.ini"}) {
    const CheckRun run = RunCheck(arguments);
    EXPECT_EQ(run.exitCode, 2u) << arguments << "\n" << run.output;
    EXPECT_TRUE(Says(run, "--lang ja|en")) << run.output;  // the usage follows
  }
}

TEST_F(CheckProgram, Help_ExitsZero) {
  const CheckRun run = RunCheck("--help --print --lang en");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(Says(run, "Usage: TollimerCheck")) << run.output;
}

TEST_F(CheckProgram, NoPath_ChecksTheDllBesideTheProgram) {
  const CheckRun run = RunCheck("--print --lang en");
  EXPECT_TRUE(Says(run, "File: " + ProgramFolder() + "\\Tollimer.ini")) << run.output;
}

}  // namespace
