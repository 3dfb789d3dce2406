#include "HostMenuBar.h"

#include "TestWindow.h"

namespace {

constexpr UINT FillerItem = 40001;

}  // namespace

HMENU MakeMenuBarWith(int count, std::initializer_list<std::pair<int, HMENU>> placed) {
  const HMENU bar = CreateMenu();
  for (int position = 0; position < count; ++position) {
    HMENU dropDown = nullptr;
    for (const auto& [at, menu] : placed) {
      if (at == position) dropDown = menu;
    }
    if (dropDown == nullptr) dropDown = MakeDropDown({{FillerItem}});
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), "Menu");
  }
  return bar;
}

HMENU MakeHostMenuBar(HMENU probeMenu) {
  return MakeMenuBarWith(HostProbeMenuPosition + 2, {{HostProbeMenuPosition, probeMenu}});
}

HMENU MakeHostMenuBar(bool probeGrayed) {
  const UINT state = probeGrayed ? MF_GRAYED : MF_ENABLED;
  return MakeHostMenuBar(MakeDropDown({{HostProbeItemId, state}}));
}

HMENU HostProbeMenu(HWND window) { return GetSubMenu(GetMenu(window), HostProbeMenuPosition); }

void SetHostProbeGrayed(HWND window, bool grayed) {
  EnableMenuItem(HostProbeMenu(window), HostProbeItemId, MF_BYCOMMAND | (grayed ? MF_GRAYED : MF_ENABLED));
}
