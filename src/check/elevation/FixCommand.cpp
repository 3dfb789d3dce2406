#include "FixCommand.h"

std::wstring QuotedArgument(std::wstring_view argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring_view::npos) return std::wstring(argument);
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count only before a quote: there each one is doubled, and
    // the quote itself escaped.
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  // Before the closing quote, too.
  quoted.append(2 * backslashes, L'\\');
  quoted += L'"';
  return quoted;
}

std::wstring FixCommandParameters(std::wstring_view reportFile, std::wstring_view settingsFile,
                                  std::wstring_view language) {
  return L"--fix --lang " + std::wstring(language) + L" --output " + QuotedArgument(reportFile) + L" -- " +
         QuotedArgument(settingsFile);
}
