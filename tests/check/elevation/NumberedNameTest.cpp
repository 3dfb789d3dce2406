// The names of the check's own files: the process and the attempt written
// out in full, whatever their size.
#include <gtest/gtest.h>

#include <string>

#include "NumberedName.h"

namespace {

TEST(NumberedName, WritesTheProcessAndTheAttemptInDecimal) {
  const struct {
    std::uint32_t process;
    unsigned attempt;
    std::wstring name;
  } cases[] = {
      {0, 0, L"probe-0-0.tmp"},
      {7, 12, L"probe-7-12.tmp"},
      {1000, 99, L"probe-1000-99.tmp"},
      {4294967295u, 100, L"probe-4294967295-100.tmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberedName(L"probe-", c.process, c.attempt, L".tmp"), c.name);
}

}  // namespace
