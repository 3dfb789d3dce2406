// How the one-pass lookup finds the section that counts: only lines that a
// "[" begins are headers, the first NUL ends everything, and the section
// ends where the next header's line starts. Both keys asked at once.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "ByteSearch.h"
#include "SettingsFile.h"

namespace {

using namespace std::string_literals;

struct ScanCase {
  std::string bytes;
  std::string_view interval;  // "-" for none
  std::string_view wait;
};

class SettingsScan : public testing::TestWithParam<ScanCase> {};

TEST_P(SettingsScan, BothKeysInOnePass_AsTheLineRulesSay) {
  const ScanCase& c = GetParam();
  const std::array<std::string_view, 2> keys{"InterbalMinute", "ConnectWaitMilliSecond"};
  std::array<std::string_view, 2> values{"-", "-"};
  SettingsFile(c.bytes).LookupTexts("Env", keys, values);
  EXPECT_EQ(values[0], c.interval);
  EXPECT_EQ(values[1], c.wait);
}

const ScanCase ScanCases[] = {
    {"[Env]\nInterbalMinute=1\nConnectWaitMilliSecond=2", "1", "2"},
    {"Key=[Env]\nInterbalMinute=1", "-", "-"},                              // "[" inside a value
    {"[Env]\nA=[Other]\nInterbalMinute=1", "1", "-"},                       // ... is no header either
    {"[Env]\nInterbalMinute=1\n \t[Other]\nConnectWaitMilliSecond=2", "1", "-"},  // blanks before "["
    {"[Env]\nInterbalMinute=1\n\x01[Other]\x02\nConnectWaitMilliSecond=2", "1", "-"},  // control bytes trim
    {"[Env]\nInterbalMinute=1\n[Other] x\nConnectWaitMilliSecond=2", "1", "2"},  // text after "]"
    {"[Env]\nInterbalMinute=1\n[\nConnectWaitMilliSecond=2", "1", "2"},     // "[" alone
    {"[Env]\nInterbalMinute=1\n[]\nConnectWaitMilliSecond=2", "1", "-"},    // empty name
    {"[Env]\nInterbalMinute=1\n[Env", "1", "-"},                            // unclosed at the end
    {"[Env]\nInterbalMinute=1\n[Env]", "-", "-"},                           // header at the very end
    {"[Env]\nInterbalMinute=1\n[Env]\r\n", "-", "-"},
    {"[Env]\rInterbalMinute=1\r[Other]\rConnectWaitMilliSecond=2\r", "1", "-"},  // CR only
    {"[Env]\n\rInterbalMinute=1\n\r[X]\n\rConnectWaitMilliSecond=2", "1", "-"},  // LF CR
    {"[Env]\nInterbalMinute=1\n[\0Env]\nInterbalMinute=2"s, "1", "-"},      // NUL right after "["
    {"[Env]\nInterbalMinute=1\0\n[Other]\n"s, "1", "-"},                    // NUL before a header
    {"[Env\0]\nInterbalMinute=1"s, "-", "-"},                               // NUL inside the header
    {"\0[Env]\nInterbalMinute=1"s, "-", "-"},
    {"[Env]\nInterbalMinute=1\n[Env] ; old\nInterbalMinute=3", "3", "-"},  // commented header: same section
    {"[Env]\nInterbalMinute=1\n;[Other]\nConnectWaitMilliSecond=2", "1", "2"},
    {std::string(3000, 'x') + "\n[Env]\n" + std::string(4000, '[') + "\nInterbalMinute=4", "4", "-"},
    {"[Env]\nInterbalMinute=1\n" + std::string(5000, ' ') + "[X]\nConnectWaitMilliSecond=2", "1", "-"},
    {"[Env]\nInterbalMinute=1\n[\t eNV \t]\nInterbalMinute=2", "2", "-"},  // blanks and case in the name
    {"[Env]\nInterbalMinute=1\n[ \nEnv]\nInterbalMinute=2", "2", "-"},    // "[" and blanks alone
    {"[Env]\nInterbalMinute=1\n[Envelope]\nInterbalMinute=2", "1", "-"},  // same first letter
    {"[Env]\ninterbalminute = 5 \nINTERBALMINUTE=6\nConnectWaitMilliSecond=\n", "6", ""},
};

INSTANTIATE_TEST_SUITE_P(Files, SettingsScan, testing::ValuesIn(ScanCases));

TEST(SettingsScan, EmptySectionName_FoundOnlyByEmptyBrackets) {
  const SettingsFile file("[ ]\nA=1\n[]]\nA=2\n[x]\nA=3\n[\t]\nB=4\n");
  EXPECT_EQ(file.LookupText("", "A", "-"), "-");
  EXPECT_EQ(file.LookupText("", "B", "-"), "4");
  EXPECT_EQ(file.LookupText("]", "A", "-"), "2");
}

// Every start and end offset around the 16- and 32-byte blocks, with the
// byte sought at each place, by both searches.
TEST(ByteSearch, FindsTheFirstOfThreeBytesAtEveryOffset) {
  for (std::size_t length = 0; length <= 70; ++length) {
    for (std::size_t at = 0; at <= length; ++at) {
      std::string bytes(length, 'a');
      if (at < length) bytes[at] = (at % 3 == 0) ? '[' : (at % 3 == 1 ? '\0' : '\x80');
      if (at + 1 < length) bytes[at + 1] = '[';
      for (std::size_t start = 0; start <= at; start += 7) {
        const char* const from = bytes.data() + start;
        const char* const to = bytes.data() + length;
        EXPECT_EQ(FindFirstOf(from, to, '[', '\0', '\x80') - bytes.data(), static_cast<std::ptrdiff_t>(at))
            << length << " " << at << " " << start;
        EXPECT_EQ(FindFirstOfByWords(from, to, '[', '\0', '\x80') - bytes.data(), static_cast<std::ptrdiff_t>(at))
            << length << " " << at << " " << start;
      }
    }
  }
}

}  // namespace
