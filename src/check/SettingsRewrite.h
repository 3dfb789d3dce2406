#pragma once
// Writing a corrected settings file in place of the original, so that
// nothing is lost or moved between folders, and a failure at any step leaves
// the original as it was:
//
// 1. The original is opened and held with read sharing only, from the
//    comparison to the end: no other program can write, rename or delete it
//    meanwhile (one that holds it open for writing already makes this fail);
//    readers, the plug-in among them, are kept out only while it is renamed.
// 2. A link is never replaced (that would move the file it leads to, or part
//    a name from the others): a symbolic link, a junction, a file whose real
//    path lies elsewhere, a file with more than one name.
// 3. Its content, read through the held handle, must be what the check read.
// 4. The corrected content goes to a new file in the same folder (created
//    exclusively), flushed to the disk.
// 5. Held once more, now to be renamed, and found the same file with the
//    same content, the original is renamed to the first free backup name (a
//    rename that never replaces: no existing file is overwritten), and the
//    new file takes the original's name (again without replacing). Should
//    that fail, the original gets its name back.
// Windows only.
#include <string>
#include <string_view>

#include "RewriteOutcome.h"

// Where a test may look in, between the writer's steps.
enum class RewriteStep {
  Held,             // the original is open and held; not yet compared
  BeforeBackup,     // the new file is written, the original held to be renamed
  BeforePutInPlace  // the original bears its backup name; the new file not yet renamed
};
using RewriteWatch = void (*)(RewriteStep step, void* context);

// `path`: the settings file's full path (any length). Replaces it with
// `corrected` when it still holds `checked`.
RewriteOutcome RewriteSettingsFile(const std::wstring& path, std::string_view checked, std::string_view corrected,
                                   RewriteWatch watch = nullptr, void* context = nullptr);

// Gives the file at `lookAlike` the name `settingsPath` (both full, in one
// folder), never replacing a file that has that name meanwhile.
RewriteOutcome RenameToSettingsFile(const std::wstring& lookAlike, const std::wstring& settingsPath);

// WideCharToMultiByte into the system's ANSI code page, exact or not at all:
// the AnsiEncoder of the UTF-16 correction.
bool EncodeInSystemCodePage(std::u16string_view text, std::string& ansi);
