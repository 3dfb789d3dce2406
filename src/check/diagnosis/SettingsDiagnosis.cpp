#include "SettingsDiagnosis.h"

#include <algorithm>
#include <array>

#include "CommentMarks.h"
#include "KeySpelling.h"
#include "SettingsInteger.h"
#include "SettingsLines.h"
#include "ValueMeant.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (UpperAscii(c) >= 'A' && UpperAscii(c) <= 'F'); }

bool IsRejected(std::string_view value) {
  // A text the parser accepts gives the same value whatever the fallback.
  return ParseSettingsInteger(value, 0) != ParseSettingsInteger(value, 1);
}

// The setting whose key `name` is, as the plug-in compares names; null when none.
const IntegerSetting* SettingNamed(std::string_view name) {
  for (const IntegerSetting& setting : PluginSettings) {
    if (SettingsNamesMatch(name, setting.key)) return &setting;
  }
  return nullptr;
}

bool IsSectionHeader(const SettingsLine& line) {
  return line.kind == SettingsLineKind::Header && SettingsNamesMatch(line.name, PluginSection);
}

// Where the key of a setting was seen, in the section of that name being read
// and in earlier ones.
struct KeySightings {
  std::size_t lastLine = 0;  // in the current section of that name
  std::string_view lastValue;
  std::size_t earlierLine = 0;  // in an earlier section of that name
  std::size_t meantLines = 0;   // in the current section of that name
  MeantLine meant;
};

class Walk {
 public:
  // `reportLines`: whether what the lines may mean is worth saying; not for
  // a file that is no text.
  Walk(SettingsDiagnosis& result, bool reportLines) : result_(result), reportLines_(reportLines) {}

  void Add(const Finding& finding) {
    if (!reportLines_ && finding.line != 0) return;
    if (result_.findings.size() < SettingsDiagnosis::MaxFindings) {
      result_.findings.push_back(finding);
    } else {
      ++result_.findingsLeftOut;
    }
  }

  void Run(std::string_view bytes) {
    SettingsLineWalk lines(bytes);
    SettingsLine line;
    while (lines.Next(line)) Take(line);
    contentSize_ = lines.ContentSize();
    endLine_ = lines.EndLineNumber();
    result_.sections = sections_;
    if (envSections_ > 1) {
      Add({.kind = FindingKind::SeveralEnvSections, .line = envHeaderLine_, .count = envSections_});
    }
  }

  std::size_t ContentSize() const { return contentSize_; }
  std::size_t EndLine() const { return endLine_; }
  std::size_t HiddenEnvHeaderLine() const { return hiddenEnvHeaderLine_; }
  std::size_t EnvSections() const { return envSections_; }
  const KeySightings& Sightings(std::size_t index) const { return sightings_[index]; }

