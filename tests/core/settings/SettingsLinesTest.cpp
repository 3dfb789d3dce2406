// The grammar both readers share: where lines end, where the content ends,
// and what each line is, with its number.
#include "SettingsLines.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// "1 header Env|2 nothing|3 entry A=1|4 other|end 19 on 4": each line, then
// where the content ended.
std::string Walked(std::string_view bytes) {
  constexpr const char* kinds[] = {" nothing", " header ", " entry ", " other"};
  SettingsLineWalk walk(bytes);
  SettingsLine line;
  std::string walked;
  while (walk.Next(line)) {
    walked += std::to_string(line.number) + kinds[static_cast<int>(line.kind)] + std::string(line.name) +
              (line.kind == SettingsLineKind::Entry ? "=" + std::string(line.value) : "") + "|";
  }
  return walked + "end " + std::to_string(walk.ContentSize()) + " on " + std::to_string(walk.EndLineNumber());
}

struct WalkCase {
  const char* name;
  std::string_view bytes;
  std::string_view walked;
};

class SettingsWalk : public testing::TestWithParam<WalkCase> {};

TEST_P(SettingsWalk, ReadsAndNumbersEveryLineToTheEndOfTheContent) {
  EXPECT_EQ(Walked(GetParam().bytes), GetParam().walked);
}

const WalkCase WalkCases[] = {
    {"CrLfIsOneLineEnd", "[Env]\r\nA=1\r\n"sv, "1 header Env|2 entry A=1|end 12 on 3"},
    {"LfCrIsTwoLineEnds", "[Env]\n\rA=1"sv, "1 header Env|2 nothing|3 entry A=1|end 10 on 3"},
    {"CrCrLfIsTwoLineEnds", "[Env]\r\r\nA=1"sv, "1 header Env|2 nothing|3 entry A=1|end 11 on 3"},
    {"EmptyLinesCount", "\n\r\n\rA=1"sv, "1 nothing|2 nothing|3 nothing|4 entry A=1|end 7 on 4"},
    {"NulEndsTheContentMidLine", "A=1\nB\0=2\nC=3"sv, "1 entry A=1|2 other|end 5 on 2"},
    {"NulAfterALineEnd", "A=1\r\n\0B=2"sv, "1 entry A=1|end 5 on 2"},
    {"Empty", ""sv, "end 0 on 1"},
    {"CommentsSayNothingHeadersWithTextAfterAreOther", " ; x=1\n[Env] ; x\n"sv, "1 nothing|2 other|end 17 on 3"},
};

INSTANTIATE_TEST_SUITE_P(Files, SettingsWalk, testing::ValuesIn(WalkCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Long lines take the byte search, short ones the look at each byte.
TEST(SettingsWalk, LinesOfEveryLengthAndLineEnd_ReadInOrder) {
  constexpr std::string_view lineEnds[] = {"\r\n", "\n", "\r", "\n\r"};
  std::string text = "[Env]\r";
  for (std::size_t length = 0; length < 700; ++length) {
    text += "K" + std::to_string(length) + "=" + std::string(length, 'v') + std::string(lineEnds[length % 4]);
  }
  SettingsLineWalk walk(text);
  SettingsLine line;
  ASSERT_TRUE(walk.Next(line));
  std::size_t number = 1;
  for (std::size_t length = 0; length < 700; ++length) {
    ASSERT_TRUE(walk.Next(line));
    EXPECT_EQ(line.number, ++number);
    EXPECT_EQ(line.name, "K" + std::to_string(length));
    EXPECT_EQ(line.value, std::string(length, 'v'));
    // LF CR leaves an empty line behind it.
    if (length % 4 == 3) {
      ASSERT_TRUE(walk.Next(line));
      EXPECT_EQ(line.kind, SettingsLineKind::Nothing);
      EXPECT_EQ(line.number, ++number);
    }
  }
  EXPECT_FALSE(walk.Next(line));
  EXPECT_EQ(walk.ContentSize(), text.size());
}

}  // namespace
