// The test host lacks BKA_Command, the second name the binding looks up.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "HostFieldLayout.h"

namespace {

TEST(BindHostWithoutCommand, StopsAtTheMissingNameBeforeAskingTheVersion) {
  fakehost::ResetHost();
  TBeckyAPI api;
  EXPECT_FALSE(api.BindHost());
  EXPECT_EQ(api.HostModule, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(api.GetVersion), reinterpret_cast<void*>(&BKA_GetVersion));
  EXPECT_EQ(api.Command, nullptr);
  // Nothing after it was looked up, although this host exports it all.
  for (std::size_t i = FieldIndex("Command") + 1; i < ExpectedFieldOrder.size(); ++i) {
    EXPECT_NE(ExportedEntry(ExpectedFieldOrder[i]), nullptr);
    EXPECT_EQ(FieldAt(api, i), nullptr) << ExpectedFieldOrder[i];
  }
  EXPECT_EQ(fakehost::Host().getVersionCalls, 0);
}

TEST(BindHostWithoutCommand, FailsAgainOnEveryRetry) {
  fakehost::ResetHost();
  TBeckyAPI api;
  EXPECT_FALSE(api.BindHost());
  EXPECT_FALSE(api.BindHost());
  EXPECT_EQ(api.HostModule, nullptr);
  EXPECT_EQ(fakehost::Host().getVersionCalls, 0);
}

}  // namespace
