// The probe of the host's menu and its command, against a real window and
// real menus.
#include "ServerToggle.h"

#include <gtest/gtest.h>

#include <functional>

#include "BeckyAPI.h"
#include "HostFixture.h"

namespace {

// What the plug-in does at a tick: probe, and send when grayed. True when sent.
bool ProbeAndToggle() {
  const HostMenuProbe probe = ProbeHostMenu();
  if (probe.grayed) SendServerToggle(probe.mainWindow);
  return probe.grayed;
}

constexpr UINT OtherItem = 40001;
constexpr UINT Probe = HostProbeItemId;
constexpr int ProbeMenuAt = HostProbeMenuPosition;

struct ToggleCase {
  const char* name;
  std::function<HMENU()> menuBar;  // null: no menu bar at all
  bool sends;
};

class ServerToggle : public HostFixture, public testing::WithParamInterface<ToggleCase> {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    ASSERT_TRUE(api.BindHost());
    HostApi = &api;
  }
  void TearDown() override { HostApi = nullptr; }

  TBeckyAPI api;
};

TEST_P(ServerToggle, SendsTheCommandExactlyWhenTheProbeReadsGrayed) {
  window.SetMenuBar(GetParam().menuBar ? GetParam().menuBar() : nullptr);

  EXPECT_EQ(ProbeAndToggle(), GetParam().sends);

  // SendMessage: the command has been handled by the time the call returns.
  if (GetParam().sends) {
    ASSERT_EQ(window.Commands().size(), 1u);
    EXPECT_EQ(window.Commands()[0].wParam, HostImapToggleCommand);
    EXPECT_EQ(window.Commands()[0].lParam, 0);
  } else {
    EXPECT_TRUE(window.Commands().empty());
  }
  EXPECT_EQ(fakehost::Host().getWindowHandlesCalls, 1);
}

const ToggleCase ToggleCases[] = {
    {"GrayedAtPositionZero", [] { return MakeHostMenuBar(MakeDropDown({{Probe, MF_GRAYED}})); }, true},
    {"Enabled", [] { return MakeHostMenuBar(MakeDropDown({{OtherItem}, {Probe, MF_ENABLED}})); }, false},
    {"DisabledNotGrayed", [] { return MakeHostMenuBar(MakeDropDown({{Probe, MF_DISABLED}})); }, false},
    {"CheckedNotGrayed", [] { return MakeHostMenuBar(MakeDropDown({{Probe, MF_CHECKED}})); }, false},
    {"GrayedAndChecked",
     [] { return MakeHostMenuBar(MakeDropDown({{OtherItem}, {OtherItem}, {Probe, MF_GRAYED | MF_CHECKED}})); },
     true},
    {"GrayedAfterGrayedNeighbour",
     [] { return MakeHostMenuBar(MakeDropDown({{OtherItem, MF_GRAYED}, {Probe, MF_ENABLED}})); }, false},
    {"FirstOfTwoEnabledSecondGrayed",
     [] { return MakeHostMenuBar(MakeDropDown({{Probe, MF_ENABLED}, {Probe, MF_GRAYED}})); }, false},
    {"FirstOfTwoGrayedSecondEnabled",
     [] { return MakeHostMenuBar(MakeDropDown({{Probe, MF_GRAYED}, {Probe, MF_ENABLED}})); }, true},
    // No item matches: the position one past the end names no item, whose
    // state reads as all bits set.
    {"ProbeAbsentFromNonEmptyMenu", [] { return MakeHostMenuBar(MakeDropDown({{OtherItem}, {OtherItem}})); }, true},
    {"EmptyProbeMenu", [] { return MakeHostMenuBar(MakeDropDown({})); }, true},
    {"NoMenuBar", nullptr, true},
    {"FewerTopLevelMenusThanTheProbeMenuPosition",
     [] { return MakeMenuBarWith(ProbeMenuAt, {{ProbeMenuAt - 1, MakeDropDown({{Probe, MF_ENABLED}})}}); }, true},
    // Searched by position in the probe's drop-down only: an enabled probe
    // one level deeper is not found, so the state is read past the end.
    {"EnabledProbeOnlyInDeeperSubMenu",
     [] { return MakeHostMenuBar(MakeDropDown({{OtherItem}, {0, MF_ENABLED, MakeDropDown({{Probe}})}})); }, true},
    // Only the drop-down at the probe menu's position counts.
    {"GrayedProbeInFirstMenuEnabledInProbeMenu",
     [] {
       return MakeMenuBarWith(ProbeMenuAt + 1,
                              {{0, MakeDropDown({{Probe, MF_GRAYED}})}, {ProbeMenuAt, MakeDropDown({{Probe}})}});
     },
     false},
    {"GrayedProbeInNextMenuEnabledInProbeMenu",
     [] {
       return MakeMenuBarWith(ProbeMenuAt + 2, {{ProbeMenuAt, MakeDropDown({{Probe}})},
                                                {ProbeMenuAt + 1, MakeDropDown({{Probe, MF_GRAYED}})}});
     },
     false},
};

INSTANTIATE_TEST_SUITE_P(Menus, ServerToggle, testing::ValuesIn(ToggleCases),
                         [](const testing::TestParamInfo<ToggleCase>& info) { return info.param.name; });

class ServerToggleHandles : public ServerToggle {};

TEST_F(ServerToggleHandles, PassesOneScratchSlotForTheOtherThreeWindows) {
  window.SetMenuBar(MakeHostMenuBar(MakeDropDown({{Probe}})));
  ProbeAndToggle();
  const auto& slots = fakehost::Host().lastOtherSlots;
  EXPECT_NE(slots[0], nullptr);
  EXPECT_EQ(slots[0], slots[1]);
  EXPECT_EQ(slots[1], slots[2]);
}

TEST_F(ServerToggleHandles, SecondCallSeesTheMenuAsTheHostLeftIt) {
  // The host enables the probe item when it handles the command.
  window.SetMenuBar(MakeHostMenuBar(MakeDropDown({{Probe, MF_GRAYED}})));
  window.onCommand = [this](WPARAM) {
    SetHostProbeGrayed(window.Handle(), false);
  };
  EXPECT_TRUE(ProbeAndToggle());
  EXPECT_FALSE(ProbeAndToggle());
  EXPECT_EQ(window.Commands().size(), 1u);
}

TEST_F(ServerToggleHandles, CommandToAHandleThatIsNoWindowIsHarmless) {
  fakehost::Host().mainWindow = reinterpret_cast<HWND>(0x7FFF0);
  EXPECT_TRUE(ProbeAndToggle());
  EXPECT_TRUE(window.Commands().empty());
}

}  // namespace
