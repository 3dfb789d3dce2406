// The test host lacks BKA_Command.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "PluginUnderTest.h"

namespace {

TEST(PluginLoadWithoutCommand, IsRefusedBeforeTheVersionIsAsked) {
  fakehost::ResetHost();
  PluginUnderTest plugin;
  EXPECT_FALSE(plugin.Load());
  EXPECT_EQ(plugin.LoadError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
  EXPECT_EQ(fakehost::Host().getVersionCalls, 0);
  EXPECT_EQ(fakehost::Host().otherCalls, 0);
  EXPECT_EQ(GetModuleHandleA(plugin.DllPath().c_str()), nullptr);
}

}  // namespace
