#include "NumberedName.h"

namespace {

void AppendDecimal(std::wstring& text, std::uint32_t number) {
  wchar_t digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<wchar_t>(L'0' + number % 10);
    number /= 10;
  } while (number != 0);
  while (count > 0) text += digits[--count];
}

}  // namespace

std::wstring NumberedName(std::wstring_view stem, std::uint32_t process, unsigned attempt,
                          std::wstring_view extension) {
  std::wstring name(stem);
  AppendDecimal(name, process);
  name += L'-';
  AppendDecimal(name, attempt);
  name += extension;
  return name;
}
