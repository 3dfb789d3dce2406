// The line walk and SettingsFile's lookup against the plain second reading,
// on arbitrary bytes; and the byte search under them, both ways, against a
// loop over the bytes.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ByteSearch.h"
#include "NaiveSettingsReader.h"
#include "SettingsFile.h"

namespace {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "SettingsFile disagrees with the plain reading: %s\n", what);
  std::abort();
}

std::string SwapAsciiCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// A few names to ask for: those the plug-in asks for, those in the file, and
// the same in swapped case.
std::vector<std::string> NamesToAsk(std::vector<std::string> written, std::string_view asked) {
  if (written.size() > 3) written.resize(3);
  std::vector<std::string> names{std::string(asked), ""};
  for (const std::string& name : written) {
    names.push_back(name);
    names.push_back(SwapAsciiCase(name));
  }
  return names;
}

// From every offset of a short input, and from the start of a long one: the
// first of three bytes taken from the input itself.
void CheckByteSearch(std::string_view bytes) {
  if (bytes.size() < 3) return;
  const char a = bytes[0], b = bytes[1], c = bytes[2];
  const char* const end = bytes.data() + bytes.size();
  const std::size_t starts = bytes.size() < 128 ? bytes.size() : 1;
  for (std::size_t start = 0; start < starts; ++start) {
    const char* expected = bytes.data() + start;
    while (expected != end && *expected != a && *expected != b && *expected != c) ++expected;
    Check(FindFirstOf(bytes.data() + start, end, a, b, c) == expected, "FindFirstOf");
    Check(FindFirstOfByWords(bytes.data() + start, end, a, b, c) == expected, "FindFirstOfByWords");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SettingsFile file(bytes);
  const NaiveSettingsReader naive(bytes);

  // The walk's sections, built as the lookup means them: each header starts
  // one, and entries before the first header belong to none.
  std::vector<NaiveSettingsReader::Section> walked;
  SettingsLineWalk lines = file.Lines();
  SettingsLine line;
  std::size_t lineCount = 0;
  while (lines.Next(line)) {
    Check(line.number == ++lineCount, "line number");
    if (line.kind == SettingsLineKind::Header) walked.push_back({std::string(line.name), {}});
    if (line.kind == SettingsLineKind::Entry && !walked.empty()) {
      walked.back().entries.emplace_back(line.name, line.value);
    }
  }
  Check(walked == naive.Sections(), "sections and entries");
  Check(lineCount == naive.LineCount(), "line count");
  Check(lines.ContentSize() == std::min(bytes.find('\0'), bytes.size()), "end of the content");

  std::vector<std::string> sectionNames;
  std::vector<std::string> keys;
  for (const NaiveSettingsReader::Section& section : walked) {
    sectionNames.push_back(section.name);
    for (const auto& entry : section.entries) keys.push_back(entry.first);
  }

  constexpr std::string_view fallback = "\x01<fallback>";
  const std::vector<std::string> keysToAsk = NamesToAsk(keys, "InterbalMinute");
  const std::vector<std::string_view> keyViews(keysToAsk.begin(), keysToAsk.end());
  for (const std::string& section : NamesToAsk(sectionNames, "Env")) {
    std::vector<std::string_view> values(keyViews.size(), fallback);
    file.LookupTexts(section, keyViews, values);
    for (std::size_t i = 0; i < keysToAsk.size(); ++i) {
      const std::string expected = naive.LookupText(section, keysToAsk[i], fallback);
      Check(file.LookupText(section, keysToAsk[i], fallback) == expected, "LookupText");
      Check(values[i] == expected, "LookupTexts");
    }
  }
  CheckByteSearch(bytes);
  return 0;
}
