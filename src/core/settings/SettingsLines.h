#pragma once
// The settings file's grammar, stated once: where the content ends, where a
// line ends, and what one line is. Every reader of the file reads through it:
// the plug-in's lookup (SettingsFile), which skips ahead to the lines a "["
// begins and reads those and the lines of the section it finds with this
// walk, and the settings check's diagnosis, which walks every line. What the
// lines mean together (sections, which value counts) is the lookup's:
// SettingsFile.h. Portable: no Windows headers; allocates nothing and never
// throws.
//
// - The first NUL ends the content: nothing after it is read.
// - A line ends at CR LF, a lone LF or a lone CR (LF CR is two line ends, with
//   an empty line between); the last line needs none.
// - To trim is to remove every byte of value 32 or less (blank, tab, every
//   control character) from both ends; bytes of 128 and above stay (the two
//   bytes of a Shift-JIS ideographic space among them). Text is bytes: no
//   decoding and no byte-order mark.
// - A trimmed line that is empty, or starts with ";", says nothing. Only ";"
//   starts a comment, and only at the start of a line.
// - A trimmed line starting with "[" and ending with "]" is a section header;
//   the trimmed text between the brackets is its name, possibly empty.
// - Any other line with "=" is an entry, split at the first "=", name and value
//   trimmed; the value may be empty or hold further "=".
// - Every other line is no entry: no key matches it. So "[Env] ; note" is
//   neither a header nor an entry.
#include <cstddef>
#include <string_view>

inline bool IsSettingsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
inline bool IsSettingsLineEnd(char c) { return c == '\r' || c == '\n'; }
std::string_view TrimSettingsText(std::string_view text);

enum class SettingsLineKind {
  Nothing,  // empty, or a comment
  Header,   // `name`: the section's name
  Entry,    // `name` and `value`
  Other,    // none of these
};

struct SettingsLine {
  SettingsLineKind kind = SettingsLineKind::Nothing;
  std::size_t number = 0;  // 1-based, counted by the walk
  std::string_view text;   // the whole line, trimmed
  std::string_view name;   // trimmed, in the case written
  std::string_view value;  // trimmed
};

// What one line, given without its line end, is. Its number stays 0.
SettingsLine ReadSettingsLine(std::string_view line);

// The lines of some bytes in order, each read and numbered.
class SettingsLineWalk {
 public:
  explicit SettingsLineWalk(std::string_view bytes) : start_(bytes.data()), rest_(bytes) {}

  // The next line; false once the content has ended.
  bool Next(SettingsLine& line);

  // The bytes from the start of the next line on; the lookup resumes its
  // search there after reading one line.
  std::string_view Rest() const { return rest_; }

  // Once Next has given false: how many bytes the content held (the offset of
  // the first NUL, or all of them), and the number of the line on which it
  // ended (the last line's, or the next one's when the last line ended with a
  // line end or there was none).
  std::size_t ContentSize() const { return static_cast<std::size_t>(rest_.data() - start_); }
  std::size_t EndLineNumber() const { return number_ + (lastLineEnded_ ? 1 : 0); }

 private:
  const char* start_;
  std::string_view rest_;
  std::size_t number_ = 0;
  bool lastLineEnded_ = true;
};

// Where the line holding `at` starts, when only blanks stand before `at` on
// it; null when anything else does. `begin`: the start of the content.
const char* SettingsLineStartBefore(const char* begin, const char* at);

// a-z as A-Z, every other byte as it is. ASCII only, where the host's own
// comparison uses the code page's mapping (CharUpperBuffA): the plug-in looks
// up only ASCII names, and no byte outside ASCII maps into ASCII, so the
// answers agree for every name it asks for. It also keeps the core free of
// Windows and of the thread's locale.
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c; }

// Names compare equal when they are equal after UpperAscii.
bool SettingsNamesMatch(std::string_view written, std::string_view asked);
