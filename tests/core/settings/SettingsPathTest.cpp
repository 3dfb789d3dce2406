#include "SettingsPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

struct PathCase {
  std::string_view libraryPath;
  std::string_view settingsPath;
};

class SettingsPathDerivation : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsPathDerivation, ReplacesTheLastDotOrAppends) {
  SettingsPathBuffer buffer;
  buffer.fill('#');
  ASSERT_TRUE(DeriveSettingsPath(GetParam().libraryPath, buffer)) << GetParam().libraryPath;
  EXPECT_EQ(std::string_view(buffer.data()), GetParam().settingsPath);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SettingsPathDerivation,
    testing::Values(PathCase{R"(C:\Host\PlugIns\Tollimer.dll)", R"(C:\Host\PlugIns\Tollimer.ini)"},
                    PathCase{R"(C:\Host\PlugIns\Tollimer.test.DLL)", R"(C:\Host\PlugIns\Tollimer.test.ini)"},
                    PathCase{R"(C:\Host.old\PlugIns\Tollimer)", R"(C:\Host.ini)"},
                    PathCase{R"(C:\Host\PlugIns\Tollimer)", R"(C:\Host\PlugIns\Tollimer.ini)"},
                    PathCase{"Tollimer.", "Tollimer.ini"}, PathCase{".dll", ".ini"},
                    PathCase{R"(C:\Host\PlugIns\Tollimer.INI)", R"(C:\Host\PlugIns\Tollimer.ini)"},
                    // A whole buffer may be passed: the path ends at its first NUL.
                    PathCase{std::string_view("C:\\P\\T.dll\0garbage.x", 20), "C:\\P\\T.ini"}));

TEST(DeriveSettingsPath, FillsTheBufferExactlyToCapacity) {
  const std::string stem(SettingsPathCapacity - 4, 'a');
  SettingsPathBuffer buffer;
  buffer.fill('#');
  ASSERT_TRUE(DeriveSettingsPath(stem + ".dll", buffer));
  EXPECT_EQ(std::string_view(buffer.data()), stem + ".ini");
  EXPECT_EQ(buffer.back(), '\0');
}

TEST(DeriveSettingsPath, TooLongForTheBuffer_FailsWithAnEmptyPath) {
  const std::string stem(SettingsPathCapacity - 3, 'a');
  SettingsPathBuffer buffer;
  buffer.fill('#');
  EXPECT_FALSE(DeriveSettingsPath(stem + ".dll", buffer));
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_FALSE(DeriveSettingsPath(stem, buffer));
  EXPECT_EQ(buffer[0], '\0');
}

// The check applies the same rule to wide paths of any length.
TEST(SettingsStemLength, IsTheRuleForWidePathsToo) {
  constexpr std::wstring_view library = L"C:\\\u8868.old\\PlugIns\\Tollimer";
  EXPECT_EQ(library.substr(0, SettingsStemLength(library)), L"C:\\\u8868");
  EXPECT_EQ(SettingsStemLength(std::wstring_view(L"Tollimer")), 8u);
}

}  // namespace
