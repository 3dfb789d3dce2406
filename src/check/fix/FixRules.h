#pragma once
// The settings check's certain corrections, one small rule each, over the
// bytes of one line or one value. A rule answers only where the user's
// meaning leaves no doubt; everything else stays for the user. Portable: no
// Windows headers.
#include <optional>
#include <string>
#include <string_view>

#include "PluginSettings.h"
#include "TextCharacters.h"

// The one known key that `written` is a slip of: at most two letters
// changed, added, dropped or swapped (case aside), while every other key is
// farther away. Null when there is none, or more than one, and for a name
// that holds other characters than ASCII.
const IntegerSetting* CertainKeyFor(std::string_view written);

struct ValueCorrection {
  std::string value;        // what the plug-in reads as the number meant, in the setting's own unit
  std::string_view note;    // a note after it, as written, its mark included; empty when none
  bool converted = false;   // from another unit
};

// The certain correction of a value the plug-in rejects (ValueMeant.h reads
// it): a whole number of the setting's unit once its full-width forms are
// half-width, its group commas gone, its unit converted exactly and its note
// taken off ("１０分", "15 min", "2秒", "1.5 sec", "1,500", "15 ;note").
// Nothing for anything else: a decimal point without a unit ("1.5"), group
// commas with a unit to convert ("1,500秒" may mean 1.5 seconds), a time
// that is no whole number of the unit ("90秒" for minutes), a value out of
// range, words that are no unit ("15 abc").
std::optional<ValueCorrection> CorrectValue(std::string_view value, TextEncoding encoding,
                                            const IntegerSetting& setting);

// `line` (trimmed) with the full-width forms of its name, its "=" and its
// value made half-width, when it then is `setting`'s entry with a value the
// plug-in reads or CorrectValue corrects. A note after the value keeps its
// characters as written. Nothing otherwise.
std::optional<std::string> HalfWidthEntry(std::string_view line, TextEncoding encoding,
                                          const IntegerSetting& setting);
