#include "KeySpelling.h"

#include <algorithm>
#include <array>

#include "SettingsLines.h"

namespace {

bool SameLetter(char a, char b) { return UpperAscii(a) == UpperAscii(b); }

std::size_t CommonPrefix(std::string_view a, std::string_view b) {
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && SameLetter(a[n], b[n])) ++n;
  return n;
}

}  // namespace

std::size_t Slips(std::string_view a, std::string_view b) {
  if (a.size() > MostSlipLetters || b.size() > MostSlipLetters) return FarSlips;
  // Three rows of the table: two back for a swap, one back, and this one.
  using Row = std::array<std::size_t, MostSlipLetters + 1>;
  Row twoBack{};
  Row previous{};
  Row current{};
  for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t change = SameLetter(a[i - 1], b[j - 1]) ? 0 : 1;
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + change});
      if (i > 1 && j > 1 && SameLetter(a[i - 1], b[j - 2]) && SameLetter(a[i - 2], b[j - 1])) {
        current[j] = std::min(current[j], twoBack[j - 2] + 1);
      }
    }
    twoBack = previous;
    previous = current;
  }
  return previous[b.size()];
}

bool LooksLikeKey(std::string_view written, std::string_view key) {
  if (written.size() < NearMissLetters) return false;
  return Slips(written, key) <= NearMissSlips || CommonPrefix(written, key) >= NearMissPrefix;
}