 private:
  void Take(const SettingsLine& line) {
    lineNumber_ = line.number;
    if (line.kind == SettingsLineKind::Nothing) return;
    const std::string_view trimmed = line.text;
    // What the line is once its full-width forms are half-width.
    const bool fullWidth = HasFullWidth(trimmed, result_.encoding);
    const std::string halfWidth = fullWidth ? HalfWidth(trimmed, result_.encoding) : std::string();
    const SettingsLine half = fullWidth ? ReadSettingsLine(halfWidth) : SettingsLine{};

    if (line.kind == SettingsLineKind::Header) {
      TakeHeader(line);
      if (fullWidth && !inEnv_ && IsSectionHeader(half)) FullWidthHeader(trimmed);
      return;
    }
    if (fullWidth && IsSectionHeader(half)) {
      FullWidthHeader(trimmed);
      Hidden(half.name);
      return;
    }
    if (lineNumber_ == 1 && trimmed.starts_with(Utf8Mark)) {
      const SettingsLine unmarked = ReadSettingsLine(trimmed.substr(Utf8Mark.size()));
      if (unmarked.kind == SettingsLineKind::Header) {
        Add({.kind = FindingKind::Utf8MarkBeforeHeader, .line = 1, .text = unmarked.text});
        Hidden(unmarked.name);
      }
    }
    if (trimmed.front() == '[') {
      const std::size_t close = FindCharacter(trimmed, ']', result_.encoding);
      if (close != std::string_view::npos) {
        Add({.kind = FindingKind::HeaderWithTrailingText,
             .line = lineNumber_,
             .otherLine = inSection_ ? sectionLine_ : 0,
             .text = trimmed});
        Hidden(TrimSettingsText(std::string_view(trimmed.data() + 1, close - 1)));
      }
    }
    // Other sections may hold other programs' lines; what a line was meant
    // as counts only where Tollimer's keys were meant to be.
    const bool tollimersPart = !inSection_ || inEnv_;
    if (tollimersPart && TakeCommentedOut(fullWidth ? std::string_view(halfWidth) : trimmed, trimmed)) return;
    if (line.kind == SettingsLineKind::Entry) {
      if (const IntegerSetting* setting = SettingNamed(line.name)) {
        TakeKnownKey(IndexOfSetting(*setting), line.value);
        return;
      }
    }
    if (!tollimersPart) return;
    if (fullWidth && half.kind == SettingsLineKind::Entry) {
      if (const IntegerSetting* setting = SettingNamed(half.name)) {
        const std::string_view beforeNote = trimmed.substr(0, EntryNoteStart(trimmed, result_.encoding, *setting));
        Add({.kind = FindingKind::FullWidthKey, .line = lineNumber_, .setting = setting, .text = trimmed,
             .fullWidth = beforeNote});
        Meant(*setting, {lineNumber_, trimmed, true});
        return;
      }
    }
    if (line.kind != SettingsLineKind::Entry) return;
    for (const IntegerSetting& setting : PluginSettings) {
      if (LooksLikeKey(line.name, setting.key)) {
        Add({.kind = FindingKind::NearMissKey, .line = lineNumber_, .setting = &setting, .text = line.name});
        Meant(setting, {lineNumber_, line.name, false});
        return;
      }
    }
  }

  void TakeHeader(const SettingsLine& line) {
    ++sections_;
    inSection_ = true;
    sectionName_ = line.name;
    sectionLine_ = lineNumber_;
    inEnv_ = SettingsNamesMatch(line.name, PluginSection);
    if (!inEnv_) return;
    ++envSections_;
    envHeaderLine_ = lineNumber_;
    for (KeySightings& seen : sightings_) {
      if (seen.lastLine != 0) seen.earlierLine = seen.lastLine;
      seen.lastLine = 0;
      seen.lastValue = {};
      seen.meantLines = 0;
      seen.meant = {};
    }
  }

  void FullWidthHeader(std::string_view trimmed) {
    Add({.kind = FindingKind::FullWidthHeader, .line = lineNumber_, .text = trimmed, .fullWidth = trimmed});
    if (result_.fullWidthHeaders++ == 0) result_.fullWidthHeader = {lineNumber_, trimmed, true};
  }

  // A key's entry behind another program's comment mark: switched off, as
  // its writer meant, though not as the plug-in reads it.
  bool TakeCommentedOut(std::string_view readable, std::string_view trimmed) {
    const std::size_t mark = CommentMarkLength(readable);
    if (mark == 0) return false;
    const SettingsLine rest = ReadSettingsLine(readable.substr(mark));
    if (rest.kind != SettingsLineKind::Entry) return false;
    for (const IntegerSetting& setting : PluginSettings) {
      if (SettingsNamesMatch(rest.name, setting.key) || LooksLikeKey(rest.name, setting.key)) {
        const Finding finding{
            .kind = FindingKind::CommentedOut, .line = lineNumber_, .setting = &setting, .text = trimmed};
        Add(finding);
        result_.commentedOut.push_back(finding);
        return true;
      }
    }
    return false;
  }

