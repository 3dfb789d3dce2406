// The settings path Tollimer.dll derives from its own path, through the real
// conversion into the system code page. CTest runs this program twice: in
// Wine's default code page (1252) and in Japanese Windows' (932).
#include "PluginSettingsPath.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

struct PathCase {
  const char* name;
  std::wstring libraryPath;
  LibraryPathProblem in1252;
  LibraryPathProblem in932;
  std::string_view settingsPathIn1252;  // where the problem is None
  std::string_view settingsPathIn932;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

using enum LibraryPathProblem;

// "C:\" and folders of `count` copies of `character`, then "\Tollimer.dll".
std::wstring Under(std::wstring_view character, std::size_t count) {
  std::wstring path = L"C:\\";
  for (std::size_t i = 0; i < count; ++i) path += character;
  return path + L"\\Tollimer.dll";
}

const PathCase Cases[] = {
    {"Plain", L"C:\\Becky!\\PlugIns\\Tollimer.dll", None, None, "C:\\Becky!\\PlugIns\\Tollimer.ini",
     "C:\\Becky!\\PlugIns\\Tollimer.ini"},
    {"NoPath", L"", NoPath, NoPath, "", ""},
    // Best fit would give "cafe", another folder; 932 has no "é".
    {"AccentedFolder", L"C:\\caf\u00E9\\Tollimer.dll", None, NotInCodePage, "C:\\caf\xE9\\Tollimer.ini", ""},
    {"JapaneseFolder", L"C:\\\u8868\\Tollimer.dll", NotInCodePage, None, "", "C:\\\x95\x5C\\Tollimer.ini"},
    {"HangulFolder", L"C:\\\uD55C\\Tollimer.dll", NotInCodePage, NotInCodePage, "", ""},
    {"EmojiFolder", L"C:\\\U0001F600\\Tollimer.dll", NotInCodePage, NotInCodePage, "", ""},
    // GetModuleFileNameA's buffer of 260 holds 259 bytes and the NUL.
    {"PathOf259Characters", Under(L"a", 243), None, None, "", ""},
    {"PathOf260Characters", Under(L"a", 244), TooLong, TooLong, "", ""},
    {"PathOf259BytesIn932", Under(L"\u8868" + std::wstring(241, L'a'), 1), NotInCodePage, None, "", ""},
    {"PathOf260BytesIn932", Under(L"\u8868" + std::wstring(242, L'a'), 1), NotInCodePage, TooLong, "", ""},
    // 166 characters that take 2 bytes each in 932: short enough for
    // GetModuleFileNameW, too long in the code page.
    {"JapanesePathOf166Characters", Under(L"\u8868", 150), NotInCodePage, TooLong, "", ""},
    // As GetModuleFileNameW leaves a path it cut short: the buffer full.
    {"WidePathCutShort", Under(L"a", MAX_PATH), TooLong, TooLong, "", ""},
};

class PluginSettingsPath : public testing::TestWithParam<PathCase> {};

TEST_P(PluginSettingsPath, ComesOnlyFromAPathTheAnsiFunctionsTakeAsItIs) {
  const PathCase& c = GetParam();
  const UINT codePage = GetACP();
  ASSERT_TRUE(codePage == 1252 || codePage == 932) << "code page " << codePage;
  const LibraryPathProblem expected = codePage == 932 ? c.in932 : c.in1252;
  const std::string_view expectedPath = codePage == 932 ? c.settingsPathIn932 : c.settingsPathIn1252;
  // As the DLL has it: what GetModuleFileNameW wrote into MAX_PATH characters.
  const std::wstring_view written(c.libraryPath.data(), std::min<std::size_t>(c.libraryPath.size(), MAX_PATH));
  SettingsPathBuffer settingsPath;
  settingsPath.fill('#');
  EXPECT_EQ(DerivePluginSettingsPath(written, settingsPath), expected);
  if (expected != None) {
    EXPECT_EQ(settingsPath[0], '\0');
  } else if (!expectedPath.empty()) {
    EXPECT_EQ(std::string_view(settingsPath.data()), expectedPath);
  } else {
    EXPECT_TRUE(std::string_view(settingsPath.data()).ends_with("\\Tollimer.ini")) << settingsPath.data();
  }
  // The check asks with the whole path, of any length: the same answer.
  SettingsPathBuffer whole;
  EXPECT_EQ(DerivePluginSettingsPath(c.libraryPath, whole), expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, PluginSettingsPath, testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
