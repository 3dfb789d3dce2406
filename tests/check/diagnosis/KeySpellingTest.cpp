// How near a written name is to a key: the slips counted, and the thresholds
// of a near miss, each pinned on both sides.
#include "KeySpelling.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

TEST(Slips, CountsLettersChangedAddedDroppedOrSwappedCaseAside) {
  const struct {
    std::string_view written;
    std::size_t slips;
  } cases[] = {
      {"InterbalMinute", 0},  {"interbalminute", 0},   {"IntervalMinute", 1},  {"InterbalMinutes", 1},
      {"InterbalMinut", 1},   {"InetrbalMinute", 1},   {"InetrbalMniute", 2},  {"IntervalMinutes", 2},
      {"IntrvalMinuten", 3},  {"", 14},
  };
  for (const auto& c : cases) EXPECT_EQ(Slips(c.written, "InterbalMinute"), c.slips) << c.written;
  const std::string longest(MostSlipLetters, 'a');
  EXPECT_EQ(Slips(longest, longest), 0u);
  EXPECT_EQ(Slips(longest + "a", longest + "a"), FarSlips);
}

// Each threshold with a row just inside and one just outside.
TEST(LooksLikeKey, NearMissThresholdsOfLengthSlipsAndPrefix) {
  const struct {
    std::string_view written;
    std::string_view key;
    bool nearMiss;
  } cases[] = {
      // Slips: three are near, four are not (no common prefix of eight).
      {"IxterbalMinuxx", "InterbalMinute", true},
      {"IxterbalMinxxx", "InterbalMinute", false},
      // Prefix: eight letters shared are near however the rest differs,
      // seven are not.
      {"ConnectWxxxxxxxxxxxxxxx", "ConnectWaitMilliSecond", true},
      {"ConnectxXXXXXXXXXXXXXX", "ConnectWaitMilliSecond", false},
      {"ConnectWaitMs", "ConnectWaitMilliSecond", true},
      // Length: six letters may be a near miss, five never.
      {"Interb", "Interv", true},
      {"Inter", "Intex", false},
      {"Server", "InterbalMinute", false},
      {"Timeout", "ConnectWaitMilliSecond", false},
      {"InterbalMinute", "InterbalMinute", true},
  };
  for (const auto& c : cases) EXPECT_EQ(LooksLikeKey(c.written, c.key), c.nearMiss) << c.written << " " << c.key;
}

}  // namespace
