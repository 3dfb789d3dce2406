#include "BackupName.h"

std::wstring NumberSuffix(int number) {
  std::wstring digits;
  for (; number > 0; number /= 10) digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + number % 10));
  return digits;
}

std::wstring BackupName(std::wstring_view fileName, int number) {
  std::wstring name(fileName);
  if (number > 1) name += L"." + NumberSuffix(number);
  return name + L".bak";
}
