#include "SettingsLines.h"

#include "ByteSearch.h"

namespace {

// The first CR, LF or NUL. Most lines are short, and the search's setup
// costs more than a look at their few bytes; a long line still gets the
// search.
const char* FindLineEndOrNul(const char* p, const char* end) {
  for (int looked = 0; looked < 64 && p != end; ++looked, ++p) {
    if (IsSettingsLineEnd(*p) || *p == '\0') return p;
  }
  return FindFirstOf(p, end, '\r', '\n', '\0');
}

}  // namespace

std::string_view TrimSettingsText(std::string_view text) {
  while (!text.empty() && IsSettingsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSettingsBlank(text.back())) text.remove_suffix(1);
  return text;
}

SettingsLine ReadSettingsLine(std::string_view line) {
  SettingsLine read;
  const std::string_view text = TrimSettingsText(line);
  read.text = text;
  if (text.empty() || text.front() == ';') return read;
  // Not substr: it may throw, and nothing in the DLL may.
  if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
    read.kind = SettingsLineKind::Header;
    read.name = TrimSettingsText(std::string_view(text.data() + 1, text.size() - 2));
    return read;
  }
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    read.kind = SettingsLineKind::Other;
    return read;
  }
  read.kind = SettingsLineKind::Entry;
  read.name = TrimSettingsText(std::string_view(text.data(), equals));
  read.value = TrimSettingsText(std::string_view(text.data() + equals + 1, text.size() - equals - 1));
  return read;
}

bool SettingsLineWalk::Next(SettingsLine& line) {
  const char* const begin = rest_.data();
  const char* const end = begin + rest_.size();
  if (begin == end || *begin == '\0') {
    rest_ = std::string_view(begin, 0);
    return false;
  }
  const char* p = FindLineEndOrNul(begin, end);
  line = ReadSettingsLine(std::string_view(begin, static_cast<std::size_t>(p - begin)));
  line.number = ++number_;
  lastLineEnded_ = p != end && IsSettingsLineEnd(*p);
  if (lastLineEnded_) {
    // CR LF is one line end; LF CR is two, with an empty line between.
    const bool crlf = *p == '\r' && p + 1 != end && p[1] == '\n';
    p += crlf ? 2 : 1;
  }
  rest_ = std::string_view(p, static_cast<std::size_t>(end - p));
  return true;
}

const char* SettingsLineStartBefore(const char* begin, const char* at) {
  // A blank walked back over is never a NUL: the content ends at the first.
  while (at != begin && IsSettingsBlank(at[-1]) && !IsSettingsLineEnd(at[-1])) --at;
  // Right after a CR or LF a line starts. A CR found here is a lone one, a
  // line end of its own: the byte after it is a blank or `at`, never an LF.
  return at == begin || IsSettingsLineEnd(at[-1]) ? at : nullptr;
}

bool SettingsNamesMatch(std::string_view written, std::string_view asked) {
  if (written.size() != asked.size()) return false;
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (UpperAscii(written[i]) != UpperAscii(asked[i])) return false;
  }
  return true;
}
