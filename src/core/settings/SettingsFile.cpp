#include "SettingsFile.h"

#include "ByteSearch.h"
#include "SettingsInteger.h"
#include "SettingsLines.h"

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The first CR, LF or NUL. Header lines are short, and the search's setup
// costs more than a look at their few bytes; a long line still gets the
// search.
const char* FindLineEndOrNul(const char* p, const char* end) {
  for (int looked = 0; looked < 64 && p != end; ++looked, ++p) {
    if (IsLineEnd(*p) || *p == '\0') return p;
  }
  return FindFirstOf(p, end, '\r', '\n', '\0');
}

// Whether a header that this "[" might begin could bear `name`: the first
// byte after the "[" and its blanks is the first byte of the header's name,
// or the "]" that closes an empty one. A quick no for almost every other
// section's header, so that only the likely lines are read whole.
bool MayBeNamed(const char* bracket, const char* end, std::string_view name) {
  const char* p = bracket + 1;
  while (p != end && IsSettingsBlank(*p) && !IsLineEnd(*p) && *p != '\0') ++p;
  if (p == end) return false;
  return name.empty() ? *p == ']' : UpperAscii(*p) == UpperAscii(name.front());
}

// The lines of the last section named `name`: from the end of its header line
// to the start of the next header line, or to the end of the content.
//
// Every header line starts, after blanks, with "[", so only the lines that a
// "[" begins are looked at, and the search for "[" finds the first NUL, which
// ends the content, in the same pass. A "[" that is not the first non-blank
// of its line is passed over; for one that is, the line is read to its end
// and is a header when, trimmed, it ends with a "]" of its own. Other
// sections' headers matter only to end the section found last.
bool FindLastSection(std::string_view bytes, std::string_view name, std::string_view& lines) {
  const char* const begin = bytes.data();
  const char* end = begin + bytes.size();
  const char* linesBegin = nullptr;
  const char* linesEnd = nullptr;
  bool open = false;  // the section last found runs on to the next header

  for (const char* p = begin;;) {
    const char* const bracket = FindFirstOf(p, end, '[', '\0', '[');
    if (bracket == end) break;
    if (*bracket == '\0') {
      end = bracket;
      break;
    }
    if (!open && !MayBeNamed(bracket, end, name)) {
      p = bracket + 1;
      continue;
    }
    const char* lineStart = bracket;
    while (lineStart != begin && IsSettingsBlank(lineStart[-1]) && !IsLineEnd(lineStart[-1])) --lineStart;
    if (lineStart != begin && !IsLineEnd(lineStart[-1])) {
      p = bracket + 1;
      continue;
    }

    const char* const lineEnd = FindLineEndOrNul(bracket + 1, end);
    const std::string_view trimmed =
        TrimSettingsText(std::string_view(bracket, static_cast<std::size_t>(lineEnd - bracket)));
    std::string_view headerName;
    if (ReadSettingsHeader(trimmed, headerName)) {
      if (open) linesEnd = lineStart;
      open = SettingsNamesMatch(headerName, name);
      if (open) linesBegin = lineEnd;
    }
    if (lineEnd != end && *lineEnd == '\0') {
      end = lineEnd;
      break;
    }
    p = lineEnd;
  }
  if (open) linesEnd = end;
  if (linesBegin == nullptr) return false;
  lines = std::string_view(linesBegin, static_cast<std::size_t>(linesEnd - linesBegin));
  return true;
}

}  // namespace

SettingsRange<SettingsFile::SectionIterator> SettingsFile::Sections() const {
  return SettingsRange(SectionIterator(SettingsContent(bytes_)));
}

SettingsFile::SectionIterator& SettingsFile::SectionIterator::operator++() {
  std::string_view line;
  while (TakeSettingsLine(rest_, line)) {
    std::string_view name;
    if (ReadSettingsHeader(TrimSettingsText(line), name)) {
      section_ = SettingsSection(name, rest_);
      return *this;
    }
  }
  done_ = true;
  return *this;
}

SettingsSection::EntryIterator& SettingsSection::EntryIterator::operator++() {
  std::string_view line;
  while (!done_ && TakeSettingsLine(rest_, line)) {
    const std::string_view trimmed = TrimSettingsText(line);
    std::string_view headerName;
    if (IsSettingsNothing(trimmed)) continue;
    if (ReadSettingsHeader(trimmed, headerName)) break;
    if (ReadSettingsEntry(trimmed, entry_.name, entry_.value)) return *this;
  }
  done_ = true;
  return *this;
}

void SettingsFile::LookupTexts(std::string_view section, std::span<const std::string_view> keys,
                               std::span<std::string_view> values) const {
  std::string_view rest;
  if (!FindLastSection(bytes_, section, rest)) return;
  const std::size_t count = keys.size() < values.size() ? keys.size() : values.size();
  // No header stands among these lines: the section ends where the next
  // header's line starts.
  std::string_view line;
  while (TakeSettingsLine(rest, line)) {
    const std::string_view trimmed = TrimSettingsText(line);
    std::string_view name;
    std::string_view value;
    if (IsSettingsNothing(trimmed) || !ReadSettingsEntry(trimmed, name, value)) continue;
    for (std::size_t i = 0; i < count; ++i) {
      if (SettingsNamesMatch(name, keys[i])) values[i] = value;
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
