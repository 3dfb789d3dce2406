#pragma once
// What the plug-in makes of a settings file's bytes, and why: the two values
// with where each came from, and everything in the file that a user may have
// meant differently. Facts only (kinds, line numbers, spans of the bytes);
// the words are the settings check's. Portable: no Windows headers.
//
// The lines come from the plug-in's own walk of the file (SettingsLineWalk,
// SettingsLines.h), which also defines what its lookup finds, so the values
// are the plug-in's; the fuzz target settings_check_fuzz compares them with
// LookupInteger.
// Not part of the plug-in: it allocates, for the check program only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FileKind.h"
#include "PluginSettings.h"

// Why a value is not an integer in the plug-in's syntax.
enum class IntegerFault {
  Empty,              // nothing after "="
  NoDigits,           // a sign or "0x"/"$" prefix alone, or no number at all ("ten")
  Quoted,             // "15" or '15'
  SecondSign,         // --5, +-5
  BlankInside,        // + 5, 1 000
  DecimalPoint,       // 1.5
  DigitGroupComma,    // 1,500
  TextAfterNumber,    // 15 min, 15min, 15 ;note, 1e3: `after` holds the text
  OutOfRange,         // beyond 32 bits
  Other,
};

struct IntegerFaultFacts {
  IntegerFault fault = IntegerFault::Other;
  std::string_view after;  // TextAfterNumber: the text after the number, trimmed
};

// Only meaningful for a text that ParseSettingsInteger rejects.
IntegerFaultFacts ExplainIntegerFault(std::string_view value);

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

struct SettingValue {
  const IntegerSetting* setting = nullptr;
  std::int32_t value = 0;
  ValueSource source = ValueSource::Default;
  DefaultReason reason = DefaultReason::NoContent;
  std::size_t line = 0;   // 1-based; 0 when no line is meant
  std::string_view text;  // the value text of that line
  IntegerFaultFacts fault;
};

enum class FindingKind {
  Utf16,                // saved as UTF-16 (the diagnosis' `kind` says how)
  NotText,              // no text at all (the diagnosis' `kind` says what); no finding about its lines
  Utf8MarkBeforeHeader, // the header at `line` (`text`, without the mark) follows a UTF-8 byte-order mark
  NulByte,              // a NUL at `byte` on `line`: nothing after it is read
  NulPadding,           // from `byte`, on `line`, to the end: `count` NUL bytes and nothing else
  HeaderWithTrailingText,  // `text` at `line` starts like a header but goes on after its "]"; the
                           // section it falls into starts at `otherLine` (0: none, dropped)
  SeveralEnvSections,   // `count` sections of that name; the last starts at `line`
  DuplicateKey,         // `setting` again at `line`; the earlier entry at `otherLine` is overridden
  NearMissKey,          // `text` at `line` looks like `setting`'s key but is another name, ignored
  KeyInOtherSection,    // `setting`'s key at `line`, in the section `text` (header at `otherLine`)
  KeyBeforeAnyHeader,   // `setting`'s key at `line`, before the first header: dropped; `otherLine`: the
                        // line above it meant as a header (0: none)
};

struct Finding {
  FindingKind kind;
  std::size_t line = 0;
  std::size_t otherLine = 0;
  std::size_t count = 0;
  const IntegerSetting* setting = nullptr;
  std::string_view text;
  std::size_t byte = 0;  // 0-based offset in the file
};

struct SettingsDiagnosis {
  FileKindFacts kind;        // what the file is
  std::size_t sections = 0;  // section headers the plug-in takes: none, and it reads nothing at all
  std::array<SettingValue, PluginSettings.size()> values;  // in the table's order
  std::vector<Finding> findings;  // in file order mostly; at most MaxFindings
  std::size_t findingsLeftOut = 0;

  static constexpr std::size_t MaxFindings = 40;

  const SettingValue& Value(const IntegerSetting& setting) const { return values[IndexOfSetting(setting)]; }
  SettingValue& Value(const IntegerSetting& setting) { return values[IndexOfSetting(setting)]; }
};

// `bytes`: everything read from the file, also what follows a NUL. The texts
// in the result point into `bytes`.
SettingsDiagnosis DiagnoseSettings(std::string_view bytes);
