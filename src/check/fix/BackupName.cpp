#include "BackupName.h"

#include "WideDecimal.h"

std::wstring BackupName(std::wstring_view fileName, int number) {
  std::wstring name(fileName);
  if (number > 1) name += L"." + WideDecimal(static_cast<std::uint32_t>(number));
  return name + L".bak";
}
