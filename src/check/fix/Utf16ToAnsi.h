#pragma once
// The correction of a settings file saved as UTF-16: the same text, saved
// again in the system's ANSI code page, which is what the plug-in reads. Only
// when every character can be written so; the conversion itself is the
// caller's (WideCharToMultiByte on Windows, a table in the tests). Portable.
#include <cstddef>
#include <string>
#include <string_view>

// Writes `text` (UTF-16 code units, no line end) in the ANSI code page into
// `ansi`; false when a character has no exact form there.
using AnsiEncoder = bool (*)(std::u16string_view text, std::string& ansi);

struct AnsiResave {
  bool done = false;
  std::string bytes;          // done: the text in the ANSI code page, line ends as they were
  std::size_t badLine = 0;    // not done: the 1-based line holding a character the code page lacks
  bool malformed = false;     // not done: an odd number of bytes, or a NUL character: no UTF-16 text
};

// `bytes`: a file that the diagnosis found to be UTF-16. A byte-order mark
// (FF FE or FE FF) tells the byte order and is dropped; without one, the
// half of the bytes holding more NULs is taken as the high half.
AnsiResave ResaveUtf16AsAnsi(std::string_view bytes, AnsiEncoder encode);
