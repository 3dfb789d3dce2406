#include "SettingsFile.h"

#include "ByteSearch.h"
#include "SettingsInteger.h"

namespace {

// Whether a header that this "[" might begin could bear `name`: the first
// byte after the "[" and its blanks is the first byte of the header's name,
// or the "]" that closes an empty one. A quick no for almost every other
// section's header, so that only the likely lines are read.
bool MayBeNamed(const char* bracket, const char* end, std::string_view name) {
  const char* p = bracket + 1;
  while (p != end && IsSettingsBlank(*p) && !IsSettingsLineEnd(*p) && *p != '\0') ++p;
  if (p == end) return false;
  return name.empty() ? *p == ']' : UpperAscii(*p) == UpperAscii(name.front());
}

// The bytes after the last header named `name`, from the start of the line
// below it; false when no header bears that name.
//
// Every header line starts, after blanks, with "[", so only the lines that a
// "[" begins are read, and the search for "[" finds the first NUL, which ends
// the content, in the same pass. A "[" that is not the first non-blank of its
// line is passed over; a line that one begins is read by the grammar.
bool FindLastSection(std::string_view bytes, std::string_view name, std::string_view& body) {
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  bool found = false;
  for (const char* p = begin;;) {
    const char* const bracket = FindFirstOf(p, end, '[', '\0', '[');
    if (bracket == end || *bracket == '\0') break;
    p = bracket + 1;
    if (!MayBeNamed(bracket, end, name)) continue;
    const char* const lineStart = SettingsLineStartBefore(begin, bracket);
    if (lineStart == nullptr) continue;

    SettingsLineWalk walk(std::string_view(lineStart, static_cast<std::size_t>(end - lineStart)));
    SettingsLine line;
    walk.Next(line);
    p = walk.Rest().data();
    if (line.kind == SettingsLineKind::Header && SettingsNamesMatch(line.name, name)) {
      body = walk.Rest();
      found = true;
    }
  }
  return found;
}

}  // namespace

void SettingsFile::LookupTexts(std::string_view section, std::span<const std::string_view> keys,
                               std::span<std::string_view> values) const {
  std::string_view body;
  if (!FindLastSection(bytes_, section, body)) return;
  const std::size_t count = keys.size() < values.size() ? keys.size() : values.size();
  SettingsLineWalk walk(body);
  SettingsLine line;
  while (walk.Next(line) && line.kind != SettingsLineKind::Header) {
    if (line.kind != SettingsLineKind::Entry) continue;
    for (std::size_t i = 0; i < count; ++i) {
      if (SettingsNamesMatch(line.name, keys[i])) values[i] = line.value;
    }
  }
}

std::string_view SettingsFile::LookupText(std::string_view section, std::string_view key,
                                          std::string_view fallback) const {
  std::string_view value = fallback;
  LookupTexts(section, std::span(&key, 1), std::span(&value, 1));
  return value;
}

std::int32_t SettingsFile::LookupInteger(std::string_view section, std::string_view key,
                                         std::int32_t fallback) const {
  return ParseSettingsInteger(LookupText(section, key, {}), fallback);
}
