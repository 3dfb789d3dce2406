// The settings check's catalogues: the placeholder rules the build applies,
// shown to catch what they are for; the facts that no sentence may state on
// its own; and the Japanese terms used throughout.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "PluginSettings.h"
#include "ProductIdentity.h"
#include "ScheduleForecast.h"
#include "Words.h"

namespace {

TEST(Placeholders, NamesAreKnownAndClosed) {
  const struct {
    std::string_view text;
    SlotSet slots;
  } cases[] = {
      {"no placeholder", 0},
      {"Line {line}: {key}", SlotBit(Slot::line) | SlotBit(Slot::key)},
      {"{line} and {line} again", SlotBit(Slot::line)},
      {"{dll} beside {ini}", SlotBit(Slot::dll) | SlotBit(Slot::ini)},
      {"{lines}", MalformedPlaceholder},
      {"{1}", MalformedPlaceholder},
      {"{line", MalformedPlaceholder},
      {"{}", MalformedPlaceholder},
  };
  for (const auto& c : cases) EXPECT_EQ(PlaceholdersOf(c.text), c.slots) << c.text;
}

TEST(Placeholders, ACatalogueOutOfOrderOrWithAnUnknownNameIsRejected) {
  Catalogue swapped = EnglishMessages;
  std::swap(swapped[3], swapped[4]);
  EXPECT_FALSE(WellFormed(swapped));
  Catalogue misspelt = EnglishMessages;
  misspelt[static_cast<std::size_t>(Message::FindDuplicateKey)].text = "Line {lien}: {key}";
  EXPECT_FALSE(WellFormed(misspelt));
}

TEST(Placeholders, ALanguageThatDropsAFactIsFound) {
  Catalogue japanese = JapaneseMessages;
  japanese[static_cast<std::size_t>(Message::FindDuplicateKey)].text = "{line} 行目: {key} がもう一度設定されています。";
  EXPECT_EQ(FirstMismatch(EnglishMessages, japanese), static_cast<std::size_t>(Message::FindDuplicateKey));
}

TEST(Words, FillTheFactsFromWhereTheyAreStated) {
  const Words english(ReportLanguage::English);
  const std::string advice = english.Say<Message::AdviceCreateFile>();
  EXPECT_NE(advice.find(std::string(ProductDllFileName)), std::string::npos) << advice;
  EXPECT_NE(advice.find("Tollimer.ini"), std::string::npos) << advice;
  EXPECT_NE(advice.find(std::string(HostName)), std::string::npos) << advice;
  const std::string warning = english.Say<Message::WarnWaitMinuteOrMore>(WaitMs{90000}, MinuteMs{MinuteMilliseconds});
  EXPECT_NE(warning.find(std::string(ConnectWaitSetting.key) + " of 90000 ms"), std::string::npos) << warning;
  EXPECT_NE(warning.find("(60000 ms)"), std::string::npos) << warning;
}

TEST(Words, NameTheDllUnderCheckAndTheSettingsFileItReads) {
  const std::string advice = Words(ReportLanguage::Japanese, "Tollimer-test.dll").Say<Message::AdvicePutDllBeside>();
  EXPECT_NE(advice.find("Tollimer-test.dll"), std::string::npos) << advice;
  EXPECT_NE(advice.find("Tollimer-test.ini"), std::string::npos) << advice;
  EXPECT_EQ(advice.find("Tollimer.dll"), std::string::npos) << advice;
}

// A fact with a place of its own never stands in a sentence as a literal.
TEST(Catalogues, StateNoFactThatHasAPlaceOfItsOwn) {
  const std::string facts[] = {
      std::string(IntervalSetting.key),
      std::string(ConnectWaitSetting.key),
      "[" + std::string(IntervalSetting.section) + "]",
      std::string(ProductDllFileName),
      std::string(ProductName),
      std::string(HostName),
      std::to_string(MinuteMilliseconds),
      std::to_string(HugeIntervalMinutes),
  };
  for (const Catalogue* catalogue : {&EnglishMessages, &JapaneseMessages}) {
    for (const MessageText& message : *catalogue) {
      for (const std::string& fact : facts) {
        EXPECT_EQ(message.text.find(fact), std::string_view::npos)
            << "message " << static_cast<int>(message.id) << " states " << fact << ": " << message.text;
      }
    }
  }
}

// One set of terms: the long-vowel mark as current Windows writes it, the
// host by its name, the connection "to" the server, the wait not named by
// its key, no counting where the plug-in does nothing, and the sample
// settings file called サンプル.
TEST(Catalogues, JapaneseUsesOneSetOfTerms) {
  const std::pair<std::string_view, std::string_view> shunned[] = {
      {"フォルダ", "ー"}, {"サーバ", "ー"}, {"スケジューラ", "ー"}, {"ユーザ", "ー"},
      {"メールソフト", ""}, {"との接続", ""}, {"数える", ""}, {"{wait_key} 後", ""},
      {"動作:", ""}, {"見本", ""},
  };
  for (const MessageText& message : JapaneseMessages) {
    const std::string_view text = message.text;
    for (const auto& [term, unlessFollowedBy] : shunned) {
      for (std::size_t at = text.find(term); at != std::string_view::npos; at = text.find(term, at + 1)) {
        const bool followed = !unlessFollowedBy.empty() && text.substr(at + term.size()).starts_with(unlessFollowedBy);
        EXPECT_TRUE(followed) << "message " << static_cast<int>(message.id) << " says " << term << ": " << text;
      }
    }
  }
}

}  // namespace
