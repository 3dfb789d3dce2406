#pragma once
// How the settings check's writing of a corrected file went. Every failure
// leaves the original file as it was. Portable: no Windows headers.
#include <cstdint>
#include <string>

enum class RewriteFailure {
  None,              // written; the original is kept under `backupPath`
  ReadOnly,          // the file has the read-only attribute
  CannotReread,      // the file could not be opened to read it again (`error`)
  ChangedSinceCheck, // its size, time or content differ from what the check read
  NoBackupName,      // every backup name is taken
  CannotCreateTemp,  // no new file could be made in the folder (`error`)
  CannotWriteTemp,   // writing or flushing the new content failed (`error`, e.g. the disk is full)
  CannotReplace,     // the file could not be replaced (`error`, e.g. another program holds it open)
};

struct RewriteOutcome {
  RewriteFailure failure = RewriteFailure::None;
  std::uint32_t error = 0;  // the system's error code, where one applies
  std::string errorText;    // its text, UTF-8
  std::string backupPath;   // None: where the original is kept, UTF-8
};
