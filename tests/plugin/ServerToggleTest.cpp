// ToggleImapServer against a real window and real menus.
#include "ServerToggle.h"

#include <gtest/gtest.h>

#include <functional>

#include "BeckyAPI.h"
#include "FakeHost.h"
#include "TestWindow.h"

namespace {

constexpr UINT OtherItem = 40001;

HMENU Filler() { return MakeDropDown({{OtherItem}}); }
// A menu bar whose fourth drop-down is `probeMenu`.
HMENU BarWithProbeMenu(HMENU probeMenu) { return MakeMenuBar({Filler(), Filler(), Filler(), probeMenu, Filler()}); }

struct ToggleCase {
  const char* name;
  std::function<HMENU()> menuBar;  // null: no menu bar at all
  bool sends;
};

class ServerToggle : public testing::TestWithParam<ToggleCase> {
 protected:
  void SetUp() override {
    fakehost::ResetHost();
    fakehost::Host().mainWindow = window.Handle();
    ASSERT_TRUE(api.BindHost());
    HostApi = &api;
  }
  void TearDown() override { HostApi = nullptr; }

  TBeckyAPI api;
  TestMainWindow window;
};

TEST_P(ServerToggle, SendsTheCommandExactlyWhenTheProbeReadsGrayed) {
  window.SetMenuBar(GetParam().menuBar ? GetParam().menuBar() : nullptr);

  EXPECT_EQ(ToggleImapServer(), GetParam().sends);

  // SendMessage: the command has been handled by the time the call returns.
  if (GetParam().sends) {
    ASSERT_EQ(window.Commands().size(), 1u);
    EXPECT_EQ(window.Commands()[0].wParam, 10503u);
    EXPECT_EQ(window.Commands()[0].lParam, 0);
  } else {
    EXPECT_TRUE(window.Commands().empty());
  }
  EXPECT_EQ(fakehost::Host().getWindowHandlesCalls, 1);
}

const ToggleCase ToggleCases[] = {
    {"GrayedAtPositionZero", [] { return BarWithProbeMenu(MakeDropDown({{32977, MF_GRAYED}})); }, true},
    {"Enabled", [] { return BarWithProbeMenu(MakeDropDown({{OtherItem}, {32977, MF_ENABLED}})); }, false},
    {"DisabledNotGrayed", [] { return BarWithProbeMenu(MakeDropDown({{32977, MF_DISABLED}})); }, false},
    {"CheckedNotGrayed", [] { return BarWithProbeMenu(MakeDropDown({{32977, MF_CHECKED}})); }, false},
    {"GrayedAndChecked",
     [] { return BarWithProbeMenu(MakeDropDown({{OtherItem}, {OtherItem}, {32977, MF_GRAYED | MF_CHECKED}})); },
     true},
    {"GrayedAfterGrayedNeighbour",
     [] { return BarWithProbeMenu(MakeDropDown({{OtherItem, MF_GRAYED}, {32977, MF_ENABLED}})); }, false},
    {"FirstOfTwoEnabledSecondGrayed",
     [] { return BarWithProbeMenu(MakeDropDown({{32977, MF_ENABLED}, {32977, MF_GRAYED}})); }, false},
    {"FirstOfTwoGrayedSecondEnabled",
     [] { return BarWithProbeMenu(MakeDropDown({{32977, MF_GRAYED}, {32977, MF_ENABLED}})); }, true},
    // No item matches: the position one past the end names no item, whose
    // state reads as all bits set.
    {"ProbeAbsentFromNonEmptyMenu", [] { return BarWithProbeMenu(MakeDropDown({{OtherItem}, {OtherItem}})); }, true},
    {"EmptyProbeMenu", [] { return BarWithProbeMenu(MakeDropDown({})); }, true},
    {"NoMenuBar", nullptr, true},
    {"ThreeTopLevelMenus",
     [] { return MakeMenuBar({Filler(), Filler(), MakeDropDown({{32977, MF_ENABLED}})}); }, true},
    // Searched by position in the fourth drop-down only: an enabled probe
    // one level deeper is not found, so the state is read past the end.
    {"EnabledProbeOnlyInDeeperSubMenu",
     [] { return BarWithProbeMenu(MakeDropDown({{OtherItem}, {0, MF_ENABLED, MakeDropDown({{32977}})}})); }, true},
    // Only the fourth drop-down counts.
    {"GrayedProbeInFirstMenuEnabledInFourth",
     [] {
       return MakeMenuBar({MakeDropDown({{32977, MF_GRAYED}}), Filler(), Filler(), MakeDropDown({{32977}})});
     },
     false},
    {"GrayedProbeInFifthMenuEnabledInFourth",
     [] {
       return MakeMenuBar({Filler(), Filler(), Filler(), MakeDropDown({{32977}}), MakeDropDown({{32977, MF_GRAYED}})});
     },
     false},
};

INSTANTIATE_TEST_SUITE_P(Menus, ServerToggle, testing::ValuesIn(ToggleCases),
                         [](const testing::TestParamInfo<ToggleCase>& info) { return info.param.name; });

class ServerToggleHandles : public ServerToggle {};

TEST_F(ServerToggleHandles, PassesOneScratchSlotForTheOtherThreeWindows) {
  window.SetMenuBar(BarWithProbeMenu(MakeDropDown({{32977}})));
  ToggleImapServer();
  const auto& slots = fakehost::Host().lastOtherSlots;
  EXPECT_NE(slots[0], nullptr);
  EXPECT_EQ(slots[0], slots[1]);
  EXPECT_EQ(slots[1], slots[2]);
}

TEST_F(ServerToggleHandles, SecondCallSeesTheMenuAsTheHostLeftIt) {
  // The host enables the probe item when it handles the command.
  window.SetMenuBar(BarWithProbeMenu(MakeDropDown({{32977, MF_GRAYED}})));
  window.onCommand = [this](WPARAM) {
    EnableMenuItem(GetSubMenu(GetMenu(window.Handle()), 3), 32977, MF_BYCOMMAND | MF_ENABLED);
  };
  EXPECT_TRUE(ToggleImapServer());
  EXPECT_FALSE(ToggleImapServer());
  EXPECT_EQ(window.Commands().size(), 1u);
}

TEST_F(ServerToggleHandles, CommandToAHandleThatIsNoWindowIsHarmless) {
  fakehost::Host().mainWindow = reinterpret_cast<HWND>(0x7FFF0);
  EXPECT_TRUE(ToggleImapServer());
  EXPECT_TRUE(window.Commands().empty());
}

}  // namespace
