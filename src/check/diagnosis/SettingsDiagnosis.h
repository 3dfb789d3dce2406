#pragma once
// What the plug-in makes of a settings file's bytes, and why: the values with
// where each came from, and everything in the file that a user may have
// meant differently. Facts only (kinds, line numbers, spans of the bytes);
// the words are the settings check's. Portable: no Windows headers.
//
// The lines come from the plug-in's own walk of the file (SettingsLineWalk,
// SettingsLines.h), which also defines what its lookup finds, so the values
// are the plug-in's; the fuzz target settings_check_fuzz compares them with
// LookupInteger. What a line was meant as is read in characters
// (TextCharacters.h): the system's code page tells how.
// Not part of the plug-in: it allocates, for the check program only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FileKind.h"
#include "PluginSettings.h"
#include "TextCharacters.h"

// Why a value is not an integer in the plug-in's syntax.
enum class IntegerFault {
  Empty,              // nothing after "="
  FullWidth,          // full-width forms in it: "５", "500　"
  NoDigits,           // a sign or "0x"/"$" prefix alone, or no number at all ("ten")
  Quoted,             // "15" or '15'
  SecondSign,         // --5, +-5
  BlankInside,        // + 5, 1 000
  DecimalPoint,       // 1.5
  DigitGroupComma,    // 1,500
  TextAfterNumber,    // 15 min, 15min, 15 ;note, 1e3: `after` holds the text
  OtherUnit,          // 2秒 for milliseconds: `after` the unit, `amount` the same time in the setting's unit
  NotWhole,           // 90秒 for minutes: `after` the unit, `amount` the time in the setting's unit ("1.5")
  OutOfRange,         // beyond 32 bits
  Other,
};

struct IntegerFaultFacts {
  IntegerFault fault = IntegerFault::Other;
  std::string_view after;  // the text after the number, trimmed, or the unit
  std::string amount;
};

// Only meaningful for a text that ParseSettingsInteger rejects; `setting`
// tells the unit its number counts.
IntegerFaultFacts ExplainIntegerFault(std::string_view value, TextEncoding encoding, const IntegerSetting& setting);

enum class ValueSource {
  File,     // the entry at `line`
  Default,  // the setting's fallback, for `reason`
};

enum class DefaultReason {
  None,              // the value came from the file
  NoContent,         // no file, or nothing read from it (see the load's outcome)
  NoEnvSection,      // no header names the section; `line`: a line meant as its header, not taken as one
  KeyMissing,        // the last such section has no entry of that name
  OnlyInEarlierEnv,  // the entry at `line` stands in an earlier section of that name only
  NotAnInteger,      // the entry at `line` holds `text`, which is no integer: `fault`
};

// A line that looks meant as a setting's entry, or as the section's header,
// but is not taken as one.
struct MeantLine {
  std::size_t line = 0;
  std::string_view text;   // a near miss: the name as written; else the whole line, trimmed
  bool fullWidth = false;  // written in full-width forms (else a near miss of the key's spelling)
};

struct SettingValue {
  const IntegerSetting* setting = nullptr;
  std::int32_t value = 0;
  ValueSource source = ValueSource::Default;
  DefaultReason reason = DefaultReason::NoContent;
  std::size_t line = 0;   // 1-based; 0 when no line is meant
  std::string_view text;  // what LookupText gives for the key: the value text of the entry read; empty when none
  IntegerFaultFacts fault;
  // In the last section of that name: every line that looks meant as this
  // setting's entry, however many findings are kept, and the last of them.
  std::size_t meantLines = 0;
  MeantLine meant;
};

enum class FindingKind {
  Utf16,                // saved as UTF-16 (the diagnosis' `kind` says how)
  NotText,              // no text at all (the diagnosis' `kind` says what); no finding about its lines
  Utf8MarkBeforeHeader, // the header at `line` (`text`, without the mark) follows a UTF-8 byte-order mark
  NulByte,              // a NUL at `byte` on `line`: nothing after it is read
  NulPadding,           // from `byte`, on `line`, to the end: `count` NUL bytes and nothing else
  HeaderWithTrailingText,  // `text` at `line` starts like a header but goes on after its "]"; the
                           // section it falls into starts at `otherLine` (0: none, dropped)
  FullWidthHeader,      // `text` at `line` is the section's header once its full-width forms are half-width
  SeveralEnvSections,   // `count` sections of that name; the last starts at `line`
  DuplicateKey,         // `setting` again at `line`; the earlier entry at `otherLine` is overridden
  CommentedOut,         // `text` at `line`: `setting`'s entry after another program's comment mark ("#",
                        // "//", "rem"...); the plug-in takes the mark as part of the name
  FullWidthKey,         // `text` at `line` is `setting`'s entry once its full-width forms are half-width
  NearMissKey,          // `text` at `line` looks like `setting`'s key but is another name, ignored
  KeyInOtherSection,    // `setting`'s key at `line`, in the section `text` (header at `otherLine`)
  KeyBeforeAnyHeader,   // `setting`'s key at `line`, before the first header: dropped; `otherLine`: the
                        // line above it meant as a header (0: none)
};

struct Finding {
  FindingKind kind = FindingKind::Utf16;
  std::size_t line = 0;
  std::size_t otherLine = 0;
  std::size_t count = 0;
  const IntegerSetting* setting = nullptr;
  std::string_view text = {};
  std::size_t byte = 0;             // 0-based offset in the file
  std::string_view fullWidth = {};  // FullWidthHeader, FullWidthKey: the part of `text` whose full-width forms
                               // count (a note after a value keeps its own)
};

struct SettingsDiagnosis {
  FileKindFacts kind;        // what the file is
  TextEncoding encoding{};   // how its text is read as characters
  std::size_t sections = 0;  // section headers the plug-in takes: none, and it reads nothing at all
  std::array<SettingValue, PluginSettings.size()> values;  // in the table's order
  // Where no header names the section: every line that is its header once
  // its full-width forms are half-width, and the first of them.
  std::size_t fullWidthHeaders = 0;
  MeantLine fullWidthHeader;
  // Every CommentedOut finding, however many findings are kept.
  std::vector<Finding> commentedOut;
  std::vector<Finding> findings;  // in file order mostly; at most MaxFindings
  std::size_t findingsLeftOut = 0;

  static constexpr std::size_t MaxFindings = 40;

  const SettingValue& Value(const IntegerSetting& setting) const { return values[IndexOfSetting(setting)]; }
  SettingValue& Value(const IntegerSetting& setting) { return values[IndexOfSetting(setting)]; }
};

// `bytes`: everything read from the file, also what follows a NUL.
// `codePage`: the system's ANSI code page (GetACP()), in which the plug-in's
// file is written unless it is UTF-8. The texts in the result point into
// `bytes`.
SettingsDiagnosis DiagnoseSettings(std::string_view bytes, unsigned codePage);
