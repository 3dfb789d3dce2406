#include "HostFixture.h"

void HostFixture::SetUp() {
  fakehost::ResetHost();
  fakehost::Host().mainWindow = window.Handle();
  window.SetMenuBar(MakeHostMenuBar(true));
}

bool HostFixture::WaitForCommands(std::size_t count, DWORD nativeMs) {
  return PumpMessages(ScaledMs(nativeMs), [&] { return Commands() >= count; });
}
