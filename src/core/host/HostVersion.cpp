#include "HostVersion.h"

#include <algorithm>

namespace {

// Only a-z fold; every other byte, including those above 127, keeps its value.
unsigned char FoldAsciiCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

}  // namespace

int CompareVersionText(std::string_view left, std::string_view right) {
  const std::size_t common = std::min(left.size(), right.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int difference = FoldAsciiCase(left[i]) - FoldAsciiCase(right[i]);
    if (difference != 0) return difference;
  }
  if (left.size() == right.size()) return 0;
  return left.size() < right.size() ? -1 : 1;
}

bool HostRequiresSetStatus(std::string_view version) {
  constexpr std::string_view firstVersionWithSetStatus = "2.00.06";
  // The host's check only compares texts of up to 7 bytes; anything longer
  // is taken to be a newer host.
  if (version.size() > firstVersionWithSetStatus.size()) return true;
  return CompareVersionText(version, firstVersionWithSetStatus) >= 0;
}
