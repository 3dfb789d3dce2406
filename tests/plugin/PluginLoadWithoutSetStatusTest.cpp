// The test host lacks BKA_SetStatus, which only hosts from 2.00.06 on have.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "PluginUnderTest.h"

namespace {

TEST(PluginLoadWithoutSetStatus, LoadsInAnOlderHost) {
  fakehost::ResetHost();
  fakehost::Host().versionText = "2.00.05";
  PluginUnderTest plugin;
  EXPECT_TRUE(plugin.Load()) << "error " << plugin.LoadError();
}

TEST(PluginLoadWithoutSetStatus, IsRefusedByANewerHost) {
  for (const char* version : {"2.00.06", "2.00.05a", "10.00.00"}) {
    fakehost::ResetHost();
    fakehost::Host().versionText = version;
    PluginUnderTest plugin;
    EXPECT_FALSE(plugin.Load()) << version;
    EXPECT_EQ(fakehost::Host().getVersionCalls, 1) << version;
  }
}

}  // namespace
