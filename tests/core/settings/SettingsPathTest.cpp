#include "SettingsPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// What GetModuleFileNameA reports into a buffer of 260 characters: the count
// written, 0 when it failed, the whole buffer when it cut the path short.
struct ModuleCase {
  std::string_view buffer;        // what it holds; the rest are NULs
  std::size_t written;
  std::string_view settingsPath;  // empty: no settings file
};

class SettingsPathFromModule : public testing::TestWithParam<ModuleCase> {};

TEST_P(SettingsPathFromModule, OnlyAWholePathNamesASettingsFile) {
  std::array<char, 260> module{};
  std::copy_n(GetParam().buffer.begin(), std::min(GetParam().buffer.size(), module.size()), module.begin());
  SettingsPathBuffer buffer;
  buffer.fill('#');
  EXPECT_EQ(DeriveSettingsPathFromModule(std::string_view(module.data(), module.size()), GetParam().written, buffer),
            !GetParam().settingsPath.empty());
  EXPECT_EQ(std::string_view(buffer.data()), GetParam().settingsPath);
}

const std::string CutShort = R"(C:\Host.old\)" + std::string(300, 'a');

INSTANTIATE_TEST_SUITE_P(
    Results, SettingsPathFromModule,
    testing::Values(ModuleCase{R"(C:\Host\PlugIns\Tollimer.dll)", 28, R"(C:\Host\PlugIns\Tollimer.ini)"},
                    ModuleCase{"", 0, ""},                               // failed: not ".ini" in the current folder
                    ModuleCase{R"(C:\Host\PlugIns\Tollimer.dll)", 0, ""},  // failed, whatever the buffer holds
                    ModuleCase{CutShort, 260, ""}));                      // cut short: not "C:\Host.ini"

}  // namespace
