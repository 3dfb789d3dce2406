#pragma once
// Every sentence the settings check can say, by name, and the names of the
// placeholders its texts may hold. The texts themselves are in one catalogue
// per language (EnglishMessages.h, JapaneseMessages.h), in this order.
// Portable.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

enum class Message : std::uint8_t {
  Title,
  Quoted,
  // The file and who reads it.
  FileChecked,
  DllReadsFile,
  DllReadsOtherFile,
  NoDllBeside,
  NoPath,
  NotFound,
  Directory,
  TimeOutOfRange,
  OpenFailed,
  OpenFailedWhy,
  Empty,
  ReadFailed,
  // The values.
  ValuesHeading,
  ValueFromFile,
  ValueDefault,
  ValueNotRead,
  ReasonNoContent,
  ReasonUtf16,
  ReasonHeaderNotTaken,
  ReasonNoSection,
  ReasonKeyMissing,
  ReasonOnlyInEarlierSection,
  ReasonNotAnInteger,
  FaultEmpty,
  FaultNoDigits,
  FaultQuoted,
  FaultSecondSign,
  FaultBlankInside,
  FaultDecimalPoint,
  FaultDigitGroupComma,
  FaultTextAfterNumber,
  FaultOutOfRange,
  FaultOther,
  // What the plug-in will do.
  ScheduleHeading,
  FirstSwitchAtFirstTick,
  FirstSwitchAfterWait,
  SwitchBack,
  WarnIntervalNotPositive,
  WarnIntervalHuge,
  WarnWaitZero,
  WarnWaitMinuteOrMore,
  WarnWaitNegative,
  // What the file may not mean as intended.
  FindingsHeading,
  FindUtf16,
  FindUtf8MarkBeforeHeader,
  FindNulByte,
  FindHeaderWithTextDropsLines,
  FindHeaderWithTextJoinsSection,
  FindSeveralSections,
  FindDuplicateKey,
  FindNearMissIntervalKey,
  FindNearMissKey,
  FindKeyInOtherSection,
  FindKeyAfterUnreadHeader,
  FindKeyBeforeAnyHeader,
  FindMore,
  // The last line: what to do now.
  AdviceNothingToDo,
  AdviceCorrectAndRestart,
  AdvicePutDllBeside,
  AdviceRenameForDll,
  AdviceCreateFile,
  AdviceCloseOtherProgram,
  // The corrections the check can make, and how writing them went.
  FixHeading,
  FixSaveAsAnsi,
  FixRemoveMark,
  FixRenameKey,
  FixReduceValue,
  FixBlockedCharacter,
  FixBlockedMalformed,
  FixHowTo,
  FixQuestion,
  FixDryRun,
  FixWritten,
  FixFileNow,
  FixRestart,
  FixNotWritten,
  RewriteReadOnly,
  RewriteCannotReread,
  RewriteChanged,
  RewriteNoBackupName,
  RewriteCannotCreateTemp,
  RewriteCannotWriteTemp,
  RewriteCannotReplace,
  // The command line.
  ErrorUnknownOption,
  ErrorLanguage,
  ErrorOneFileOnly,
  ErrorDryRunWithoutFix,
  // The report window.
  WindowFixButton,
  WindowCloseButton,
  WindowDetailsLabel,
  WindowChangesLabel,
  WindowFixing,
  Usage,
};

inline constexpr std::size_t MessageCount = static_cast<std::size_t>(Message::Usage) + 1;

// A placeholder stands in a text as {name}. The first group the words fill
// in themselves, from where each fact is stated (the product's identity, the
// settings table, the file under check); the caller passes the others.
enum class Slot : std::uint8_t {
  // Filled by the words.
  product,
  version,
  host,
  check,
  dll,
  ini,
  section,
  interval_key,
  wait_key,
  // Passed with each sentence.
  path,
  line,
  other_line,
  count,
  byte_number,
  key,
  value,
  text,
  reason,
  min,
  max,
  minutes,
  first_minute,
  days,
  wait_ms,
  wait_s,
  minute_ms,
  unsigned_ms,
  cap_days,
  timer_ms,
  error_code,
  error_text,
  option,
};

inline constexpr Slot FirstPassedSlot = Slot::path;
inline constexpr std::size_t SlotCount = static_cast<std::size_t>(Slot::option) + 1;

inline constexpr std::array<std::string_view, SlotCount> SlotNames{
    "product", "version", "host", "check", "dll", "ini", "section", "interval_key", "wait_key",
    "path", "line", "other_line", "count", "byte_number", "key", "value", "text", "reason", "min", "max",
    "minutes", "first_minute", "days", "wait_ms", "wait_s", "minute_ms", "unsigned_ms", "cap_days",
    "timer_ms", "error_code", "error_text", "option"};

// One catalogue entry; a catalogue lists every message once, in the order of
// the enumeration, which Placeholders.h checks while building.
struct MessageText {
  Message id;
  std::string_view text;
};
using Catalogue = std::array<MessageText, MessageCount>;
