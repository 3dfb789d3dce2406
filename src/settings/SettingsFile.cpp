#include "SettingsFile.h"

#include "SettingsInteger.h"
#include "SettingsLines.h"

SettingsFile::SettingsFile(std::string_view bytes) : content_(SettingsContent(bytes)) {}

SettingsFile::SectionIterator& SettingsFile::SectionIterator::operator++() {
  std::string_view line;
  while (TakeSettingsLine(rest_, line)) {
    std::string_view name;
    if (ReadSettingsHeader(TrimSettingsText(line), name)) {
      section_ = SettingsSection(name, rest_);
      return *this;
    }
  }
  done_ = true;
  return *this;
}

SettingsSection::EntryIterator& SettingsSection::EntryIterator::operator++() {
  std::string_view line;
  while (!done_ && TakeSettingsLine(rest_, line)) {
    const std::string_view trimmed = TrimSettingsText(line);
    std::string_view headerName;
    if (IsSettingsNothing(trimmed)) continue;
    if (ReadSettingsHeader(trimmed, headerName)) break;
    if (ReadSettingsEntry(trimmed, entry_.name, entry_.value)) return *this;
  }
  done_ = true;
  return *this;
}

std::string_view SettingsFile::LookupText(std::string_view section, std::string_view key,
                                          std::string_view fallback) const {
  bool sectionFound = false;
  SettingsSection lastSection;
  for (const SettingsSection& candidate : Sections()) {
    if (SettingsNamesMatch(candidate.Name(), section)) {
      lastSection = candidate;
      sectionFound = true;
    }
  }
  if (!sectionFound) return fallback;

  std::string_view value = fallback;
  for (const SettingsEntry& entry : lastSection.Entries()) {
    if (SettingsNamesMatch(entry.name, key)) value = entry.value;
  }
  return value;
}

std::int32_t SettingsFile::LookupInteger(std::string_view section, std::string_view key,
                                         std::int32_t fallback) const {
  return ParseSettingsInteger(LookupText(section, key, {}), fallback);
}
