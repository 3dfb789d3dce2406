#include "NumberedName.h"

#include "WideDecimal.h"

std::wstring NumberedName(std::wstring_view stem, std::uint32_t process, unsigned attempt,
                          std::wstring_view extension) {
  return std::wstring(stem) + WideDecimal(process) + L"-" + WideDecimal(attempt) + std::wstring(extension);
}
