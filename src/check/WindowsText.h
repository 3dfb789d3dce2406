#pragma once
// Text conversions for the Windows programs around the plug-in (the settings
// check and the demo), which keep their texts in UTF-8.
#include <windows.h>

#include <string>
#include <string_view>

// Text in the given code page (CP_ACP, or 932 for Shift-JIS) as UTF-8; the
// bytes up to the first NUL. Bytes the code page cannot map come out as
// U+FFFD.
std::string CodePageToUtf8(std::string_view text, UINT codePage);

// UTF-8 as UTF-16, for the wide-character functions (consoles, message boxes).
std::wstring Utf8ToWide(std::string_view text);
