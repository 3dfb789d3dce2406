// The test host lacks BKA_Connect, the last of the required names.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "HostFieldLayout.h"

namespace {

TEST(BindHostWithoutConnect, NeitherLooksUpSetStatusNorAsksTheVersion) {
  fakehost::ResetHost();
  TBeckyAPI api;
  EXPECT_FALSE(api.BindHost());
  EXPECT_EQ(api.HostModule, nullptr);
  EXPECT_EQ(api.Connect, nullptr);
  EXPECT_NE(ExportedEntry("SetStatus"), nullptr);
  EXPECT_EQ(api.SetStatus, nullptr);
  EXPECT_EQ(fakehost::Host().getVersionCalls, 0);
  // Every other field was filled, in order, before the missing one.
  for (std::size_t i = 0; i < FieldIndex("Connect"); ++i) {
    if (i == FieldIndex("SetStatus")) continue;
    EXPECT_EQ(FieldAt(api, i), ExportedEntry(ExpectedFieldOrder[i])) << ExpectedFieldOrder[i];
  }
}

}  // namespace
