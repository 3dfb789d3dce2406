#include "FileKind.h"

#include <algorithm>
#include <array>

namespace {

struct Signature {
  std::string_view bytes;
  NotTextFormat format;
};

constexpr std::array<Signature, 7> Signatures{{
    {"MZ", NotTextFormat::Program},
    {"\x89PNG\r\n\x1A\n", NotTextFormat::Png},
    {"\xFF\xD8\xFF", NotTextFormat::Jpeg},
    {"PK\x03\x04", NotTextFormat::Zip},
    {"PK\x05\x06", NotTextFormat::Zip},  // an empty archive
    {"PK\x07\x08", NotTextFormat::Zip},  // a spanned one
    {"%PDF-", NotTextFormat::Pdf},
}};

constexpr std::size_t Utf16Head = 512;
constexpr std::size_t ControlHead = 4096;

bool IsTextControl(char c) { return c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == '\x1A'; }

bool FullOfControlBytes(std::string_view bytes) {
  const std::string_view head = bytes.substr(0, ControlHead);
  const auto controls = std::count_if(head.begin(), head.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 && !IsTextControl(c);
  });
  return static_cast<std::size_t>(controls) * 8 > head.size();
}

// NUL bytes in one of every two places: ASCII written as UTF-16.
bool LooksLikeUtf16WithoutMark(std::string_view bytes) {
  const std::string_view head = bytes.substr(0, Utf16Head);
  if (head.size() < 4) return false;
  std::size_t even = 0;
  std::size_t odd = 0;
  for (std::size_t i = 0; i < head.size(); ++i) {
    if (head[i] == '\0') ++(i % 2 == 0 ? even : odd);
  }
  const std::size_t nuls = even + odd;
  return nuls * 4 >= head.size() && std::max(even, odd) * 10 >= nuls * 9;
}

}  // namespace

FileKindFacts KindOfFile(std::string_view bytes) {
  FileKindFacts facts;
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    facts.kind = FileKind::Utf16;
    facts.utf16 = bytes[0] == '\xFF' ? Utf16Form::LittleEndian : Utf16Form::BigEndian;
    return facts;
  }
  for (const Signature& signature : Signatures) {
    if (bytes.starts_with(signature.bytes)) {
      facts.kind = FileKind::NotText;
      facts.format = signature.format;
      return facts;
    }
  }
  const std::size_t firstNul = bytes.find('\0');
  if (firstNul != std::string_view::npos && bytes.find_first_not_of('\0', firstNul) == std::string_view::npos) {
    const std::string_view text = bytes.substr(0, firstNul);
    if (text.empty() || FullOfControlBytes(text)) {
      facts.kind = FileKind::NotText;
    } else {
      facts.kind = FileKind::NulPadded;
      facts.textSize = firstNul;
    }
    return facts;
  }
  if (LooksLikeUtf16WithoutMark(bytes)) {
    facts.kind = FileKind::Utf16;
    return facts;
  }
  if (FullOfControlBytes(bytes)) facts.kind = FileKind::NotText;
  return facts;
}

std::string_view FormatName(NotTextFormat format) {
  switch (format) {
    case NotTextFormat::Program:
      return "EXE/DLL";
    case NotTextFormat::Png:
      return "PNG";
    case NotTextFormat::Jpeg:
      return "JPEG";
    case NotTextFormat::Zip:
      return "ZIP";
    case NotTextFormat::Pdf:
      return "PDF";
    case NotTextFormat::ControlBytes:
      break;
  }
  return {};
}
