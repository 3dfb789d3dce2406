#include "ValueMeant.h"

#include <numeric>

#include "SettingsLines.h"
#include "UnitWords.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the half-width text's byte `halfAt` came from in `value`: each
// full-width form is one half-width byte, every other character its own.
std::size_t ValueOffset(std::string_view value, TextEncoding encoding, std::size_t halfAt) {
  std::size_t at = 0;
  while (halfAt > 0 && at < value.size()) {
    const std::string_view rest = value.substr(at);
    const FullWidthForm form = FullWidthAt(rest, encoding);
    const std::size_t length = form.halfWidth != '\0' ? form.length : CharacterLength(rest, encoding);
    at += length;
    halfAt -= form.halfWidth != '\0' ? 1 : length;
  }
  return at;
}

// The number at the start of a half-width text, read exactly: its digits as
// one integer `scaled`, which `scale` (a power of ten) divides to give it.
struct Number {
  std::size_t length = 0;  // 0: none starts there
  bool negative = false;
  bool tooLong = false;  // more digits than any amount in range can have
  std::uint64_t scaled = 0;
  std::uint64_t scale = 1;
};

// Digits, in groups of three after commas or with a decimal part.
Number ReadNumber(std::string_view text, ValueMeant& meant) {
  Number number;
  std::size_t at = 0;
  std::size_t digits = 0;
  const auto take = [&](char digit) {
    // Past twelve places (six after the point) an amount is out of range in
    // any unit; the arithmetic stays within 64 bits.
    if (number.scaled == 0 && digit == '0' && number.scale == 1) return;
    if (++digits > 18) number.tooLong = true;
    if (!number.tooLong) number.scaled = number.scaled * 10 + static_cast<std::uint64_t>(digit - '0');
  };
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) number.negative = text[at++] == '-';
  const std::size_t first = at;
  while (at < text.size() && IsDigit(text[at])) take(text[at++]);
  const std::size_t lead = at - first;
  if (lead == 0) return {};
  while (lead <= 3 && at + 3 < text.size() && text[at] == ',' && IsDigit(text[at + 1]) && IsDigit(text[at + 2]) &&
         IsDigit(text[at + 3]) && (at + 4 == text.size() || !IsDigit(text[at + 4]))) {
    for (std::size_t i = 1; i <= 3; ++i) take(text[at + i]);
    meant.groupCommas = true;
    at += 4;
  }
  if (!meant.groupCommas && at + 1 < text.size() && text[at] == '.' && IsDigit(text[at + 1])) {
    meant.decimalPoint = true;
    for (++at; at < text.size() && IsDigit(text[at]); ++at) {
      if (number.scale >= 1'000'000) number.tooLong = true;
      number.scale *= 10;
      if (!number.tooLong) number.scaled = number.scaled * 10 + static_cast<std::uint64_t>(text[at] - '0');
    }
  }
  // A digit, comma or point right after is no number of this form ("1,5",
  // "1,5000", "15.").
  if (at < text.size() && (IsDigit(text[at]) || text[at] == ',' || text[at] == '.')) return {};
  if (digits > 12) number.tooLong = true;
  number.length = at;
  return number;
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsSettingsBlank(text[at])) ++at;
  return at;
}