  // A line meant as the header `name` that the plug-in does not take as one.
  void Hidden(std::string_view name) {
    if (!inSection_) hiddenHeaderLine_ = lineNumber_;
    if (hiddenEnvHeaderLine_ == 0 && SettingsNamesMatch(name, PluginSection)) {
      hiddenEnvHeaderLine_ = lineNumber_;
    }
  }

  void Meant(const IntegerSetting& setting, const MeantLine& meant) {
    if (!inEnv_) return;
    KeySightings& seen = sightings_[IndexOfSetting(setting)];
    ++seen.meantLines;
    seen.meant = meant;
  }

  void TakeKnownKey(std::size_t index, std::string_view value) {
    const IntegerSetting* const setting = &PluginSettings[index];
    if (!inSection_) {
      Add({.kind = FindingKind::KeyBeforeAnyHeader,
           .line = lineNumber_,
           .otherLine = hiddenHeaderLine_,
           .setting = setting});
    } else if (!inEnv_) {
      Add({.kind = FindingKind::KeyInOtherSection,
           .line = lineNumber_,
           .otherLine = sectionLine_,
           .setting = setting,
           .text = sectionName_});
    } else {
      KeySightings& seen = sightings_[index];
      if (seen.lastLine != 0) {
        Add({.kind = FindingKind::DuplicateKey, .line = lineNumber_, .otherLine = seen.lastLine, .setting = setting});
      }
      seen.lastLine = lineNumber_;
      seen.lastValue = value;
    }
  }

  SettingsDiagnosis& result_;
  const bool reportLines_;
  std::size_t sections_ = 0;
  std::size_t lineNumber_ = 0;
  std::size_t contentSize_ = 0;
  std::size_t endLine_ = 0;
  bool inSection_ = false;
  bool inEnv_ = false;
  std::string_view sectionName_;
  std::size_t sectionLine_ = 0;
  std::size_t envSections_ = 0;
  std::size_t envHeaderLine_ = 0;
  std::size_t hiddenHeaderLine_ = 0;     // before any header
  std::size_t hiddenEnvHeaderLine_ = 0;  // the first, anywhere
  std::array<KeySightings, PluginSettings.size()> sightings_{};
};

SettingValue ValueOf(const IntegerSetting& setting, const KeySightings& seen, const Walk& walk, bool hasContent,
                     TextEncoding encoding) {
  SettingValue result;
  result.setting = &setting;
  result.value = setting.fallback;
  result.meantLines = seen.meantLines;
  result.meant = seen.meant;
  if (seen.lastLine != 0) {
    result.line = seen.lastLine;
    result.text = seen.lastValue;
    if (!IsRejected(seen.lastValue)) {
      result.value = ParseSettingsInteger(seen.lastValue, setting.fallback);
      result.source = ValueSource::File;
      result.reason = DefaultReason::None;
    } else {
      result.reason = DefaultReason::NotAnInteger;
      result.fault = ExplainIntegerFault(seen.lastValue, encoding, setting);
    }
  } else if (!hasContent) {
    result.reason = DefaultReason::NoContent;
  } else if (walk.EnvSections() == 0) {
    result.reason = DefaultReason::NoEnvSection;
    result.line = walk.HiddenEnvHeaderLine();
  } else if (seen.earlierLine != 0) {
    result.reason = DefaultReason::OnlyInEarlierEnv;
    result.line = seen.earlierLine;
  } else {
    result.reason = DefaultReason::KeyMissing;
  }
  return result;
}

