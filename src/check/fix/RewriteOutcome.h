#pragma once
// How the settings check's writing of a corrected file went. Every failure
// but the last leaves the original file as it was, under its own name.
// Portable: no Windows headers.
#include <cstdint>
#include <string>

enum class RewriteFailure {
  None,               // written; the original is kept under `backupPath`
  Gone,               // the file is no longer there (deleted or renamed meanwhile)
  BecameFolder,       // a folder now stands under its name
  ReadOnly,           // the file has the read-only attribute
  IsLink,             // the name is a link to `linkTarget`: replacing it would move that file
  HardLinks,          // the file has `linkCount` names: the others would keep the old content
  HeldOpen,           // another program holds it open (`error`)
  AccessDenied,       // the user may not change it (`error`)
  CannotOpen,         // it could not be opened to be replaced (`error`)
  ChangedSinceCheck,  // its content differs from what the check read
  CannotCreateNew,    // no new file could be made in the folder (`error`)
  CannotWriteNew,     // writing or flushing the new content failed (`error`, e.g. the disk is full)
  NoBackupName,       // every backup name is taken
  CannotKeepOriginal, // the original could not be renamed to its backup name (`error`)
  CannotPutInPlace,   // the new file could not take the original's name (`error`); the original is back
  CannotRename,       // a file the user took for the settings file could not take its name (`error`)
  OriginalUnderBackup,  // as CannotPutInPlace, but the original could not go back: it is at `backupPath`,
                        // the corrected content at `newPath`
};

struct RewriteOutcome {
  RewriteFailure failure = RewriteFailure::None;
  std::uint32_t error = 0;    // the system's error code, where one applies
  std::string errorText;      // its text, UTF-8
  std::string backupPath;     // None, OriginalUnderBackup: where the original is, UTF-8
  std::string newPath;        // OriginalUnderBackup: where the corrected content is, UTF-8
  std::string linkTarget;     // IsLink: the file the name leads to, UTF-8
  std::string renamedFrom;    // None, after a rename: the name the file had, UTF-8
  std::uint32_t linkCount = 0;  // HardLinks
};
