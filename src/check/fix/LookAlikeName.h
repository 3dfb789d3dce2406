#pragma once
// Names a user takes for the settings file's. With file extensions hidden,
// as Explorer hides them by default, Notepad's "Tollimer.ini.txt" and a
// renamed "Tollimer.ini.ini" both show as "Tollimer.ini"; typed with the
// IME on, "Ｔｏｌｌｉｍｅｒ.ini" looks much the same. Portable.
#include <string_view>

// Whether `name` (a file's name, UTF-16) is such a look-alike of
// `settingsName`: the same after full-width letters, digits and signs are
// taken as their ASCII twins and letters' case is set aside, or that
// followed by an extension Explorer hides (".txt", ".ini"). The name
// itself, exactly, is none.
bool IsLookAlikeOf(std::wstring_view name, std::wstring_view settingsName);
