// The settings table: each row's texts turn into the scheduler's field the
// row names, with the row's fallback.
#include "PluginSettings.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

struct TextsCase {
  SettingTexts texts;
  ScheduleSettings settings;
};

TEST(ScheduleSettingsFrom, FillsEachFieldFromItsOwnTextOrItsFallback) {
  const TextsCase cases[] = {
      {{"15", "2500"}, {15, 2500}},
      {{"", ""}, {10, 1000}},
      {{"0x1F", "-1"}, {31, -1}},
      {{"15 min", "1,500"}, {10, 1000}},
      {{"", "7"}, {10, 7}},
  };
  for (const TextsCase& c : cases) {
    EXPECT_EQ(ScheduleSettingsFrom(c.texts), c.settings) << c.texts[0] << " " << c.texts[1];
  }
}

TEST(PluginSettings, EachSettingFillsAFieldOfItsOwnAndStandsWhereItsIndexSays) {
  for (std::size_t i = 0; i < PluginSettings.size(); ++i) {
    EXPECT_EQ(IndexOfSetting(PluginSettings[i]), i);
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(PluginSettings[i].field, PluginSettings[j].field);
  }
  EXPECT_EQ(IntervalSetting.unit, TimeUnit::Minute);
  EXPECT_EQ(ConnectWaitSetting.unit, TimeUnit::Millisecond);
  EXPECT_EQ(MillisecondsIn(TimeUnit::Hour), 60 * MillisecondsIn(TimeUnit::Minute));
}

}  // namespace
