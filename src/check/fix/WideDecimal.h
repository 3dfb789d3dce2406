#pragma once
// A number in decimal digits, for the numbers in the check's own file names
// (backups, its temporary files). Written out here because std::to_wstring
// would bring a whole printf into the program for them. Portable.
#include <cstdint>
#include <string>

inline std::wstring WideDecimal(std::uint32_t number) {
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + number % 10));
    number /= 10;
  } while (number != 0);
  return digits;
}
