#pragma once
// The settings check's certain corrections, one small rule each, over the
// bytes of one line or one value. A rule answers only where the user's
// meaning leaves no doubt; everything else stays for the user. Portable: no
// Windows headers.
#include <optional>
#include <string>
#include <string_view>

#include "PluginSettings.h"

// The one known key that `written` is a slip of: at most two letters
// changed, added, dropped or swapped (case aside), while every other key is
// farther away. Null when there is none, or more than one.
const IntegerSetting* CertainKeyFor(std::string_view written);

// The digits a rejected value meant, when it is digits followed by the
// setting's own unit or by a note ("15 min", "2000ms", "15 ;note"), or digits
// with commas between groups of three ("1,500"); nothing when it is anything
// else ("1.5", "1,5", "2 s" for milliseconds, "1e3"), or the digits lie out
// of range.
std::optional<std::string> DigitsMeant(std::string_view value, const IntegerSetting& setting);
