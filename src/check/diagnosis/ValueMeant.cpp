#include "ValueMeant.h"

#include <limits>
#include <numeric>
#include <vector>

#include "SettingsLines.h"
#include "UnitWords.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A value with its full-width forms made half-width, and where each byte of
// the half-width text came from in the value.
struct HalfWidthValue {
  std::string text;
  std::vector<std::size_t> from;  // one more than text: the end maps to the value's end
};

HalfWidthValue ToHalfWidth(std::string_view value, TextEncoding encoding) {
  HalfWidthValue half;
  for (std::size_t at = 0; at < value.size();) {
    const std::string_view rest = value.substr(at);
    const FullWidthForm form = FullWidthAt(rest, encoding);
    if (form.halfWidth != '\0') {
      half.text += form.halfWidth;
      half.from.push_back(at);
      at += form.length;
      continue;
    }
    const std::size_t length = CharacterLength(rest, encoding);
    for (std::size_t i = 0; i < length; ++i) {
      half.text += rest[i];
      half.from.push_back(at + i);
    }
    at += length;
  }
  half.from.push_back(value.size());
  return half;
}

// Reads digits, in groups of three after commas or with a decimal part, into
// `meant`; the length taken, 0 when no number starts there.
std::size_t ReadNumber(std::string_view text, ValueMeant& meant) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (text[at] == '-') meant.number += '-';
    ++at;
  }
  const std::size_t first = at;
  while (at < text.size() && IsDigit(text[at])) meant.number += text[at++];
  const std::size_t lead = at - first;
  if (lead == 0) return 0;
  while (lead <= 3 && at + 3 < text.size() && text[at] == ',' && IsDigit(text[at + 1]) && IsDigit(text[at + 2]) &&
         IsDigit(text[at + 3]) && (at + 4 == text.size() || !IsDigit(text[at + 4]))) {
    meant.number.append(text.substr(at + 1, 3));
    meant.groupCommas = true;
    at += 4;
  }
  if (!meant.groupCommas && at + 1 < text.size() && text[at] == '.' && IsDigit(text[at + 1])) {
    meant.decimalPoint = true;
    meant.number += text[at++];
    while (at < text.size() && IsDigit(text[at])) meant.number += text[at++];
  }
  // A digit or comma right after is no number of this form ("1,5", "1,5000").
  if (at < text.size() && (IsDigit(text[at]) || text[at] == ',' || text[at] == '.')) return 0;
  return at;
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsSettingsBlank(text[at])) ++at;
  return at;
}

// The number of `meant` in the setting's unit: scaled integer arithmetic, so
// that "1.5秒" is 1500 exactly and "90秒" 1.5 minutes exactly.
void ConvertToOwnUnit(ValueMeant& meant, const IntegerSetting& setting) {
  std::string_view digits = meant.number;
  const bool negative = digits.starts_with('-');
  if (negative) digits.remove_prefix(1);
  const std::size_t point = digits.find('.');
  const std::string_view whole = digits.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
  std::string_view significant = whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
  // Past these the amount is out of range in any unit, and the arithmetic
  // below stays within 64 bits.
  if (significant.size() > 12 || fraction.size() > 6) {
    meant.amount = ValueMeant::Amount::OutOfRange;
    return;
  }
  std::uint64_t scaled = 0;
  std::uint64_t scale = 1;
  for (const char c : whole) scaled = scaled * 10 + static_cast<std::uint64_t>(c - '0');
  for (const char c : fraction) {
    scaled = scaled * 10 + static_cast<std::uint64_t>(c - '0');
    scale *= 10;
  }
  const auto from = static_cast<std::uint64_t>(MillisecondsIn(meant.unit));
  const auto to = static_cast<std::uint64_t>(MillisecondsIn(setting.unit));
  const std::uint64_t common = std::gcd(from, to);
  std::uint64_t numerator = 0;
  if (__builtin_mul_overflow(scaled, from / common, &numerator)) {
    meant.amount = ValueMeant::Amount::OutOfRange;
    return;
  }
  const std::uint64_t denominator = scale * (to / common);
  if (numerator % denominator == 0) {
    const std::uint64_t amount = numerator / denominator;
    const std::uint64_t most = negative ? 2147483648u : 2147483647u;
    if (amount > most) {
      meant.amount = ValueMeant::Amount::OutOfRange;
      return;
    }
    meant.amount = ValueMeant::Amount::Whole;
    meant.inOwnUnit = (negative && amount != 0 ? "-" : "") + std::to_string(amount);
    return;
  }
  meant.amount = ValueMeant::Amount::NotWhole;
  std::uint64_t thousandths = 0;
  if (__builtin_mul_overflow(numerator, std::uint64_t{1000}, &thousandths) || thousandths % denominator != 0) return;
  thousandths /= denominator;
  std::string decimals = std::to_string(1000 + thousandths % 1000).substr(1);
  while (decimals.back() == '0') decimals.pop_back();
  meant.inOwnUnit = (negative ? "-" : "") + std::to_string(thousandths / 1000) + "." + decimals;
}

}  // namespace

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
  const HalfWidthValue half = ToHalfWidth(value, encoding);
  const std::string_view text = half.text;
  // A full-width space may lead; the plug-in trims only the others.
  const std::size_t start = SkipBlanks(text, 0);
  const std::size_t length = ReadNumber(text.substr(start), meant);
  if (length == 0) return {};
  std::size_t at = start + length;
  meant.numberText = value.substr(0, half.from[at]);
  at = SkipBlanks(text, at);
  meant.unit = setting.unit;
  if (const std::optional<UnitWord> word = UnitWordAt(text.substr(at), encoding)) {
    const std::size_t end = at + word->length;
    if (end == text.size() || IsSettingsBlank(text[end]) || StartsNote(text.substr(end))) {
      meant.unit = word->unit;
      meant.unitText = value.substr(half.from[at], half.from[end] - half.from[at]);
      at = SkipBlanks(text, end);
    }
  }
  if (at < text.size()) {
    if (!StartsNote(text.substr(at))) return {};
    meant.note = value.substr(half.from[at]);
  }
  meant.understood = true;
  ConvertToOwnUnit(meant, setting);
  return meant;
}
