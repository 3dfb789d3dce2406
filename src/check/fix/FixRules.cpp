#include "FixRules.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "KeySpelling.h"
#include "SettingsInteger.h"
#include "SettingsLines.h"

namespace {

// A slip is certain at two letters at most.
constexpr std::size_t MostSlips = 2;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The units a user may write after each setting's number, meaning what the
// plug-in reads anyway. Another unit ("s" for milliseconds, "h" for minutes)
// would change the number meant, so it is not taken away.
constexpr std::array<std::string_view, 5> MinuteUnits{"m", "min", "mins", "minute", "minutes"};
constexpr std::array<std::string_view, 5> MillisecondUnits{"ms", "msec", "msecs", "millisecond", "milliseconds"};

std::span<const std::string_view> OwnUnits(const IntegerSetting& setting) {
  switch (setting.unit) {
    case TimeUnit::Minute:
      return MinuteUnits;
    case TimeUnit::Millisecond:
      return MillisecondUnits;
    default:
      return {};
  }
}

bool StartsAsNote(std::string_view text) {
  return text.starts_with(';') || text.starts_with('#') || text.starts_with("//") || text.starts_with('(');
}

// The setting's own unit at the front of `text`, ending where the text ends
// or a blank or note begins: taken off.
bool TakeOwnUnit(std::string_view& text, const IntegerSetting& setting) {
  for (const std::string_view unit : OwnUnits(setting)) {
    if (text.size() < unit.size()) continue;
    if (!SettingsNamesMatch(text.substr(0, unit.size()), unit)) continue;
    const std::string_view rest = text.substr(unit.size());
    if (rest.empty() || IsSettingsBlank(rest.front()) || StartsAsNote(rest)) {
      text = rest;
      return true;
    }
  }
  return false;
}

// "1,500" and "12,345,678": one to three digits, then groups of exactly three.
std::optional<std::string> WithoutGroupCommas(std::string_view digits) {
  std::string plain;
  std::size_t group = 0;
  bool grouped = false;
  for (const char c : digits) {
    if (c == ',') {
      if (group == 0 || group > 3 || (grouped && group != 3)) return std::nullopt;
      grouped = true;
      group = 0;
    } else if (IsDigit(c)) {
      plain += c;
      ++group;
    } else {
      return std::nullopt;
    }
  }
  if (!grouped || group != 3) return std::nullopt;
  return plain;
}

}  // namespace

const IntegerSetting* CertainKeyFor(std::string_view written) {
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

std::optional<std::string> DigitsMeant(std::string_view value, const IntegerSetting& setting) {
  std::string sign;
  if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
    sign = value.substr(0, 1);
    value.remove_prefix(1);
  }
  std::size_t end = 0;
  while (end < value.size() && (IsDigit(value[end]) || value[end] == ',')) ++end;
  std::string_view rest = value.substr(end);

  std::optional<std::string> digits;
  if (rest.empty()) {
    digits = WithoutGroupCommas(value);
  } else if (value.substr(0, end).find(',') == std::string_view::npos && end > 0) {
    // Digits, then a unit or a note; no digit may follow ("1e3", "15-20").
    std::string_view after = TrimSettingsText(rest);
    const bool unit = TakeOwnUnit(after, setting);
    after = TrimSettingsText(after);
    const bool noteOrNothing = after.empty() || StartsAsNote(after);
    if ((unit || !after.empty()) && noteOrNothing) digits = std::string(value.substr(0, end));
  }
  if (!digits) return std::nullopt;
  const std::string meant = sign + *digits;
  if (ParseSettingsInteger(meant, 0) != ParseSettingsInteger(meant, 1)) return std::nullopt;
  return meant;
}
