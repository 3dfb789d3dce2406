#include "LookAlikeName.h"

#include <array>

namespace {

// Full-width ASCII (U+FF01 to U+FF5E) and the ideographic space as their
// ASCII twins, letters in upper case.
wchar_t Folded(wchar_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) c = static_cast<wchar_t>(c - 0xFF01 + L'!');
  if (c == 0x3000) c = L' ';
  if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return c;
}

bool SameFolded(std::wstring_view one, std::wstring_view other) {
  if (one.size() != other.size()) return false;
  for (std::size_t i = 0; i < one.size(); ++i) {
    if (Folded(one[i]) != Folded(other[i])) return false;
  }
  return true;
}

bool SameIgnoringCase(std::wstring_view one, std::wstring_view other) {
  if (one.size() != other.size()) return false;
  for (std::size_t i = 0; i < one.size(); ++i) {
    const auto upper = [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; };
    if (upper(one[i]) != upper(other[i])) return false;
  }
  return true;
}

constexpr std::array<std::wstring_view, 2> HiddenExtensions{L".txt", L".ini"};

}  // namespace

bool IsLookAlikeOf(std::wstring_view name, std::wstring_view settingsName) {
  if (SameIgnoringCase(name, settingsName)) return false;  // the file itself, to Windows
  if (SameFolded(name, settingsName)) return true;
  for (const std::wstring_view extension : HiddenExtensions) {
    if (name.size() > extension.size() &&
        SameFolded(name.substr(name.size() - extension.size()), extension) &&
        SameFolded(name.substr(0, name.size() - extension.size()), settingsName)) {
      return true;
    }
  }
  return false;
}
