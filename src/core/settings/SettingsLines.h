#pragma once
// The settings file's line rules, one function each, over bytes held
// elsewhere. SettingsFile reads with them, and so does every other reader of
// the file (the settings check), so that all of them cut the bytes alike.
// Portable: no Windows headers; allocates nothing and never throws.
#include <string_view>

// The bytes before the first NUL: a NUL ends the content.
std::string_view SettingsContent(std::string_view bytes);

// Every byte of value 32 or less (blank, tab, every control character) is
// trimmed; bytes of 128 and above stay.
inline bool IsSettingsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
std::string_view TrimSettingsText(std::string_view text);

// Takes the next line off the front of `rest`, without its line end. A line
// ends at CR LF, a lone LF or a lone CR (LF CR is two line ends); the last
// line needs none. False when nothing is left.
bool TakeSettingsLine(std::string_view& rest, std::string_view& line);

// A trimmed line that is empty or starts with ";" says nothing.
inline bool IsSettingsNothing(std::string_view trimmed) { return trimmed.empty() || trimmed.front() == ';'; }

// The trimmed name between the brackets, when the trimmed line starts with "["
// and ends with "]"; false when it is no header.
bool ReadSettingsHeader(std::string_view trimmed, std::string_view& name);

// Splits a trimmed line at its first "=" into trimmed name and value; false
// when there is no "=".
bool ReadSettingsEntry(std::string_view trimmed, std::string_view& name, std::string_view& value);

// a-z as A-Z, every other byte as it is. ASCII only, where the host's own
// comparison uses the code page's mapping (CharUpperBuffA): the plug-in looks
// up only ASCII names, and no byte outside ASCII maps into ASCII, so the
// answers agree for every name it asks for. It also keeps the core free of
// Windows and of the thread's locale.
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c; }

// Names compare equal when they are equal after UpperAscii.
bool SettingsNamesMatch(std::string_view written, std::string_view asked);
