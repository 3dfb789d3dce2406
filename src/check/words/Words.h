#pragma once
// Sentences of the catalogues with their placeholders filled. The words fill
// the product's and the settings table's facts themselves; each call passes
// the others by name, and the build fails when a call passes other names
// than the message's text holds:
//
//   words.Say<Message::FindDuplicateKey>(Line{3}, Key{"InterbalMinute"}, OtherLine{2})
//
// Portable; UTF-8 text.
#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "EnglishMessages.h"
#include "PluginSettings.h"
#include "JapaneseMessages.h"
#include "Placeholders.h"

static_assert(WellFormed(EnglishMessages), "English: a message missing, out of order, or a placeholder unknown");
static_assert(WellFormed(JapaneseMessages), "Japanese: a message missing, out of order, or a placeholder unknown");
static_assert(FirstMismatch(EnglishMessages, JapaneseMessages) == MessageCount,
              "a message whose English and Japanese texts hold different placeholders");

enum class ReportLanguage { English, Japanese };

// A fact passed for the placeholder {name} of the slot S.
template <Slot S>
struct Arg {
  Arg(std::string fact) : text(std::move(fact)) {}
  Arg(std::string_view fact) : text(fact) {}
  Arg(const char* fact) : text(fact) {}
  template <std::integral Number>
  Arg(Number number) : text(std::to_string(number)) {}
  std::string text;
};

using Path = Arg<Slot::path>;
using Line = Arg<Slot::line>;
using OtherLine = Arg<Slot::other_line>;
using Count = Arg<Slot::count>;
using ByteNumber = Arg<Slot::byte_number>;
using Key = Arg<Slot::key>;
using Value = Arg<Slot::value>;
using Text = Arg<Slot::text>;
using Reason = Arg<Slot::reason>;
using Min = Arg<Slot::min>;
using Max = Arg<Slot::max>;
using Minutes = Arg<Slot::minutes>;
using FirstMinute = Arg<Slot::first_minute>;
using Days = Arg<Slot::days>;
using WaitMs = Arg<Slot::wait_ms>;
using WaitSeconds = Arg<Slot::wait_s>;
using MinuteMs = Arg<Slot::minute_ms>;
using UnsignedMs = Arg<Slot::unsigned_ms>;
using CapDays = Arg<Slot::cap_days>;
using TimerMs = Arg<Slot::timer_ms>;
using ErrorCode = Arg<Slot::error_code>;
using ErrorText = Arg<Slot::error_text>;
using Option = Arg<Slot::option>;
using Letter = Arg<Slot::letter>;
using ExpectedLetter = Arg<Slot::expected_letter>;
using Unit = Arg<Slot::unit>;
using Note = Arg<Slot::note>;
using Characters = Arg<Slot::characters>;

// The placeholders of a message that the caller passes.
template <Message M>
inline constexpr SlotSet PassedPlaceholders =
    PlaceholdersOf(EnglishMessages[static_cast<std::size_t>(M)].text) & PassedSlots;

class Words {
 public:
  // `dllFileName`: the DLL whose settings file is under check ("" for the
  // product's own); {ini} is the settings file that DLL reads.
  explicit Words(ReportLanguage language, std::string_view dllFileName = {});

  template <Message M, Slot... S>
  std::string Say(const Arg<S>&... args) const {
    static_assert(PassedPlaceholders<M> == (SlotSet{0} | ... | SlotBit(S)),
                  "the call passes other facts than the message's placeholders");
    return Fill(M, {std::pair<Slot, std::string_view>(S, args.text)...});
  }

  // The unit's name, as a sentence's {unit}: "minutes", "分".
  std::string UnitName(TimeUnit unit) const;

 private:
  std::string Fill(Message message, std::initializer_list<std::pair<Slot, std::string_view>> passed) const;
  std::string_view Filled(Slot slot) const;

  ReportLanguage language_;
  std::string dll_;
  std::string ini_;
};

// "ja" or "en"; false for anything else.
bool ReadReportLanguage(std::string_view name, ReportLanguage& language);
