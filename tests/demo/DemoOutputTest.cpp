// The demo's console output: Shift-JIS texts shown as UTF-8, timeline lines.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "MachineSpeed.h"
#include <vector>

#include "PluginLibrary.h"
#include "Timeline.h"
#include "Text.h"

namespace {

struct ConversionCase {
  std::string input;
  UINT codePage;
  std::string utf8;
};

TEST(CodePageToUtf8, ShiftJisTextComesOutAsUtf8) {
  const ConversionCase cases[] = {
      {"Tollimer", 932, "Tollimer"},
      {"\x93\xfa\x96\x7b\x8c\xea", 932, "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e"},        // 日本語
      {"IMAP\x82\xcc\x90\x56\x92\x85", 932, "IMAP\xe3\x81\xae\xe6\x96\xb0\xe7\x9d\x80"},  // IMAPの新着
      {"\xb1\xb2", 932, "\xef\xbd\xb1\xef\xbd\xb2"},                                      // half-width ｱｲ
      {std::string("ab\0cd", 5), 932, "ab"},                                              // up to the NUL
      {"", 932, ""},
      {"caf\xe9", 1252, "caf\xc3\xa9"},
  };
  for (const ConversionCase& c : cases) EXPECT_EQ(CodePageToUtf8(c.input, c.codePage), c.utf8) << c.input;
}

TEST(DescribeError, NamesTheCodeAndTheSystemText) {
  const std::string text = DescribeError(ERROR_DLL_INIT_FAILED);
  EXPECT_EQ(text.rfind("error 1114: ", 0), 0u) << text;
  EXPECT_GT(text.size(), std::string("error 1114: ").size());
  EXPECT_NE(text.back(), '\n');
}

class TimelineOutput : public testing::Test {
 protected:
  void SetUp() override {
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    GetTempFileNameA(directory, "tli", 0, path_);
    file_ = CreateFileA(path_, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file_, INVALID_HANDLE_VALUE);
    previous_ = GetStdHandle(STD_OUTPUT_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, file_);
  }
  void TearDown() override {
    SetStdHandle(STD_OUTPUT_HANDLE, previous_);
    CloseHandle(file_);
    DeleteFileA(path_);
  }
  std::string Written() {
    std::string content(GetFileSize(file_, nullptr), '\0');
    SetFilePointer(file_, 0, nullptr, FILE_BEGIN);
    DWORD read = 0;
    ReadFile(file_, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
    return content;
  }

 private:
  char path_[MAX_PATH] = {};
  HANDLE file_ = INVALID_HANDLE_VALUE;
  HANDLE previous_ = nullptr;
};

TEST_F(TimelineOutput, EventsCarryTheirTimeAndAPaddedLabel) {
  Timeline timeline;
  timeline.Print("plain \xe6\x97\xa5\n");
  Sleep(120);
  timeline.Event("minute 3", "toggled");
  timeline.Event("follow-up", "probe");
  timeline.Event("a-long-label", "x");

  std::vector<std::string> lines;
  std::istringstream written(Written());
  for (std::string line; std::getline(written, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 4u);
  // The bytes go out unchanged; times are since the timeline started.
  EXPECT_EQ(lines[0], "plain \xe6\x97\xa5");
  std::smatch match;
  ASSERT_TRUE(std::regex_match(lines[1], match, std::regex(R"(\[   ([0-9])\.([0-9]{3}) s\] minute 3   toggled)")))
      << lines[1];
  const int milliseconds = std::stoi(match[1]) * 1000 + std::stoi(match[2]);
  EXPECT_GE(milliseconds, 100);
  EXPECT_LT(milliseconds, static_cast<int>(ScaledMs(3000)));
  EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"(\[   [0-9]\.[0-9]{3} s\] follow-up  probe)"))) << lines[2];
  EXPECT_TRUE(std::regex_match(lines[3], std::regex(R"(\[   [0-9]\.[0-9]{3} s\] a-long-label x)"))) << lines[3];
}

}  // namespace
