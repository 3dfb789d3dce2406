// The test host exports every BKA_ function but BKA_SetStatus, as hosts
// older than 2.00.06 do.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "HostFieldLayout.h"

namespace {

using fakehost::Host;

struct VersionCase {
  const char* version;
  bool binds;
};

class BindHostWithoutSetStatus : public testing::TestWithParam<VersionCase> {
 protected:
  void SetUp() override { fakehost::ResetHost(); }
};

TEST_P(BindHostWithoutSetStatus, BindsOnlyWhenTheVersionMakesItOptional) {
  Host().versionText = GetParam().version;
  TBeckyAPI api;
  EXPECT_EQ(api.BindHost(), GetParam().binds);
  EXPECT_EQ(api.HostModule, GetParam().binds ? GetModuleHandleA(nullptr) : nullptr);
  EXPECT_EQ(api.SetStatus, nullptr);
  EXPECT_EQ(Host().getVersionCalls, 1);
  // Everything else was found either way.
  EXPECT_NE(api.Connect, nullptr);
  EXPECT_NE(api.GetStatus, nullptr);
  EXPECT_NE(api.ComposeMail, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Versions, BindHostWithoutSetStatus,
                         testing::Values(VersionCase{"2.00.05", true}, VersionCase{"10.0", true},
                                         VersionCase{"1.99", true}, VersionCase{"2", true}, VersionCase{"", true},
                                         VersionCase{"2.00.06", false}, VersionCase{"2.00.07", false},
                                         VersionCase{"3", false}, VersionCase{"2.00.05a", false},
                                         VersionCase{"10.00.00", false}));

TEST(BindHostWithoutSetStatusRetry, StartsOverAfterAFailure) {
  fakehost::ResetHost();
  Host().versionText = "2.00.06";
  TBeckyAPI api;
  EXPECT_FALSE(api.BindHost());
  Host().versionText = "2.00.05";
  EXPECT_TRUE(api.BindHost());
  EXPECT_EQ(Host().getVersionCalls, 2);
}

}  // namespace
