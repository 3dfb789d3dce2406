#pragma once
// The characters of a settings file, where the plug-in sees only bytes: a
// Japanese user writes characters, some of them two or three bytes long, and
// types full-width forms ("５", "＝", the ideographic space) with the input
// method on. The diagnosis and the corrections walk a line character by
// character here, so that the second byte of a Shift-JIS character (which
// may be "[", "]" or "\") is never read as a character of its own.
// Portable.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TextEncoding : std::uint8_t {
  SingleByte,  // one byte a character
  ShiftJis,    // code page 932: a lead byte 0x81-0x9F or 0xE0-0xFC takes the next byte with it
  Utf8,        // UTF-8, with or without a byte-order mark
};

inline constexpr unsigned ShiftJisCodePage = 932;

// The encoding of a file's text (its bytes up to the first NUL): UTF-8 when
// they are well-formed UTF-8 and hold a character beyond ASCII (Shift-JIS
// text almost never is); else Shift-JIS when the system's code page is 932;
// else one byte a character. `codePage`: the system's ANSI code page.
TextEncoding EncodingOf(std::string_view text, unsigned codePage);

// How many bytes the character at the start of `text` (not empty) takes: 1
// for a byte that starts no well-formed character.
std::size_t CharacterLength(std::string_view text, TextEncoding encoding);

// A full-width form of an ASCII character (U+FF01 to U+FF5E) or the
// ideographic space (U+3000), at the start of a text.
struct FullWidthForm {
  char halfWidth = '\0';   // the ASCII character it looks like; '\0': none here
  std::size_t length = 0;  // its bytes
};
FullWidthForm FullWidthAt(std::string_view text, TextEncoding encoding);

// `text` with every full-width form replaced by its half-width character;
// every other byte as it is.
std::string HalfWidth(std::string_view text, TextEncoding encoding);

bool HasFullWidth(std::string_view text, TextEncoding encoding);

// Where the ASCII character `c` first stands as a character of its own in
// `text` (never as the second byte of a Shift-JIS character); npos when it
// does not.
std::size_t FindCharacter(std::string_view text, char c, TextEncoding encoding);

// The full-width forms of `text` as the report names them: each run of
// full-width forms other than the ideographic space once (as its bytes), and
// the ideographic space once as the one-byte text " ", in the order first met.
std::vector<std::string_view> FullWidthRuns(std::string_view text, TextEncoding encoding);
