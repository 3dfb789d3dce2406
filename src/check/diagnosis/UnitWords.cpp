#include "UnitWords.h"

#include "SettingsLines.h"

std::optional<UnitWord> UnitWordAt(std::string_view text, TextEncoding encoding) {
  std::optional<UnitWord> longest;
  for (const UnitSpelling& spelling : UnitSpellings) {
    const std::string_view word = encoding == TextEncoding::ShiftJis ? spelling.shiftJis : spelling.utf8;
    const bool ascii = static_cast<unsigned char>(word.front()) < 0x80;
    // A Japanese word in a file of one byte a character is no word.
    if (!ascii && encoding == TextEncoding::SingleByte) continue;
    if (text.size() < word.size()) continue;
    // Only ASCII letters have a case: a Shift-JIS trail byte may look like one.
    const std::string_view written = text.substr(0, word.size());
    if (ascii ? !SettingsNamesMatch(written, word) : written != word) continue;
    if (!longest || word.size() > longest->length) longest = UnitWord{spelling.unit, word.size()};
  }
  return longest;
}
