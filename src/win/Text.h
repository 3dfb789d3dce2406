#pragma once
// Text conversions for the Windows programs around the plug-in (the settings
// check and the demo), which keep their texts in UTF-8 and talk to Windows in
// UTF-16. Never best fit: a character a code page lacks is reported, not
// replaced by a look-alike.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// Text in the given code page (CP_ACP, or 932 for Shift-JIS), up to its first
// NUL. Bytes the code page cannot map come out as U+FFFD.
std::wstring CodePageToWide(std::string_view text, UINT codePage);
std::string CodePageToUtf8(std::string_view text, UINT codePage);

// The text in the code page, character for character; nothing when a
// character has no form there.
std::optional<std::string> WideToCodePage(std::wstring_view text, UINT codePage);

// The system's text for an error code, in UTF-8, without its line end.
std::string SystemMessageUtf8(DWORD error);
