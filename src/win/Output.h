#pragma once
// Where the settings check's texts go when they do not go to a window:
// standard output or standard error (a console gets UTF-16 whatever its code
// page, a pipe or a file UTF-8), or an existing file (--output). A GUI
// program started from a console has no standard handles of its own: it
// writes to the console it was started from. Windows only.
#include <string>
#include <string_view>

enum class Stream { Output, Error };

// False when the text could not be written whole.
bool PrintText(std::string_view utf8, Stream stream);

// Writes the text, UTF-8, over the content of the file at `path`, which
// must exist (it is never created here). False when it could not.
bool WriteIntoFile(const std::wstring& path, std::string_view utf8);
