#pragma once
// What a value the plug-in rejects was meant as, read the way a person reads
// it: a number (full-width digits too, with commas between groups of three
// or a decimal point), then a unit and a note, each optional:
//   "15 min", "１０分", "2秒", "1.5 sec", "1,500", "15 ; every quarter",
//   "2000 // was 1000", "15分（目安）".
// The note starts at ";", "#", "//" or "(" (or their full-width forms) and
// runs to the end of the value. Only decimal numbers are read. Portable.
#include <cstdint>
#include <string>
#include <string_view>

#include "PluginSettings.h"
#include "TextCharacters.h"

struct ValueMeant {
  bool understood = false;    // the whole value reads so; nothing below holds otherwise
  std::string_view numberText;  // from the value's start to the number's end, as written
  bool groupCommas = false;   // "1,500"
  bool decimalPoint = false;  // "1.5"
  std::string_view unitText;  // the unit as written; empty when none
  TimeUnit unit{};            // the unit written, or else the setting's own
  std::string_view note;      // the note as written, its mark included; empty when none

  // The same time in the setting's own unit.
  enum class Amount : std::uint8_t { Whole, NotWhole, OutOfRange };
  Amount amount = Amount::OutOfRange;
  // Whole: the integer, as the plug-in reads it ("2000", "-5"). NotWhole: the
  // amount to at most three decimals ("1.5"), cut and followed by "…" where
  // it has more ("0.166…").
  std::string inOwnUnit;

  bool UnitConverted(const IntegerSetting& setting) const { return !unitText.empty() && unit != setting.unit; }
};

// `value`: the value as the plug-in has it (trimmed), in `encoding`.
ValueMeant ReadValueMeant(std::string_view value, TextEncoding encoding, const IntegerSetting& setting);

// Thousandths as a decimal number without trailing zeros: 1500 is "1.5",
// -250 "-0.25", 2000 "2".
std::string ThousandthsText(std::int64_t thousandths);

// Whether a note starts at the start of a half-width text.
bool StartsNote(std::string_view halfWidth);

// Where the note after the value of an entry line (trimmed; its "=" may be
// full-width) starts, as ReadValueMeant finds it; the line's size when it
// has none.
std::size_t EntryNoteStart(std::string_view line, TextEncoding encoding, const IntegerSetting& setting);
