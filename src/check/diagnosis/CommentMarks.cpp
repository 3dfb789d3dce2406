#include "CommentMarks.h"

#include <array>

#include "SettingsLines.h"

std::size_t CommentMarkLength(std::string_view line) {
  constexpr std::array<std::string_view, 6> marks{"#", "//", "'", "--", "::", ";"};
  for (const std::string_view mark : marks) {
    if (line.starts_with(mark)) return mark.size();
  }
  if (line.size() > 3 && SettingsNamesMatch(line.substr(0, 3), "rem") && IsSettingsBlank(line[3])) return 3;
  return 0;
}
