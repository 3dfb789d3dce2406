#pragma once
// Writing a corrected settings file in place of the original, so that a
// failure at any step leaves the original as it was: the new content goes to
// a new file in the same folder and is flushed to the disk; the file is read
// again and compared with what the check read; then one ReplaceFileW puts the
// new file in place and keeps the original under a backup name
// (BackupName.h). Windows only.
#include <cstdint>
#include <string>
#include <string_view>

#include "RewriteOutcome.h"

// The file as the check found it, taken before it read the bytes: a change
// after that shows in the size, the time or the content.
struct FileStamp {
  bool taken = false;
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;  // FILETIME as one number
};

// `path` in the system code page.
FileStamp StampOf(const std::string& path);

// Replaces the file at `path` (system code page) with `corrected`, when it
// still holds `checked` and still has `stamp`.
RewriteOutcome RewriteSettingsFile(const std::string& path, const FileStamp& stamp, std::string_view checked,
                                   std::string_view corrected);

// WideCharToMultiByte into the system's ANSI code page, exact or not at all:
// the AnsiEncoder of the UTF-16 correction.
bool EncodeInSystemCodePage(std::u16string_view text, std::string& ansi);
