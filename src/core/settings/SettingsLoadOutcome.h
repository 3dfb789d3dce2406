#pragma once
// How one reading of the settings file went, for a caller that must say why
// a file read as empty. Portable: no Windows headers.

enum class SettingsLoadOutcome {
  NoPath,          // the path was empty
  NotFound,        // nothing of that name
  Unreachable,     // the path cannot be searched (a network path that is not there, a drive not ready)
  Directory,       // a folder of that name
  TimeOutOfRange,  // last-write time outside 1980..2107 in local time: passed over
  OpenFailed,      // there, but could not be opened (locked, access refused)
  Empty,           // opened, and holds no byte
  ReadFailed,      // opened, but the bytes could not be had (read error, no memory, over 2 GB)
  TooLarge,        // larger than the caller would read (the settings check's limit; the plug-in has none)
  Read,            // read
};
