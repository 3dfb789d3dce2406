#pragma once
// The system's text for an error code (FormatMessage), without the line end
// it comes with. Links into Tollimer.dll: no allocation.
#include <windows.h>

#include <cstddef>
#include <string_view>

// Drops what the system's texts end with: a line end, blanks.
template <typename Char>
constexpr std::basic_string_view<Char> TrimSystemText(std::basic_string_view<Char> text) {
  while (!text.empty() && (text.back() == Char('\r') || text.back() == Char('\n') || text.back() == Char(' '))) {
    text.remove_suffix(1);
  }
  return text;
}

// Writes the text in the system code page into `text` (NUL-terminated) and
// returns its length; 0 when the system has no text for the code.
std::size_t SystemMessageA(DWORD error, char* text, std::size_t size);
