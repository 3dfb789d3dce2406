#include "Utf16ToAnsi.h"

namespace {

bool LittleEndian(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return true;
  if (bytes.starts_with("\xFE\xFF")) return false;
  std::size_t evenNuls = 0;
  std::size_t oddNuls = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\0') ++((i % 2 == 0) ? evenNuls : oddNuls);
  }
  return oddNuls >= evenNuls;
}

std::u16string CodeUnits(std::string_view bytes) {
  const bool little = LittleEndian(bytes);
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) bytes.remove_prefix(2);
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[little ? i : i + 1]);
    const auto high = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
    units.push_back(static_cast<char16_t>(high << 8 | low));
  }
  return units;
}

bool IsLineEnd(char16_t unit) { return unit == u'\r' || unit == u'\n'; }

}  // namespace

AnsiResave ResaveUtf16AsAnsi(std::string_view bytes, AnsiEncoder encode) {
  AnsiResave result;
  if (bytes.size() % 2 != 0) {
    result.malformed = true;
    return result;
  }
  const std::u16string units = CodeUnits(bytes);
  const std::u16string_view text = units;
  if (text.find(u'\0') != std::u16string_view::npos) {
    result.malformed = true;
    return result;
  }
  // Line by line, so that the report can name the line a character stands on;
  // the line ends are ASCII and pass as they are.
  std::size_t line = 1;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = start;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    std::string ansi;
    if (!encode(text.substr(start, end - start), ansi)) {
      result.bytes.clear();
      result.badLine = line;
      return result;
    }
    result.bytes += ansi;
    if (end == text.size()) break;
    const std::size_t endLength = (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1;
    for (std::size_t i = 0; i < endLength; ++i) result.bytes += static_cast<char>(text[end + i]);
    start = end + endLength;
    ++line;
  }
  result.done = true;
  return result;
}
