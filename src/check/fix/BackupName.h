#pragma once
// The names under which the settings check keeps the original of a file it
// corrects: beside it, "<name>.bak", then "<name>.2.bak", "<name>.3.bak", ...
// The writer takes the first one that no file bears at the moment it renames
// the original (a rename that never replaces): no earlier backup is ever
// overwritten. Portable.
#include <string>
#include <string_view>

inline constexpr int MostBackupNumber = 999;

// `number` from 1 to MostBackupNumber.
std::wstring BackupName(std::wstring_view fileName, int number);
