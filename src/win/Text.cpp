#include "Text.h"

#include <array>

#include "SystemMessage.h"

std::wstring Utf8ToWide(std::string_view text) { return CodePageToWide(text, CP_UTF8); }

std::string WideToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int inputLength = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), inputLength, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), inputLength, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::wstring CodePageToWide(std::string_view text, UINT codePage) {
  text = text.substr(0, text.find('\0'));
  if (text.empty()) return {};
  const int inputLength = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), inputLength, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), inputLength, wide.data(), length);
  return wide;
}

std::string CodePageToUtf8(std::string_view text, UINT codePage) {
  return WideToUtf8(CodePageToWide(text, codePage));
}

std::optional<std::string> WideToCodePage(std::wstring_view text, UINT codePage) {
  if (text.empty()) return std::string();
  if (codePage == CP_ACP) codePage = GetACP();
  // UTF-8 and UTF-7 have every character, and refuse the default-character
  // check; a broken surrogate fails instead.
  const bool unicode = codePage == CP_UTF8 || codePage == CP_UTF7;
  const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : unicode ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* const defaultUse = unicode ? nullptr : &usedDefault;
  const int inputLength = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(codePage, flags, text.data(), inputLength, nullptr, 0, nullptr, defaultUse);
  if (size <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  const int written =
      WideCharToMultiByte(codePage, flags, text.data(), inputLength, bytes.data(), size, nullptr, defaultUse);
  if (written != size || usedDefault) return std::nullopt;
  return bytes;
}

std::string SystemMessageUtf8(DWORD error) {
  std::array<wchar_t, 512> text{};
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                      text.data(), static_cast<DWORD>(text.size()), nullptr);
  return WideToUtf8(TrimSystemText(std::wstring_view(text.data(), length)));
}
