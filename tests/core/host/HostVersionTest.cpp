#include "HostVersion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct VersionCase {
  std::string version;
  bool requiresSetStatus;
};

class SetStatusRequirement : public testing::TestWithParam<VersionCase> {};

TEST_P(SetStatusRequirement, FollowsTheHostVersionRule) {
  EXPECT_EQ(HostRequiresSetStatus(GetParam().version), GetParam().requiresSetStatus)
      << "version \"" << GetParam().version << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Versions, SetStatusRequirement,
    testing::Values(
        // From 2.00.06 on the host exports BKA_SetStatus.
        VersionCase{"2.00.06", true}, VersionCase{"2.00.07", true}, VersionCase{"2.10.00", true},
        VersionCase{"3", true}, VersionCase{"9.9", true},
        VersionCase{"2.00.05", false}, VersionCase{"1.99", false}, VersionCase{"2", false},
        VersionCase{"10.0", false}, VersionCase{"", false},
        // Longer than 7 bytes: always required, even when it sorts first.
        VersionCase{"2.00.05a", true}, VersionCase{"10.00.00", true}, VersionCase{"0.0.0.0.", true},
        // Exactly 7 bytes: the comparison decides.
        VersionCase{"1.99.99", false}, VersionCase{"2.00.0/", false}, VersionCase{"2.00.0:", true},
        // The prefix "2.00.0" is shorter, so it sorts first.
        VersionCase{"2.00.0", false},
        // Letters fold to upper case before comparing: 'a' (0x61) counts as 'A'
        // (0x41), which sorts after '2' (0x32) in either case.
        VersionCase{"A", true}, VersionCase{"a", true},
        // Bytes compare unsigned: 0xB2 sorts after every ASCII byte.
        VersionCase{"\xB2", true}, VersionCase{"1\xFF", false}));

TEST(CompareVersionText, FoldsOnlyAsciiLetters) {
  EXPECT_EQ(CompareVersionText("2.00.06a", "2.00.06A"), 0);
  EXPECT_EQ(CompareVersionText("beta", "BETA"), 0);
  // '[' (0x5B) lies between 'Z' and 'a': a lower-case 'z' folds to 'Z' and
  // sorts before it, an unfolded one would sort after.
  EXPECT_LT(CompareVersionText("z", "["), 0);
  // Non-ASCII letters keep their value.
  EXPECT_NE(CompareVersionText("\xE0", "\xC0"), 0);
}

TEST(CompareVersionText, ShorterPrefixSortsFirst) {
  EXPECT_LT(CompareVersionText("2.00", "2.00.06"), 0);
  EXPECT_GT(CompareVersionText("2.00.06", "2.00"), 0);
  EXPECT_EQ(CompareVersionText("", ""), 0);
  EXPECT_LT(CompareVersionText("", "0"), 0);
}

TEST(CompareVersionText, ComparesBytesAsUnsigned) {
  EXPECT_GT(CompareVersionText("\x80", "\x7F"), 0);
  EXPECT_LT(CompareVersionText("2.00.06", "2.00.0\xFF"), 0);
}

}  // namespace