// A value written with a unit: what that unit makes of it.
IntegerFaultFacts ExplainUnit(std::string_view value, const ValueMeant& meant, const IntegerSetting& setting) {
  switch (meant.amount) {
    case ValueMeant::Amount::Whole:
      if (meant.UnitConverted(setting)) return {IntegerFault::OtherUnit, meant.unitText, meant.inOwnUnit};
      return {IntegerFault::TextAfterNumber, TrimSettingsText(value.substr(meant.numberText.size())), {}};
    case ValueMeant::Amount::NotWhole:
      return {IntegerFault::NotWhole, meant.unitText, meant.inOwnUnit};
    case ValueMeant::Amount::OutOfRange:
      break;
  }
  return {IntegerFault::OutOfRange, {}, {}};
}

}  // namespace

IntegerFaultFacts ExplainIntegerFault(std::string_view value, TextEncoding encoding, const IntegerSetting& setting) {
  if (value.empty()) return {IntegerFault::Empty, {}, {}};
  const ValueMeant meant = ReadValueMeant(value, encoding, setting);
  // Full-width forms come first: to a Japanese reader "５" is a digit. A
  // note keeps its own.
  const std::string_view beforeNote = value.substr(0, value.size() - meant.note.size());
  if (HasFullWidth(beforeNote, encoding)) return {IntegerFault::FullWidth, beforeNote, {}};
  if (value.front() == '"' || value.front() == '\'') return {IntegerFault::Quoted, {}, {}};
  if (meant.understood && !meant.unitText.empty()) return ExplainUnit(value, meant, setting);
  std::string_view rest = value;
  if (rest.front() == '+' || rest.front() == '-') rest.remove_prefix(1);
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) return {IntegerFault::SecondSign, {}, {}};
  if (!rest.empty() && IsSettingsBlank(rest.front())) return {IntegerFault::BlankInside, {}, {}};
  const bool hexadecimal = TakeHexadecimalPrefix(rest);
  std::size_t digits = 0;
  while (digits < rest.size() && (hexadecimal ? IsHexDigit(rest[digits]) : IsDigit(rest[digits]))) ++digits;
  if (digits == 0) return {IntegerFault::NoDigits, {}, {}};
  rest.remove_prefix(digits);
  if (rest.empty()) return {IntegerFault::OutOfRange, {}, {}};
  if (rest.size() >= 2 && IsDigit(rest[1]) && (rest[0] == '.' || rest[0] == ',')) {
    return {rest[0] == '.' ? IntegerFault::DecimalPoint : IntegerFault::DigitGroupComma, {}, {}};
  }
  const std::string_view after = TrimSettingsText(rest);
  if (IsSettingsBlank(rest.front()) && !after.empty() && IsDigit(after.front())) {
    return {IntegerFault::BlankInside, {}, {}};
  }
  if (!after.empty()) return {IntegerFault::TextAfterNumber, after, {}};
  return {};
}

SettingsDiagnosis DiagnoseSettings(std::string_view bytes, unsigned codePage) {
  SettingsDiagnosis result;
  result.kind = KindOfFile(bytes);
  result.encoding = EncodingOf(bytes, codePage);
  Walk walk(result, result.kind.kind != FileKind::NotText);
  if (result.kind.kind == FileKind::Utf16) walk.Add({.kind = FindingKind::Utf16});
  if (result.kind.kind == FileKind::NotText) walk.Add({.kind = FindingKind::NotText});

  walk.Run(bytes);
  if (result.kind.kind == FileKind::NulPadded) {
    walk.Add({.kind = FindingKind::NulPadding,
              .line = walk.EndLine(),
              .count = bytes.size() - walk.ContentSize(),
              .byte = walk.ContentSize()});
  } else if (walk.ContentSize() < bytes.size() && result.kind.kind == FileKind::Text) {
    walk.Add({.kind = FindingKind::NulByte, .line = walk.EndLine(), .byte = walk.ContentSize()});
  }

  for (std::size_t i = 0; i < PluginSettings.size(); ++i) {
    result.values[i] = ValueOf(PluginSettings[i], walk.Sightings(i), walk, !bytes.empty(), result.encoding);
  }
  return result;
}
