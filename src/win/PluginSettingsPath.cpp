#include "PluginSettingsPath.h"

LibraryPathProblem DerivePluginSettingsPath(std::wstring_view modulePath, SettingsPathBuffer& settingsPath) {
  settingsPath[0] = '\0';
  if (modulePath.empty()) return LibraryPathProblem::NoPath;
  if (modulePath.size() >= MAX_PATH) return LibraryPathProblem::TooLong;
  // Where the system code page is UTF-8 every character has its form, and
  // the default-character check is not allowed; a broken surrogate fails.
  const bool utf8 = GetACP() == CP_UTF8;
  char ansi[MAX_PATH];
  BOOL usedDefault = FALSE;
  const int length =
      WideCharToMultiByte(CP_ACP, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS, modulePath.data(),
                          static_cast<int>(modulePath.size()), ansi, MAX_PATH, nullptr, utf8 ? nullptr : &usedDefault);
  if (length <= 0) {
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? LibraryPathProblem::TooLong
                                                       : LibraryPathProblem::NotInCodePage;
  }
  if (usedDefault) return LibraryPathProblem::NotInCodePage;
  // GetModuleFileNameA needs room for the NUL as well.
  if (length >= MAX_PATH) return LibraryPathProblem::TooLong;
  return DeriveSettingsPath(std::string_view(ansi, static_cast<std::size_t>(length)), settingsPath)
             ? LibraryPathProblem::None
             : LibraryPathProblem::TooLong;
}
