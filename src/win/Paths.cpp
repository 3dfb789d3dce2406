#include "Paths.h"

#include <windows.h>

namespace {

constexpr std::wstring_view Separators = L"\\/";
constexpr std::wstring_view ExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view ExtendedUncPrefix = L"\\\\?\\UNC\\";

}  // namespace

std::wstring FolderOf(std::wstring_view path) {
  const std::size_t slash = path.find_last_of(Separators);
  return slash == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, slash));
}

std::wstring NameOf(std::wstring_view path) {
  const std::size_t slash = path.find_last_of(Separators);
  return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
  std::wstring path(folder);
  if (!path.empty() && !EndsWithSeparator(path)) path += L'\\';
  return path.append(name);
}

bool EndsWithSeparator(std::wstring_view path) {
  return !path.empty() && Separators.find(path.back()) != std::wstring_view::npos;
}

std::wstring FullPathOf(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return {};
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);
  }
}

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ExtendedLengthPath(const std::wstring& fullPath) {
  if (fullPath.starts_with(ExtendedPrefix) || fullPath.starts_with(L"\\\\.\\")) return fullPath;
  if (fullPath.starts_with(L"\\\\")) return std::wstring(ExtendedUncPrefix) + fullPath.substr(2);
  if (fullPath.size() >= 3 && fullPath[1] == L':' && Separators.find(fullPath[2]) != std::wstring_view::npos) {
    return std::wstring(ExtendedPrefix) + fullPath;
  }
  return fullPath;
}

std::wstring ReadablePath(std::wstring_view path) {
  if (path.starts_with(ExtendedUncPrefix)) return L"\\\\" + std::wstring(path.substr(ExtendedUncPrefix.size()));
  if (path.starts_with(ExtendedPrefix)) return std::wstring(path.substr(ExtendedPrefix.size()));
  return std::wstring(path);
}

bool SamePath(std::wstring_view one, std::wstring_view other) {
  return CompareStringOrdinal(one.data(), static_cast<int>(one.size()), other.data(), static_cast<int>(other.size()),
                              TRUE) == CSTR_EQUAL;
}

bool EndsWithIgnoringCase(std::wstring_view text, std::wstring_view end) {
  return text.size() >= end.size() && SamePath(text.substr(text.size() - end.size()), end);
}
