#pragma once
// Paths for the Windows programs around the plug-in: wide, of any length,
// split and compared the one way. (The plug-in's own path rule is
// PluginSettingsPath.h.)
#include <string>
#include <string_view>

// Up to the last "\" or "/" (without it); "" when there is none.
std::wstring FolderOf(std::wstring_view path);
// After the last "\" or "/"; the whole path when there is none.
std::wstring NameOf(std::wstring_view path);
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);
bool EndsWithSeparator(std::wstring_view path);

// GetFullPathNameW, of any length; "" when it fails.
std::wstring FullPathOf(const std::wstring& path);
// This process's executable (GetModuleFileNameW), of any length.
std::wstring ProgramPath();

// What the file functions take for a full path of any length:
// "\\?\C:\..." or "\\?\UNC\server\share\...". A path in that form already, or
// one that is not full, comes back as it is.
std::wstring ExtendedLengthPath(const std::wstring& fullPath);
// The path without that prefix, as a user reads it.
std::wstring ReadablePath(std::wstring_view path);

// Whether two paths are the same text to the file system: ordinal, letters'
// case aside.
bool SamePath(std::wstring_view one, std::wstring_view other);
bool EndsWithIgnoringCase(std::wstring_view text, std::wstring_view end);
