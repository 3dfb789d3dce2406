#pragma once
// How one reading of the settings file went, for a caller that must say why
// a file read as empty. Portable: no Windows headers.

enum class SettingsLoadOutcome {
  NoPath,          // the path was empty
  NotFound,        // nothing of that name
  Directory,       // a folder of that name
  TimeOutOfRange,  // last-write time outside 1980..2107 in local time: passed over
  OpenFailed,      // there, but could not be opened (locked, access refused)
  Empty,           // opened, and holds no byte
  ReadFailed,      // opened, but the bytes could not be had (read error, no memory, over 2 GB)
  Read,            // read
};
