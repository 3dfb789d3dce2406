// SettingsFile against the plain second reading, on arbitrary bytes; and the
// byte search under it, both ways, against a loop over the bytes.
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

  std::size_t sectionIndex = 0;
  std::vector<std::string> sectionNames;
  std::vector<std::string> keys;
  for (const SettingsSection& section : file.Sections()) {
    Check(sectionIndex < naive.Sections().size(), "more sections");
    const NaiveSettingsReader::Section& expected = naive.Sections()[sectionIndex++];
    Check(section.Name() == expected.name, "section name");
    sectionNames.push_back(expected.name);
    std::size_t entryIndex = 0;
    for (const SettingsEntry& entry : section.Entries()) {
      Check(entryIndex < expected.entries.size(), "more entries");
      Check(entry.name == expected.entries[entryIndex].first, "entry name");
      Check(entry.value == expected.entries[entryIndex].second, "entry value");
      keys.push_back(expected.entries[entryIndex++].first);
    }
    Check(entryIndex == expected.entries.size(), "fewer entries");
  }
  Check(sectionIndex == naive.Sections().size(), "fewer sections");

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
