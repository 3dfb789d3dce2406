#include "FixRules.h"

#include <cstddef>

#include "KeySpelling.h"
#include "SettingsInteger.h"
#include "SettingsLines.h"
#include "ValueMeant.h"

namespace {

// A slip is certain at two letters at most.
constexpr std::size_t MostSlips = 2;

bool Accepted(std::string_view value) { return ParseSettingsInteger(value, 0) == ParseSettingsInteger(value, 1); }

}  // namespace

const IntegerSetting* CertainKeyFor(std::string_view written) {
  // A slip is of ASCII letters: a name holding other characters was not
  // typed as the key (full-width letters have a rule of their own), and
  // renaming it away could change how the rest of the file reads (its last
  // byte that is no UTF-8 gone, the file would read as UTF-8).
  for (const char c : written) {
    if (static_cast<unsigned char>(c) >= 0x80) return nullptr;
  }
  const IntegerSetting* found = nullptr;
  for (const IntegerSetting& setting : PluginSettings) {
    const std::size_t slips = Slips(written, setting.key);
    if (slips == 0 || slips > MostSlips) continue;
    if (found != nullptr) return nullptr;
    found = &setting;
  }
  // A name that is another key exactly is no slip of this one.
  for (const IntegerSetting& setting : PluginSettings) {
    if (SettingsNamesMatch(written, setting.key)) return nullptr;
  }
  return found;
}

std::optional<ValueCorrection> CorrectValue(std::string_view value, TextEncoding encoding,
                                            const IntegerSetting& setting) {
  const ValueMeant meant = ReadValueMeant(value, encoding, setting);
  if (!meant.understood || meant.amount != ValueMeant::Amount::Whole) return std::nullopt;
  const bool converted = meant.UnitConverted(setting);
  if (meant.groupCommas && converted) return std::nullopt;
  if (meant.decimalPoint && meant.unitText.empty()) return std::nullopt;
  return ValueCorrection{meant.inOwnUnit, meant.note, converted};
}

std::optional<std::string> HalfWidthEntry(std::string_view line, TextEncoding encoding,
                                          const IntegerSetting& setting) {
  const std::size_t noteStart = EntryNoteStart(line, encoding, setting);
  std::string half = HalfWidth(line.substr(0, noteStart), encoding);
  half.append(line.substr(noteStart));
  const SettingsLine read = ReadSettingsLine(half);
  if (read.kind != SettingsLineKind::Entry || !SettingsNamesMatch(read.name, setting.key)) return std::nullopt;
  if (!Accepted(read.value) && !CorrectValue(read.value, encoding, setting)) return std::nullopt;
  return half;
}
