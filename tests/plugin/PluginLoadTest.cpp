// Loading and unloading Tollimer.dll in a host that exports everything.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "HostMenuBar.h"
#include "MachineSpeed.h"
#include "PluginUnderTest.h"
#include "TestWindow.h"

namespace {

using fakehost::Host;
using fakehost::VersionAnswer;

class PluginLoad : public testing::Test {
 protected:
  void SetUp() override {
    fakehost::ResetHost();
    Host().mainWindow = window.Handle();
    window.SetMenuBar(MakeHostMenuBar(true));
  }
  TestMainWindow window;
  // Interval 0: the first tick toggles, which shows the file was read.
  PluginUnderTest plugin{"[Env]\r\nInterbalMinute=0\r\nConnectWaitMilliSecond=60000\r\n"};
};

TEST_F(PluginLoad, GoodHostLoadsBindsOnceAndFindsTheSettingsBesideTheLibrary) {
  ASSERT_TRUE(plugin.Load()) << "error " << plugin.LoadError();
  EXPECT_EQ(Host().getVersionCalls, 1);
  EXPECT_EQ(Host().getWindowHandlesCalls, 0);
  plugin.OnStart();
  plugin.OnEveryMinute();
  EXPECT_EQ(window.Commands().size(), 1u);
  plugin.OnExit();
  EXPECT_EQ(Host().otherCalls, 0);
}

class PluginLoadRefused : public PluginLoad, public testing::WithParamInterface<VersionAnswer> {};

TEST_P(PluginLoadRefused, WhenTheHostVersionCannotBeHadAndTheHostLivesOn) {
  Host().versionAnswer = GetParam();
  EXPECT_FALSE(plugin.Load());
  EXPECT_EQ(plugin.LoadError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
  EXPECT_EQ(Host().getVersionCalls, 1);
  EXPECT_EQ(GetModuleHandleA(plugin.DllPath().c_str()), nullptr);

  // Nothing was left behind: a later load in a healthy host works.
  Host().versionAnswer = VersionAnswer::Text;
  EXPECT_TRUE(plugin.Load());
}

INSTANTIATE_TEST_SUITE_P(Answers, PluginLoadRefused,
                         testing::Values(VersionAnswer::Null, VersionAnswer::AccessViolation,
                                         VersionAnswer::RaisedException),
                         [](const testing::TestParamInfo<VersionAnswer>& info) {
                           return fakehost::VersionAnswerName(info.param);
                         });

DWORD WINAPI ShortLivedThread(LPVOID) { return 7; }

TEST_F(PluginLoad, ThreadsStartingAndEndingChangeNothing) {
  ASSERT_TRUE(plugin.Load());
  plugin.OnStart();
  for (int i = 0; i < 3; ++i) {
    const HANDLE thread = CreateThread(nullptr, 0, ShortLivedThread, nullptr, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, ScaledMs(5000)), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    EXPECT_EQ(code, 7u);
    CloseHandle(thread);
  }
  EXPECT_EQ(Host().getVersionCalls, 1);
  plugin.OnEveryMinute();
  EXPECT_EQ(window.Commands().size(), 1u);
  plugin.OnExit();
}

TEST_F(PluginLoad, UnloadCallsNoHostFunction) {
  ASSERT_TRUE(plugin.Load());
  plugin.OnStart();
  plugin.OnExit();
  const int versionCalls = Host().getVersionCalls;
  const int windowCalls = Host().getWindowHandlesCalls;
  plugin.Unload();
  EXPECT_EQ(GetModuleHandleA(plugin.DllPath().c_str()), nullptr);
  EXPECT_EQ(Host().getVersionCalls, versionCalls);
  EXPECT_EQ(Host().getWindowHandlesCalls, windowCalls);
  EXPECT_EQ(Host().otherCalls, 0);
}

}  // namespace
