#include "SystemMessage.h"

std::size_t SystemMessageA(DWORD error, char* text, std::size_t size) {
  if (size == 0) return 0;
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                      text, static_cast<DWORD>(size), nullptr);
  const std::size_t trimmed = TrimSystemText(std::string_view(text, length)).size();
  text[trimmed] = '\0';
  return trimmed;
}
