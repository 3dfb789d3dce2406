// The Shift-JIS forms of the full-width characters and of the Japanese unit
// words, character by character against glibc's iconv (CP932, as Windows'
// code page 932 writes them).
#include <iconv.h>

#include <gtest/gtest.h>

#include <string>

#include "ShiftJisFullWidth.h"
#include "UnitWords.h"

namespace {

// `from` converted from one encoding to another by iconv; empty on failure.
std::string Converted(const std::string& from, const char* fromCode, const char* toCode) {
  const iconv_t converter = iconv_open(toCode, fromCode);
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  std::string in = from;
  std::string out(4 * from.size() + 4, '\0');
  char* inBytes = in.data();
  char* outBytes = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(converter, &inBytes, &inLeft, &outBytes, &outLeft);
  iconv_close(converter);
  if (done == static_cast<std::size_t>(-1) || inLeft != 0) return {};
  out.resize(out.size() - outLeft);
  return out;
}

std::string Utf32(char32_t codePoint) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>(codePoint >> (8 * i) & 0xFF);
  return bytes;
}

TEST(ShiftJisFullWidthForms, EachIsWhatIconvWritesAndReadsForItsCharacter) {
  for (std::size_t i = 0; i < ShiftJisFullWidthForms.size(); ++i) {
    const char32_t codePoint = i == 0 ? 0x3000 : 0xFF01 + static_cast<char32_t>(i - 1);
    const std::string shiftJis{static_cast<char>(ShiftJisFullWidthForms[i] >> 8),
                               static_cast<char>(ShiftJisFullWidthForms[i] & 0xFF)};
    const auto shown = static_cast<unsigned>(codePoint);
    EXPECT_EQ(Converted(Utf32(codePoint), "UTF-32LE", "CP932"), shiftJis) << std::hex << shown;
    EXPECT_EQ(Converted(shiftJis, "CP932", "UTF-32LE"), Utf32(codePoint)) << std::hex << shown;
    // Its half-width character is the code point less 0xFEE0 (U+3000: the space).
    EXPECT_EQ(static_cast<unsigned>(HalfWidthOfFullWidthForm(i)), i == 0 ? unsigned{' '} : shown - 0xFEE0);
  }
}

TEST(UnitSpellings, EachShiftJisFormIsWhatIconvWritesForItsUtf8Form) {
  for (const UnitSpelling& spelling : UnitSpellings) {
    EXPECT_EQ(Converted(std::string(spelling.utf8), "UTF-8", "CP932"), spelling.shiftJis) << spelling.utf8;
  }
}

}  // namespace
