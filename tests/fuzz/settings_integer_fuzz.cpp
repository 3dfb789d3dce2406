// ParseSettingsInteger against a plain 64-bit model of the value syntax.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "SettingsInteger.h"

namespace {

// The value syntax read into 64 bits, with the range checked once at the end.
std::optional<std::int32_t> Model(std::string_view text) {
  while (!text.empty() && text[0] == ' ') text.remove_prefix(1);
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  int base = 10;
  for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
    if (text.substr(0, prefix.size()) == prefix) {
      base = 16;
      text.remove_prefix(prefix.size());
      break;
    }
  }
  if (text.empty()) return std::nullopt;

  std::int64_t magnitude = 0;
  for (const char c : text) {
    int digit = 99;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit >= base) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > (std::int64_t{1} << 40)) magnitude = std::int64_t{1} << 40;  // far out of range; stays so
  }
  if (base == 16) {
    if (magnitude > 0xFFFFFFFF) return std::nullopt;
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(signedValue & 0xFFFFFFFF));
  }
  if (magnitude > (negative ? 2147483648 : 2147483647)) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int32_t> expected = Model(text);
  for (const std::int32_t fallback : {0x5EED, -0x5EED}) {
    const std::int32_t parsed = ParseSettingsInteger(text, fallback);
    if (parsed != expected.value_or(fallback)) {
      std::fprintf(stderr, "ParseSettingsInteger gave %d, the model %d (fallback %d)\n", parsed,
                   expected.value_or(fallback), fallback);
      std::abort();
    }
  }
  return 0;
}
