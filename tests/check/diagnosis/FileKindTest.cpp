// What a file is before what it says: text, UTF-16, text padded with NUL
// bytes, or no text at all.
#include "FileKind.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using namespace std::string_literals;

struct KindCase {
  const char* name;
  std::string bytes;
  FileKind kind;
  std::size_t textSize = 0;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

std::string Utf16(std::string_view ascii, bool big = false) {
  std::string bytes;
  for (const char c : ascii) bytes += big ? std::string{'\0', c} : std::string{c, '\0'};
  return bytes;
}

class KindOfFileIs : public testing::TestWithParam<KindCase> {};

TEST_P(KindOfFileIs, WhatItsBytesShow) {
  const FileKindFacts facts = KindOfFile(GetParam().bytes);
  EXPECT_EQ(facts.kind, GetParam().kind);
  EXPECT_EQ(facts.kind == FileKind::NulPadded ? facts.textSize : 0, GetParam().textSize);
}

const KindCase Kinds[] = {
    {"Empty", "", FileKind::Text},
    {"Text", "[Env]\r\nInterbalMinute=5\r\n", FileKind::Text},
    {"TextWithANulInside", std::string("[Env]\nA=1\n\0B=2\n", 15), FileKind::Text},
    {"ShiftJisText", "; \x83\x81\x83\x82\r\n[Env]\r\n", FileKind::Text},
    {"Utf16LittleEndianMark", "\xFF\xFE[\0E\0"s, FileKind::Utf16},
    {"Utf16BigEndianMark", "\xFE\xFF\0[\0E"s, FileKind::Utf16},
    {"Utf16WithoutMark", Utf16("[Env]\r\nInterbalMinute=5\r\n"), FileKind::Utf16},
    {"Utf16BigEndianWithoutMark", Utf16("[Env]\r\n", true), FileKind::Utf16},
    {"TextThen200Nuls", "[Env]\r\nInterbalMinute=5\r\n" + std::string(200, '\0'), FileKind::NulPadded, 25},
    {"TextThenOneNul", "[Env]\n" + std::string(1, '\0'), FileKind::NulPadded, 6},
    {"NulsOnly", std::string(64, '\0'), FileKind::NotText},
    {"TextNulsThenTextAgain", "[Env]\n" + std::string(100, '\0') + "A=1\n", FileKind::NotText},
    {"Program", "MZ\x90\0\x03\0\0\0"s, FileKind::NotText},
    {"Png", "\x89PNG\r\n\x1A\n\0\0\0\rIHDR"s, FileKind::NotText},
    {"Jpeg", "\xFF\xD8\xFF\xE0\0\x10JFIF"s, FileKind::NotText},
    {"Zip", "PK\x03\x04\x14\0\0\0"s, FileKind::NotText},
    {"Pdf", "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n", FileKind::NotText},
    {"ControlBytes", "\x01\x02\x03[Env]\x04\x05", FileKind::NotText},
    {"FewControlBytes", "[Env]\r\n\x01InterbalMinute=5\r\n", FileKind::Text},
    {"TabsFormFeedAndEndOfFileMark", "[Env]\t\f\r\nInterbalMinute=5\x1A", FileKind::Text},
};

INSTANTIATE_TEST_SUITE_P(Files, KindOfFileIs, testing::ValuesIn(Kinds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatName, NamesTheFormatsAlikeInEveryLanguage) {
  EXPECT_EQ(FormatName(NotTextFormat::Program), "EXE/DLL");
  EXPECT_EQ(FormatName(NotTextFormat::Png), "PNG");
  EXPECT_EQ(FormatName(NotTextFormat::ControlBytes), "");
  EXPECT_EQ(KindOfFile("PK\x05\x06"s).format, NotTextFormat::Zip);
  EXPECT_EQ(KindOfFile("%PDF-1.4"s).format, NotTextFormat::Pdf);
}

}  // namespace
