#include "SettingsInteger.h"

namespace {

// The digit's value in the given base, or -1.
int DigitValue(char c, bool hexadecimal) {
  if (c >= '0' && c <= '9') return c - '0';
  if (!hexadecimal) return -1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool TakeHexadecimalPrefix(std::string_view& text) {
  if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
    text.remove_prefix(1);
    return true;
  }
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    return true;
  }
  return false;
}

std::int32_t ParseSettingsInteger(std::string_view text, std::int32_t fallback) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);

  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }

  const bool hexadecimal = TakeHexadecimalPrefix(text);
  if (text.empty()) return fallback;

  // Each limit is checked before a digit is taken in, so the value never
  // leaves 32 bits: 0x0FFFFFFF * 16 + 15 and 214748364 * 10 + 9 both fit.
  const std::uint32_t base = hexadecimal ? 16 : 10;
  const std::uint32_t limitBeforeDigit = hexadecimal ? 0x0FFFFFFFu : 214748364u;
  std::uint32_t value = 0;
  for (const char c : text) {
    const int digit = DigitValue(c, hexadecimal);
    if (digit < 0 || value > limitBeforeDigit) return fallback;
    value = value * base + static_cast<std::uint32_t>(digit);
  }

  if (!hexadecimal && value > (negative ? 2147483648u : 2147483647u)) return fallback;
  // A hexadecimal pattern is two's complement, and "-" negates it modulo 2^32.
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}
