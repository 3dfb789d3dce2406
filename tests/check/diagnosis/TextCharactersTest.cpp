// The characters of a settings file: which encoding its bytes are read in,
// where a character ends, and the full-width forms, in Shift-JIS and UTF-8
// alike. Strings are spelled in bytes: "\x82\x54" is the Shift-JIS "５".
#include "TextCharacters.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;
using E = TextEncoding;

TEST(EncodingOf, Utf8WhenWellFormedBeyondAsciiElseTheCodePages) {
  const struct {
    std::string_view text;
    unsigned codePage;
    TextEncoding encoding;
  } cases[] = {
      {"[Env]\r\nInterbalMinute=5", 932, E::ShiftJis},
      {"[Env]\r\nInterbalMinute=5", 1252, E::SingleByte},
      {"; \xE5\x88\x86\r\n[Env]", 932, E::Utf8},               // "分" in UTF-8
      {"; \xE5\x88\x86\r\n[Env]", 1252, E::Utf8},
      {"\xEF\xBB\xBF[Env]", 1252, E::Utf8},                    // the byte-order mark alone
      {"; \x95\xAA\r\n[Env]", 932, E::ShiftJis},               // "分" in Shift-JIS
      {"; \x95\xAA\r\n[Env]", 1252, E::SingleByte},
      {"; \xC0\xAF", 1252, E::SingleByte},                     // an overlong "/" is no UTF-8
      {"; \xED\xA0\x80", 932, E::ShiftJis},                    // nor is a surrogate
      {"; \xE5\x88", 1252, E::SingleByte},                     // nor a character cut short
      {"[Env]\0\xE5\x88\x86"sv, 932, E::ShiftJis},             // bytes after a NUL are not the text
  };
  for (const auto& c : cases) EXPECT_EQ(EncodingOf(c.text, c.codePage), c.encoding) << c.text;
}

TEST(CharacterLength, TakesAShiftJisTrailByteWithItsLeadEvenWhereItIsABracket) {
  const struct {
    std::string_view text;
    TextEncoding encoding;
    std::size_t length;
  } cases[] = {
      {"[", E::ShiftJis, 1},
      {"\x81\x5B", E::ShiftJis, 2},  // "ー": the trail byte is "["
      {"\x83\x5C", E::ShiftJis, 2},  // "ソ": "\"
      {"\x83\x5D", E::ShiftJis, 2},  // "ゾ": "]"
      {"\x81\x40", E::ShiftJis, 2},  // the ideographic space: "@"
      {"\x81", E::ShiftJis, 1},      // a lead byte at the end
      {"\x81\x0A", E::ShiftJis, 1},  // a lead byte before a line end
      {"\xB1", E::ShiftJis, 1},      // half-width katakana
      {"\x81\x5B", E::SingleByte, 1},
      {"\xE3\x80\x80", E::Utf8, 3},
      {"\xF0\x9F\x98\x80", E::Utf8, 4},
      {"\xE3\x80", E::Utf8, 1},
      {"\x80", E::Utf8, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(CharacterLength(c.text, c.encoding), c.length) << c.text;
}

TEST(HalfWidth, ReplacesEveryFullWidthFormAndNothingElse) {
  const struct {
    std::string_view text;
    TextEncoding encoding;
    std::string_view half;
  } cases[] = {
      {"\x82\x54", E::ShiftJis, "5"},                                        // ５
      {"InterbalMinute\x81\x81\x82\x52", E::ShiftJis, "InterbalMinute=3"},   // ＝３
      {"\x81\x6D\x82\x64\x82\x8E\x82\x96\x81\x6E", E::ShiftJis, "[Env]"},    // ［Ｅｎｖ］
      {"500\x81\x40", E::ShiftJis, "500 "},                                  // the ideographic space
      {"\x82\x50\x82\x4F\x95\xAA", E::ShiftJis, "10\x95\xAA"},               // １０分: 分 stays
      {"\x81\x5B\x81\x40", E::ShiftJis, "\x81\x5B "},                        // ー is no "[" followed by "@"
      {"\x83\x81\x83\x82", E::ShiftJis, "\x83\x81\x83\x82"},                 // メモ: trail bytes like ａ's lead
      {"\xEF\xBC\x95", E::Utf8, "5"},
      {"InterbalMinute\xEF\xBC\x9D\xEF\xBC\x93", E::Utf8, "InterbalMinute=3"},
      {"\xEF\xBC\xBB" "Env" "\xEF\xBC\xBD", E::Utf8, "[Env]"},
      {"500\xE3\x80\x80", E::Utf8, "500 "},
      {"\xEF\xBD\x9E\xEF\xBC\x81", E::Utf8, "~!"},                           // the ends of the range
      {"\xEF\xBD\x9F\xEF\xBC\x80", E::Utf8, "\xEF\xBD\x9F\xEF\xBC\x80"},     // just outside it
      {"\x82\x54", E::SingleByte, "\x82\x54"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HalfWidth(c.text, c.encoding), c.half) << c.text;
    EXPECT_EQ(HasFullWidth(c.text, c.encoding), HalfWidth(c.text, c.encoding) != c.text) << c.text;
  }
}

TEST(FullWidthRuns, NamesEachRunOnceAndTheIdeographicSpaceApart) {
  using Runs = std::vector<std::string_view>;
  EXPECT_EQ(FullWidthRuns("InterbalMinute\x81\x81\x82\x52", E::ShiftJis), (Runs{"\x81\x81\x82\x52"}));
  EXPECT_EQ(FullWidthRuns("\x81\x6D" "Env" "\x81\x6E", E::ShiftJis), (Runs{"\x81\x6D", "\x81\x6E"}));
  EXPECT_EQ(FullWidthRuns("A\x81\x40=\x82\x54\x81\x40\x82\x54", E::ShiftJis), (Runs{" ", "\x82\x54"}));
  EXPECT_EQ(FullWidthRuns("\xEF\xBC\x95\xEF\xBC\x90\xE5\x88\x86", E::Utf8), (Runs{"\xEF\xBC\x95\xEF\xBC\x90"}));
  EXPECT_EQ(FullWidthRuns("15\x95\xAA", E::ShiftJis), Runs{});
}

}  // namespace
