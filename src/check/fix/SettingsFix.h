#pragma once
// What the settings check can correct in a settings file by itself, and the
// corrected bytes. Only certain corrections (FixRules.h, Utf16ToAnsi.h), each
// for a fault the diagnosis found, in this order:
//   - a file saved as UTF-16: saved again in the ANSI code page;
//   - NUL bytes after the text, to the end of the file: removed;
//   - a UTF-8 byte-order mark before the first header: removed;
//   - the section's header written in full-width forms, where no header
//     names the section: made half-width;
//   - a key's entry switched off with another program's comment mark: made
//     a comment with ";" in front, never a setting;
//   - a key's entry written in full-width forms, or a slip of a key's
//     spelling, in the section that counts, where that key is missing and
//     the line is the only one meant as it: made half-width, or renamed;
//   - a value the plug-in rejects that is a number in the user's sense
//     (CorrectValue): the number in the setting's own unit, and a note after
//     it moved to a ";" comment line of its own just above (same
//     indentation, same line end).
// Nothing the user wrote leaves the file: every change is listed with the
// bytes it replaced, and undoing the changes in reverse order gives back the
// original. A file that is no text is left as it is. Portable: no Windows
// headers; never writes anything.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "PluginSettings.h"
#include "Utf16ToAnsi.h"

enum class FixRule {
  SaveAsAnsi,        // the whole file (line 0): UTF-16 to the ANSI code page
  RemoveNulPadding,  // the end of the file (line 0): the NUL bytes `edit` removes
  RemoveUtf8Mark,    // line 1: `before` the line with the mark, `after` without
  HalfWidth,         // `before` a line with full-width forms, `after` it half-width
  CommentOut,        // `before` a line behind another program's comment mark, `after` the ";" comment
  RenameKey,         // `before` the key as written, `after` the key
  ReduceValue,       // `before` the value as written, `after` the number meant in the setting's own
                     // unit (`converted`: from another one); `note` moved to a comment line above
};

// The bytes a change replaced: where `replacement` stands in the file once
// the change's step is made, and what stood there before.
struct FixEdit {
  std::size_t offset = 0;
  std::string replaced;
  std::string replacement;
};

struct FixChange {
  FixRule rule = FixRule::SaveAsAnsi;
  std::size_t line = 0;                    // 1-based, in the file as read; 0 for the whole file
  const IntegerSetting* setting = nullptr;  // RenameKey, ReduceValue
  std::string before;                      // bytes of the file, in its code page
  std::string after;
  std::string note;        // ReduceValue: the note moved, as written; empty when none
  bool converted = false;  // ReduceValue
  FixEdit edit;
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

// `bytes`: everything read from the file. `codePage`: the system's ANSI code
// page, as DiagnoseSettings takes it. `encode` converts UTF-16 text to it.
SettingsFixPlan PlanSettingsFix(std::string_view bytes, unsigned codePage, AnsiEncoder encode);
