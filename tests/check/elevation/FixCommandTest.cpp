// The elevated check's command line: each argument comes back whole, as the
// C runtime splits a command line, whatever blanks, quotes and backslashes
// the paths hold.
#include <gtest/gtest.h>

#include <string>

#include "FixCommand.h"

namespace {

TEST(QuotedArgument, ReadsBackAsTheSameArgument) {
  const struct {
    std::wstring argument;
    std::wstring quoted;
  } cases[] = {
      {L"C:\\Becky\\PlugIns\\Tollimer.ini", L"C:\\Becky\\PlugIns\\Tollimer.ini"},
      {L"C:\\Program Files\\Becky!\\PlugIns\\Tollimer.ini", L"\"C:\\Program Files\\Becky!\\PlugIns\\Tollimer.ini\""},
      {L"", L"\"\""},
      {L"C:\\My Folder\\", L"\"C:\\My Folder\\\\\""},
      {L"a\"b", L"\"a\\\"b\""},
      {L"a\\\"b", L"\"a\\\\\\\"b\""},
      {L"tab\there", L"\"tab\there\""},
      {L"\\\\server\\share\\x y", L"\"\\\\server\\share\\x y\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedArgument(c.argument), c.quoted);
}

TEST(FixCommandParameters, AsksForTheCorrectionInTheLanguageAndTheFileAfterTheOptions) {
  EXPECT_EQ(FixCommandParameters(L"C:\\Users\\太郎\\AppData\\Local\\Temp\\TollimerCheck-report-7-0.txt",
                                 L"C:\\Program Files (x86)\\Becky!\\PlugIns\\Tollimer.ini", L"ja"),
            L"--fix --lang ja --output C:\\Users\\太郎\\AppData\\Local\\Temp\\TollimerCheck-report-7-0.txt -- "
            L"\"C:\\Program Files (x86)\\Becky!\\PlugIns\\Tollimer.ini\"");
  // A settings file whose name starts like an option is no option.
  EXPECT_EQ(FixCommandParameters(L"r.txt", L"--x.ini", L"en"), L"--fix --lang en --output r.txt -- --x.ini");
}

}  // namespace