// The number in the setting's own unit, by integer arithmetic alone, so that
// "1.5秒" is 1500 milliseconds and "90秒" 1.5 minutes exactly.
void ConvertToOwnUnit(const Number& number, ValueMeant& meant, const IntegerSetting& setting) {
  meant.amount = ValueMeant::Amount::OutOfRange;
  if (number.tooLong) return;
  const auto from = static_cast<std::uint64_t>(MillisecondsIn(meant.unit));
  const auto to = static_cast<std::uint64_t>(MillisecondsIn(setting.unit));
  const std::uint64_t common = std::gcd(from, to);
  std::uint64_t numerator = 0;
  if (__builtin_mul_overflow(number.scaled, from / common, &numerator)) return;
  const std::uint64_t denominator = number.scale * (to / common);
  const bool negative = number.negative && numerator != 0;
  if (numerator % denominator == 0) {
    const std::uint64_t amount = numerator / denominator;
    if (amount > (negative ? 2147483648u : 2147483647u)) return;
    meant.amount = ValueMeant::Amount::Whole;
    meant.inOwnUnit = ThousandthsText((negative ? -1 : 1) * static_cast<std::int64_t>(amount) * 1000);
    return;
  }
  meant.amount = ValueMeant::Amount::NotWhole;
  // To three decimals, cut rather than rounded; "…" where more would follow.
  std::uint64_t thousandths = 0;
  if (__builtin_mul_overflow(numerator, std::uint64_t{1000}, &thousandths)) return;
  const bool cut = thousandths % denominator != 0;
  const auto signedThousandths = static_cast<std::int64_t>(thousandths / denominator);
  meant.inOwnUnit = ThousandthsText(negative ? -signedThousandths : signedThousandths);
  if (cut) meant.inOwnUnit += "\u2026";
}

}  // namespace

std::string ThousandthsText(std::int64_t thousandths) {
  const bool negative = thousandths < 0;
  const auto unsignedThousandths = static_cast<std::uint64_t>(thousandths);
  const std::uint64_t magnitude = negative ? 0 - unsignedThousandths : unsignedThousandths;
  std::string text = negative ? "-" : "";
  text += std::to_string(static_cast<long long>(magnitude / 1000));
  if (magnitude % 1000 != 0) {
    std::string decimals = std::to_string(static_cast<long long>(1000 + magnitude % 1000)).substr(1);
    while (decimals.back() == '0') decimals.pop_back();
    (text += '.') += decimals;
  }
  return text;
}

bool StartsNote(std::string_view text) {
  return text.starts_with(';') || text.starts_with('#') || text.starts_with("//") || text.starts_with('(');
}

std::size_t EntryNoteStart(std::string_view line, TextEncoding encoding, const IntegerSetting& setting) {
  for (std::size_t at = 0; at < line.size(); at += CharacterLength(line.substr(at), encoding)) {
    if (line[at] != '=' && FullWidthAt(line.substr(at), encoding).halfWidth != '=') continue;
    const std::size_t value = at + CharacterLength(line.substr(at), encoding);
    return line.size() - ReadValueMeant(line.substr(value), encoding, setting).note.size();
  }
  return line.size();
}

ValueMeant ReadValueMeant(std::string_view value, TextEncoding encoding, const IntegerSetting& setting) {
  ValueMeant meant;
  const std::string half = HalfWidth(value, encoding);
  const std::string_view text = half;
  // A full-width space may lead; the plug-in trims only the others.
  const std::size_t start = SkipBlanks(text, 0);
  const Number number = ReadNumber(text.substr(start), meant);
  if (number.length == 0) return {};
  std::size_t at = start + number.length;
  meant.numberText = value.substr(0, ValueOffset(value, encoding, at));
  at = SkipBlanks(text, at);
  meant.unit = setting.unit;
  if (const std::optional<UnitWord> word = UnitWordAt(text.substr(at), encoding)) {
    const std::size_t end = at + word->length;
    if (end == text.size() || IsSettingsBlank(text[end]) || StartsNote(text.substr(end))) {
      meant.unit = word->unit;
      const std::size_t unitStart = ValueOffset(value, encoding, at);
      meant.unitText = value.substr(unitStart, ValueOffset(value, encoding, end) - unitStart);
      at = SkipBlanks(text, end);
    }
  }
  if (at < text.size()) {
    if (!StartsNote(text.substr(at))) return {};
    meant.note = value.substr(ValueOffset(value, encoding, at));
  }
  meant.understood = true;
  ConvertToOwnUnit(number, meant, setting);
  return meant;
}
