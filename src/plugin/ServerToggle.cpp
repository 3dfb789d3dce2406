#include "ServerToggle.h"

#include <windows.h>

#include "BeckyAPI.h"
#include "HostMenuLayout.h"

bool ToggleImapServer() {
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
  if ((state & MF_GRAYED) == 0) return false;

  SendMessageA(mainWindow, WM_COMMAND, HostImapToggleCommand, 0);
  return true;
}
