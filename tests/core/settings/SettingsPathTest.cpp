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

// GetModuleFileNameA's result for a buffer of 260: the count written, 0 when
// it failed, 260 when it cut the path short.
TEST(DeriveSettingsPathFromModule, OnlyAWholePathNamesASettingsFile) {
  std::array<char, 260> module{};
  SettingsPathBuffer buffer;
  const std::string_view library = R"(C:\Host.old\PlugIns\Tollimer.dll)";
  std::copy(library.begin(), library.end(), module.begin());
  EXPECT_TRUE(DeriveSettingsPathFromModule(std::string_view(module.data(), 260), library.size(), buffer));
  EXPECT_EQ(std::string_view(buffer.data()), R"(C:\Host.old\PlugIns\Tollimer.ini)");
  // Failed: not ".ini" in the host's current folder, whatever the buffer holds.
  EXPECT_FALSE(DeriveSettingsPathFromModule(std::string_view(module.data(), 260), 0, buffer));
  EXPECT_EQ(buffer[0], '\0');
  // Cut short in the file name: not "C:\Host.ini".
  std::fill(module.begin() + 20, module.end(), 'a');
  EXPECT_FALSE(DeriveSettingsPathFromModule(std::string_view(module.data(), 260), 260, buffer));
  EXPECT_EQ(buffer[0], '\0');
}

}  // namespace
