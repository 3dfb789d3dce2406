#pragma once
// The name under which the settings check keeps the original of a file it
// corrects: beside it, "<name>.bak", or "<name>.2.bak", "<name>.3.bak", ...
// when that exists, so that no earlier backup is ever overwritten. Portable:
// whether a name is taken is the caller's question.
#include <string>

// `taken` tells whether a file or folder of that name exists. Empty when the
// names up to "<name>.999.bak" are all taken.
std::string BackupNameFor(const std::string& path, bool (*taken)(const std::string& name));
