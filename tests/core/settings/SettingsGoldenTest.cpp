// What a realistic settings file reads as, compared with a checked-in text.
#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "PluginSettings.h"

namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Quoted, with every byte outside printable ASCII written as \xNN.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte > 126 || c == '"' || c == '\\') {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

// Each section as its header starts it, with the entries below it; lines
// before the first header belong to none.
std::string Print(const SettingsFile& file) {
  std::string printed;
  bool inSection = false;
  SettingsLineWalk lines = file.Lines();
  SettingsLine line;
  while (lines.Next(line)) {
    if (line.kind == SettingsLineKind::Header) {
      printed += "section " + Quoted(line.name) + "\n";
      inSection = true;
    } else if (line.kind == SettingsLineKind::Entry && inSection) {
      printed += "  " + Quoted(line.name) + " = " + Quoted(line.value) + "\n";
    }
  }
  for (const IntegerSetting& setting : PluginSettings) {
    printed += std::string(setting.section) + "/" + std::string(setting.key) + ": " +
               std::to_string(file.LookupInteger(setting.section, setting.key, setting.fallback)) + "\n";
  }
  return printed;
}

TEST(SettingsGolden, RealisticFileReadsAsTheExpectedText) {
  const std::string directory = TOLLIMER_SETTINGS_GOLDEN_DIR;
  const std::string bytes = ReadWhole(directory + "/Settings.ini");
  const std::string expected = ReadWhole(directory + "/Settings.expected.txt");
  ASSERT_FALSE(bytes.empty());
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Print(SettingsFile(bytes)), expected);
}

}  // namespace
