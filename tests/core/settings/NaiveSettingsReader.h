#pragma once
// A second reading of the settings file, written plainly from the rules with
// copies everywhere: the fuzz target checks SettingsFile against it, and the
// benchmark measures it. Not for the DLL.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class NaiveSettingsReader {
 public:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
    bool operator==(const Section&) const = default;
  };

  explicit NaiveSettingsReader(std::string_view bytes) {
    Section* current = nullptr;
    const std::vector<std::string> lines = Lines(bytes);
    lineCount_ = lines.size();
    for (const std::string& line : lines) {
      const std::string text = Trim(line);
      if (text.empty() || text[0] == ';') continue;
      if (text[0] == '[' && text.back() == ']' && text.size() >= 2) {
        sections_.push_back({Trim(text.substr(1, text.size() - 2)), {}});
        current = &sections_.back();
      } else if (current != nullptr && text.find('=') != std::string::npos) {
        const std::size_t equals = text.find('=');
        current->entries.emplace_back(Trim(text.substr(0, equals)), Trim(text.substr(equals + 1)));
      }
    }
  }

  const std::vector<Section>& Sections() const { return sections_; }
  std::size_t LineCount() const { return lineCount_; }

  std::string LookupText(std::string_view section, std::string_view key, std::string_view fallback) const {
    const std::string sectionAsked = Upper(std::string(section));
    const std::string keyAsked = Upper(std::string(key));
    const Section* found = nullptr;
    for (const Section& candidate : sections_) {
      if (Upper(candidate.name) == sectionAsked) found = &candidate;
    }
    std::string value(fallback);
    if (found == nullptr) return value;
    for (const auto& [name, entryValue] : found->entries) {
      if (Upper(name) == keyAsked) value = entryValue;
    }
    return value;
  }

 private:
  // Every line, up to the first NUL; CR LF, LF and CR each end one.
  static std::vector<std::string> Lines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
      if (bytes[i] == '\r' || bytes[i] == '\n') {
        lines.push_back(line);
        line.clear();
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      } else {
        line += bytes[i];
      }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
  }

  static std::string Trim(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
    return text.substr(first, last - first);
  }

  static std::string Upper(std::string text) {
    for (char& c : text) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
  }

  std::vector<Section> sections_;
  std::size_t lineCount_ = 0;
};
