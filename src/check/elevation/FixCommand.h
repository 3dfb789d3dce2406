#pragma once
// The command line of the check run elevated to correct a file in a folder
// that only an administrator may write:
//   TollimerCheck.exe --fix --lang <language> --output <report file> <settings file>
// Portable.
#include <string>
#include <string_view>

// One argument as the C runtime's command-line parser reads it back: in
// quotes when it holds a blank or a quote or is empty, with the backslashes
// before a quote doubled.
std::wstring QuotedArgument(std::wstring_view argument);

// The parameters after the program's name; `language` "ja" or "en", the
// report's (the elevated program may run as another user, whose language
// may be another).
std::wstring FixCommandParameters(std::wstring_view reportFile, std::wstring_view settingsFile,
                                  std::wstring_view language);
