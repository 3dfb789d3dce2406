#pragma once
// What a settings file is, before what it says: text, text saved as UTF-16,
// text followed by nothing but NUL bytes (what a program that stopped while
// saving leaves), or no text at all (a program, a picture, an archive saved
// under the settings file's name). The kind explains the file; what the
// plug-in reads from it is always the plug-in's own reading of the bytes.
// Portable.
#include <cstddef>
#include <cstdint>
#include <string_view>

enum class FileKind : std::uint8_t { Text, Utf16, NulPadded, NotText };

enum class Utf16Form : std::uint8_t {
  NoMark,        // NUL bytes in every other place
  LittleEndian,  // the mark FF FE
  BigEndian,     // the mark FE FF
};

enum class NotTextFormat : std::uint8_t { Program, Png, Jpeg, Zip, Pdf, ControlBytes };

struct FileKindFacts {
  FileKind kind = FileKind::Text;
  Utf16Form utf16 = Utf16Form::NoMark;            // Utf16
  NotTextFormat format = NotTextFormat::ControlBytes;  // NotText
  std::size_t textSize = 0;                        // NulPadded: the bytes before the first NUL
};

// In this order: a UTF-16 byte-order mark; the first bytes of a program
// ("MZ"), a PNG, a JPEG, a zip or a PDF file; text with every byte from the
// first NUL to the end a NUL; NUL bytes making up a quarter of the first
// 512 bytes, nearly all in even or all in odd places (UTF-16 without a
// mark); more than one in eight of the first 4096 bytes control bytes other
// than tab, line ends, form feed and the old end-of-file mark (no text);
// else text.
FileKindFacts KindOfFile(std::string_view bytes);

// The format's usual name, the same in every language ("PNG"); empty for
// control bytes.
std::string_view FormatName(NotTextFormat format);
