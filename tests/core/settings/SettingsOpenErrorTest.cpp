#include "SettingsOpenError.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

TEST(SettingsOpenError, NamesTheFileAndGivesTheSystemTextWithoutItsLineEnd) {
  std::array<char, 256> message;
  const std::size_t offset =
      FormatOpenError("C:\\Mail\\PlugIns\\Tollimer.ini",
                      "The process cannot access the file because it is being used by another process.\r\n", 32, message);
  const std::string text = message.data();
  EXPECT_EQ(text,
            "Cannot open file \"C:\\Mail\\PlugIns\\Tollimer.ini\". The process cannot access the file because it is "
            "being used by another process.");
  EXPECT_EQ(text.substr(offset), "The process cannot access the file because it is being used by another process.");
}

TEST(SettingsOpenError, WithoutASystemTextGivesTheErrorNumber) {
  for (const char* none : {"", " \r\n"}) {
    std::array<char, 256> message;
    const std::size_t offset = FormatOpenError("a.ini", none, 4294967295u, message);
    EXPECT_STREQ(message.data(), "Cannot open file \"a.ini\". System error 4294967295.");
    EXPECT_STREQ(message.data() + offset, "System error 4294967295.");
  }
}

TEST(SettingsOpenError, IsCutAtTheBufferEndAndStaysTerminated) {
  const std::string longPath(300, 'p');
  std::array<char, 64> message;
  message.fill('#');
  const std::size_t offset = FormatOpenError(longPath, "Access is denied.", 5, message);
  EXPECT_EQ(std::string(message.data()), "Cannot open file \"" + std::string(63 - 18, 'p'));
  EXPECT_EQ(offset, 63u);
  EXPECT_STREQ(message.data() + offset, "");

  std::array<char, 1> tiny;
  EXPECT_EQ(FormatOpenError("a.ini", "x", 5, tiny), 0u);
  EXPECT_EQ(tiny[0], '\0');
}

}  // namespace
