#include "SettingsLines.h"

#include "ByteSearch.h"

std::string_view SettingsContent(std::string_view bytes) {
  const char* const nul = FindFirstOf(bytes.data(), bytes.data() + bytes.size(), '\0', '\0', '\0');
  return std::string_view(bytes.data(), static_cast<std::size_t>(nul - bytes.data()));
}

std::string_view TrimSettingsText(std::string_view text) {
  while (!text.empty() && IsSettingsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSettingsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool TakeSettingsLine(std::string_view& rest, std::string_view& line) {
  if (rest.empty()) return false;
  const char* const begin = rest.data();
  const char* const end = begin + rest.size();
  const char* p = FindFirstOf(begin, end, '\r', '\n', '\n');
  line = std::string_view(begin, static_cast<std::size_t>(p - begin));
  if (p != end) {
    // CR LF is one line end; LF CR is two, with an empty line between.
    const bool crlf = *p == '\r' && p + 1 != end && p[1] == '\n';
    p += crlf ? 2 : 1;
  }
  rest.remove_prefix(static_cast<std::size_t>(p - begin));
  return true;
}

bool ReadSettingsHeader(std::string_view trimmed, std::string_view& name) {
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return false;
  trimmed.remove_prefix(1);
  trimmed.remove_suffix(1);
  name = TrimSettingsText(trimmed);
  return true;
}

bool ReadSettingsEntry(std::string_view trimmed, std::string_view& name, std::string_view& value) {
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return false;
  // Not substr: it may throw, and nothing in the DLL may.
  name = TrimSettingsText(std::string_view(trimmed.data(), equals));
  value = TrimSettingsText(std::string_view(trimmed.data() + equals + 1, trimmed.size() - equals - 1));
  return true;
}

bool SettingsNamesMatch(std::string_view written, std::string_view asked) {
  if (written.size() != asked.size()) return false;
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (UpperAscii(written[i]) != UpperAscii(asked[i])) return false;
  }
  return true;
}
