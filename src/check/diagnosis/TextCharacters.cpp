#include "TextCharacters.h"

#include <algorithm>

#include "ShiftJisFullWidth.h"

namespace {

unsigned char Byte(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

bool IsShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsShiftJisTrail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of a well-formed UTF-8 character at the start of `text`; 0 when
// none starts there (a stray byte, an overlong form, a surrogate, a cut end).
std::size_t Utf8Length(std::string_view text) {
  const unsigned char lead = Byte(text, 0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char least = 0x80;
  unsigned char most = 0xBF;  // the bounds of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) least = 0xA0;
    if (lead == 0xED) most = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) least = 0x90;
    if (lead == 0xF4) most = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || Byte(text, 1) < least || Byte(text, 1) > most) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(Byte(text, i))) return 0;
  }
  return length;
}

// The full-width form's index in ShiftJisFullWidthForms (0: U+3000, then
// U+FF01 on), from its code point; -1 for none.
int FormIndex(char32_t codePoint) {
  if (codePoint == 0x3000) return 0;
  if (codePoint >= 0xFF01 && codePoint <= 0xFF5E) return static_cast<int>(codePoint - 0xFF01) + 1;
  return -1;
}

}  // namespace

TextEncoding EncodingOf(std::string_view text, unsigned codePage) {
  text = text.substr(0, text.find('\0'));
  bool beyondAscii = false;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8Length(text.substr(at));
    if (length == 0) return codePage == ShiftJisCodePage ? TextEncoding::ShiftJis : TextEncoding::SingleByte;
    beyondAscii = beyondAscii || length > 1;
    at += length;
  }
  if (beyondAscii) return TextEncoding::Utf8;
  return codePage == ShiftJisCodePage ? TextEncoding::ShiftJis : TextEncoding::SingleByte;
}

std::size_t CharacterLength(std::string_view text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::SingleByte:
      break;
    case TextEncoding::ShiftJis:
      if (text.size() >= 2 && IsShiftJisLead(Byte(text, 0)) && IsShiftJisTrail(Byte(text, 1))) return 2;
      break;
    case TextEncoding::Utf8:
      return std::max<std::size_t>(Utf8Length(text), 1);
  }
  return 1;
}

FullWidthForm FullWidthAt(std::string_view text, TextEncoding encoding) {
  if (text.empty()) return {};
  const std::size_t length = CharacterLength(text, encoding);
  int index = -1;
  if (encoding == TextEncoding::ShiftJis && length == 2) {
    const auto form = static_cast<std::uint16_t>(Byte(text, 0) << 8 | Byte(text, 1));
    const auto found = std::find(ShiftJisFullWidthForms.begin(), ShiftJisFullWidthForms.end(), form);
    if (found != ShiftJisFullWidthForms.end()) index = static_cast<int>(found - ShiftJisFullWidthForms.begin());
  } else if (encoding == TextEncoding::Utf8 && length == 3) {
    const char32_t codePoint = static_cast<char32_t>((Byte(text, 0) & 0x0F) << 12 | (Byte(text, 1) & 0x3F) << 6 |
                                                     (Byte(text, 2) & 0x3F));
    index = FormIndex(codePoint);
  }
  if (index < 0) return {};
  return {HalfWidthOfFullWidthForm(static_cast<std::size_t>(index)), length};
}

std::string HalfWidth(std::string_view text, TextEncoding encoding) {
  std::string half;
  half.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::string_view rest = text.substr(at);
    const FullWidthForm form = FullWidthAt(rest, encoding);
    const std::size_t length = form.halfWidth != '\0' ? form.length : CharacterLength(rest, encoding);
    if (form.halfWidth != '\0') {
      half += form.halfWidth;
    } else {
      half.append(rest.substr(0, length));
    }
    at += length;
  }
  return half;
}

bool HasFullWidth(std::string_view text, TextEncoding encoding) {
  for (std::size_t at = 0; at < text.size(); at += CharacterLength(text.substr(at), encoding)) {
    if (FullWidthAt(text.substr(at), encoding).halfWidth != '\0') return true;
  }
  return false;
}

std::size_t FindCharacter(std::string_view text, char c, TextEncoding encoding) {
  for (std::size_t at = 0; at < text.size(); at += CharacterLength(text.substr(at), encoding)) {
    if (text[at] == c) return at;
  }
  return std::string_view::npos;
}

std::vector<std::string_view> FullWidthRuns(std::string_view text, TextEncoding encoding) {
  std::vector<std::string_view> runs;
  const auto note = [&runs](std::string_view run) {
    if (std::find(runs.begin(), runs.end(), run) == runs.end()) runs.push_back(run);
  };
  std::size_t runStart = 0;
  std::size_t runLength = 0;
  for (std::size_t at = 0; at <= text.size();) {
    const FullWidthForm form = at < text.size() ? FullWidthAt(text.substr(at), encoding) : FullWidthForm{};
    if (form.halfWidth == '\0' || form.halfWidth == ' ') {
      if (runLength != 0) note(text.substr(runStart, runLength));
      runLength = 0;
    }
    if (at == text.size()) break;
    if (form.halfWidth == ' ') {
      note(" ");
    } else if (form.halfWidth != '\0') {
      if (runLength == 0) runStart = at;
      runLength += form.length;
    }
    at += form.halfWidth != '\0' ? form.length : CharacterLength(text.substr(at), encoding);
  }
  return runs;
}
