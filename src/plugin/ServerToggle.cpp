#include "ServerToggle.h"

#include "BeckyAPI.h"
#include "HostMenuLayout.h"

HostMenuProbe ProbeHostMenu() {
  HWND mainWindow = nullptr;
  HWND unused = nullptr;  // the host's other three windows; never read
  HostApi->GetWindowHandles(&mainWindow, &unused, &unused, &unused);

  const HMENU probeMenu = GetSubMenu(GetMenu(mainWindow), HostProbeMenuPosition);
  const int itemCount = GetMenuItemCount(probeMenu);
  int position = 0;
  while (position < itemCount && GetMenuItemID(probeMenu, position) != HostProbeItemId) ++position;

  // When no item matches (or there is no menu at all) the position names no
  // item and the state reads 0xFFFFFFFF, grayed bit included: the command is
  // sent then too.
  const UINT state = GetMenuState(probeMenu, static_cast<UINT>(position), MF_BYPOSITION);
  return {mainWindow, (state & MF_GRAYED) != 0};
}

void SendServerToggle(HWND mainWindow) { SendMessageA(mainWindow, WM_COMMAND, HostImapToggleCommand, 0); }
