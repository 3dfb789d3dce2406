// TollimerCheck.exe correcting files on disk, run as a child process: the
// corrected bytes and the backup, and every failure of the write leaving the
// original as it was (a read-only file, a file another program holds open,
// a file changed between the check's reading and its writing). The message
// box is answered from here, as a user would. (A file locked without
// sharing is not even read: check_program_test.)
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "CheckRun.h"
#include "ChildProcess.h"
#include "TempFolder.h"

namespace {

std::string Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

constexpr char Broken[] = "\xEF\xBB\xBF[Env]\r\nIntervalMinute=15 min\r\nConnectWaitMilliSecond=1,500\r\n";
constexpr char Corrected[] = "[Env]\r\nInterbalMinute=15\r\nConnectWaitMilliSecond=1500\r\n";

class CheckFix : public testing::Test {
 protected:
  void SetUp() override { folder_.Write("Tollimer.dll", "MZ"); }
  std::string Settings() const { return folder_.PathOf("Tollimer.ini"); }
  std::string Arguments(const std::string& options) const { return options + " \"" + Settings() + "\""; }

  // The names in the folder: nothing left over, nothing more written.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(folder_.PathOf("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (found.cFileName[0] != '.') names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }

  const std::set<std::string> untouched_{"Tollimer.dll", "Tollimer.ini"};
  TempFolder folder_{"fix"};
};

TEST_F(CheckFix, Fix_CorrectsTheLinesKeepsTheOriginalAndReportsTheNewValues) {
  folder_.Write("Tollimer.ini", Broken);
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix"));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(Read(Settings()), Corrected);
  EXPECT_EQ(Read(Settings() + ".bak"), Broken);
  EXPECT_TRUE(Says(run, "Line 2: \"IntervalMinute\" becomes InterbalMinute.")) << run.output;
  EXPECT_TRUE(Says(run, "The original is kept as " + Settings() + ".bak")) << run.output;
  EXPECT_TRUE(Says(run, "InterbalMinute = 15 (line 2)")) << run.output;
  EXPECT_TRUE(Says(run, "ConnectWaitMilliSecond = 1500 (line 3)")) << run.output;
  EXPECT_EQ(Names(), (std::set<std::string>{"Tollimer.dll", "Tollimer.ini", "Tollimer.ini.bak"}));
}

TEST_F(CheckFix, FixOfAUtf16File_SavesItAsAnsi) {
  std::string utf16 = "\xFF\xFE";
  for (const char c : std::string_view("[Env]\r\nInterbalMinute=3\r\nConnectWaitMilliSecond=1500")) utf16 += {c, '\0'};
  folder_.Write("Tollimer.ini", utf16);
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix"));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(Read(Settings()), "[Env]\r\nInterbalMinute=3\r\nConnectWaitMilliSecond=1500");
  EXPECT_TRUE(Says(run, "InterbalMinute = 3 (line 2)")) << run.output;
}

TEST_F(CheckFix, DryRun_ShowsTheChangesAndWritesNothing) {
  folder_.Write("Tollimer.ini", Broken);
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix --dry-run"));
  EXPECT_EQ(run.exitCode, 1u) << run.output;
  EXPECT_TRUE(Says(run, "the value \"1,500\" becomes 1500")) << run.output;
  EXPECT_TRUE(Says(run, "Nothing was written")) << run.output;
  EXPECT_EQ(Read(Settings()), Broken);
  EXPECT_EQ(Names(), untouched_);
}

TEST_F(CheckFix, BackupNameTaken_KeepsTheOriginalUnderANumberedName) {
  folder_.Write("Tollimer.ini", Broken);
  folder_.Write("Tollimer.ini.bak", "an earlier backup");
  const ProgramRun run = RunCheck(Arguments("--print --lang ja --fix"));
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(Read(Settings() + ".bak"), "an earlier backup");
  EXPECT_EQ(Read(Settings() + ".2.bak"), Broken);
  EXPECT_TRUE(Says(run, Settings() + ".2.bak として残してあります")) << run.output;
}

TEST_F(CheckFix, ReadOnlyFile_IsLeftAsItWasAndExitsThree) {
  folder_.Write("Tollimer.ini", Broken);
  ASSERT_TRUE(SetFileAttributesA(Settings().c_str(), FILE_ATTRIBUTE_READONLY));
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix"));
  SetFileAttributesA(Settings().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(run.exitCode, 3u) << run.output;
  EXPECT_TRUE(Says(run, "The file was not corrected and is as it was: it is read-only.")) << run.output;
  EXPECT_EQ(Read(Settings()), Broken);
  EXPECT_EQ(Names(), untouched_);
}

TEST_F(CheckFix, FileHeldOpenByAnotherProgram_IsLeftAsItWasAndExitsThree) {
  folder_.Write("Tollimer.ini", Broken);
  // An editor that keeps the file open and lets others only read it.
  const HANDLE editor = CreateFileA(Settings().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(editor, INVALID_HANDLE_VALUE);
  const ProgramRun run = RunCheck(Arguments("--print --lang en --fix"));
  CloseHandle(editor);
  EXPECT_EQ(run.exitCode, 3u) << run.output;
  EXPECT_TRUE(Says(run, "The file was not corrected and is as it was: the file could not be replaced")) << run.output;
  EXPECT_EQ(Read(Settings()), Broken);
  EXPECT_EQ(Names(), untouched_);
}

// Answers the program's message boxes from a thread of the test: the first
// one that asks (Yes / No) after `beforeYes` ran, every later one with OK.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(std::function<void()> beforeYes) : beforeYes_(std::move(beforeYes)) {
    // Wine starts its desktop process for the first program that needs one,
    // and it inherits that program's handles: started by the check, it would
    // hold the check's output pipe open for good. So the test starts it.
    GetDesktopWindow();
    thread_ = CreateThread(nullptr, 0, &MessageBoxAnswerer::Run, this, 0, nullptr);
  }
  ~MessageBoxAnswerer() {
    done_ = true;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  const std::string& Question() const { return question_; }
  int Answered() const { return answered_; }

 private:
  static BOOL CALLBACK CollectText(HWND child, LPARAM text) {
    char buffer[4096] = {};
    GetWindowTextA(child, buffer, sizeof buffer);
    *reinterpret_cast<std::string*>(text) += std::string(buffer) + "\n";
    return TRUE;
  }

  static DWORD WINAPI Run(void* self) {
    auto& answerer = *static_cast<MessageBoxAnswerer*>(self);
    while (!answerer.done_) {
      const HWND box = FindWindowA("#32770", nullptr);
      char title[256] = {};
      // A box is answered once, by its handle: it may still be there when
      // looked for again, before the answer has closed it. (Its title comes
      // a moment after the box itself.)
      if (box != nullptr && GetWindowTextA(box, title, sizeof title) > 0 &&
          std::string(title).find("settings check") != std::string::npos && answerer.seen_.insert(box).second) {
        if (GetDlgItem(box, IDYES) != nullptr) {
          EnumChildWindows(box, &MessageBoxAnswerer::CollectText, reinterpret_cast<LPARAM>(&answerer.question_));
          answerer.beforeYes_();
          PostMessageA(box, WM_COMMAND, IDYES, 0);
        } else {
          PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        ++answerer.answered_;
      }
      Sleep(100);
    }
    return 0;
  }

  std::function<void()> beforeYes_;
  std::set<HWND> seen_;
  std::string question_;
  std::atomic<int> answered_{0};
  std::atomic<bool> done_{false};
  HANDLE thread_ = nullptr;
};

TEST_F(CheckFix, MessageBoxAnsweredYes_CorrectsTheFile) {
  folder_.Write("Tollimer.ini", Broken);
  ProgramRun run;
  std::string question;
  {
    MessageBoxAnswerer answerer([] {});
    run = RunCheck(Arguments("--lang en"));
    question = answerer.Question();
  }
  EXPECT_EQ(run.exitCode, 0u) << question;
  EXPECT_NE(question.find("Line 2: \"IntervalMinute\" becomes InterbalMinute."), std::string::npos) << question;
  EXPECT_NE(question.find("Correct the file now?"), std::string::npos) << question;
  EXPECT_EQ(Read(Settings()), Corrected);
}

TEST_F(CheckFix, FileChangedBetweenReadingAndWriting_IsNotOverwritten) {
  folder_.Write("Tollimer.ini", Broken);
  constexpr char edited[] = "[Env]\r\nInterbalMinute=20\r\n";
  ProgramRun run;
  {
    // The user edits the file while the question is still open.
    MessageBoxAnswerer answerer([&] { folder_.Write("Tollimer.ini", edited); });
    run = RunCheck(Arguments("--lang en"));
    EXPECT_EQ(answerer.Answered(), 2);  // the question, then the outcome
  }
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_EQ(Read(Settings()), edited);
  EXPECT_EQ(Names(), untouched_);
}

}  // namespace
