#pragma once
// What the settings check can correct in a settings file by itself, and the
// corrected bytes. Only certain corrections (FixRules.h, Utf16ToAnsi.h), each
// for a fault the diagnosis found:
//   - a file saved as UTF-16: saved again in the ANSI code page;
//   - NUL bytes after the text, to the end of the file: removed;
//   - a UTF-8 byte-order mark before the first header: removed;
//   - a slip of a key's spelling in the [Env] section that counts, where that
//     key is missing: renamed;
//   - a value the plug-in rejects that is digits with the setting's own unit,
//     a note or group commas: reduced to the digits.
// Every byte the corrections do not touch stays as it was, line ends
// included, and no line is added or removed. Portable: no Windows headers;
// never writes anything.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "PluginSettings.h"
#include "Utf16ToAnsi.h"

enum class FixRule {
  SaveAsAnsi,      // the whole file (line 0): UTF-16 to the ANSI code page
  RemoveNulPadding,  // the end of the file (line 0): `before` the NUL bytes, `after` empty
  RemoveUtf8Mark,  // line 1: `before` is the line with the mark, `after` without
  RenameKey,       // `before` the key as written, `after` the key
  ReduceToDigits,  // `before` the value as written, `after` the digits
};

struct FixChange {
  FixRule rule;
  std::size_t line = 0;                    // 1-based; 0 for the whole file
  const IntegerSetting* setting = nullptr;  // RenameKey, ReduceToDigits
  std::string before;                      // bytes of the file, in its code page
  std::string after;
};

// Why a UTF-16 file is left as it is.
enum class FixBlock {
  None,
  Utf16CharacterNotInCodePage,  // on `blockedLine`
  Utf16Malformed,               // no UTF-16 text, or its ANSI form would look like UTF-16 again
};

struct SettingsFixPlan {
  std::string bytes;  // the corrected file; the original bytes when nothing changes
  std::vector<FixChange> changes;  // in the order they were made
  FixBlock blocked = FixBlock::None;
  std::size_t blockedLine = 0;

  bool ChangesAnything() const { return !changes.empty(); }
};

// `bytes`: everything read from the file. `encode` converts UTF-16 text to the
// system's ANSI code page. A file that is no text is left as it is.
SettingsFixPlan PlanSettingsFix(std::string_view bytes, AnsiEncoder encode);
