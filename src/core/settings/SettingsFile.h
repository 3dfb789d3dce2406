#pragma once
// The settings file's reading rules over bytes held elsewhere. Portable: no
// Windows headers; allocates nothing and never throws.
//
// A SettingsFile is a view: it keeps no copy and builds no index. Lines,
// sections and entries are cut from the bytes each time they are asked for,
// so the bytes must outlive the object and every text it hands out. The
// scheduler reads two values once per start, so one scan for both costs less
// than any index would: a lookup searches the bytes for "[" (and the NUL that
// ends them), checks only the lines those start, and reads the lines of the
// one section that counts. Runs on the thread that calls BKC_OnStart.
//
// How the bytes read:
// - The first NUL ends the content. A line ends at CR LF, a lone LF or a lone
//   CR (LF CR is two line ends); the last line needs none.
// - To trim is to remove every byte of value 32 or less from both ends; bytes
//   of 128 and above stay (the two bytes of a Shift-JIS ideographic space
//   among them). Text is bytes: no decoding and no byte-order mark.
// - A trimmed line that is empty, or starts with ";", is skipped. Only ";"
//   starts a comment, and only at the start of a line.
// - A trimmed line starting with "[" and ending with "]" is a section header;
//   the trimmed text between the brackets is the name, possibly empty. Sections
//   of the same name stay separate.
// - Lines before the first header are dropped.
// - In a section, a line with "=" is an entry, split at the first "=", name and
//   value trimmed; the value may be empty or hold further "=". Lines without
//   "=" are no entries. So "[Env] ; note" is no header but an entry-less line
//   of the section before it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

struct SettingsEntry {
  std::string_view name;   // trimmed, in the case written
  std::string_view value;  // trimmed; may be empty or hold "="
};

// Where the sections of a file, or the entries of a section, end.
struct SettingsEnd {};

template <class Iterator>
class SettingsRange {
 public:
  explicit SettingsRange(Iterator first) : first_(first) {}
  Iterator begin() const { return first_; }
  SettingsEnd end() const { return {}; }

 private:
  Iterator first_;
};

class SettingsSection {
 public:
  class EntryIterator {
   public:
    using value_type = SettingsEntry;
    using difference_type = std::ptrdiff_t;

    EntryIterator() = default;
    const SettingsEntry& operator*() const { return entry_; }
    const SettingsEntry* operator->() const { return &entry_; }
    EntryIterator& operator++();
    void operator++(int) { ++*this; }
    bool operator==(SettingsEnd) const { return done_; }

   private:
    friend class SettingsSection;
    explicit EntryIterator(std::string_view rest) : rest_(rest) { ++*this; }

    std::string_view rest_;  // the bytes after the current entry's line
    SettingsEntry entry_;
    bool done_ = false;
  };

  SettingsSection() = default;

  // The trimmed text between the brackets, in the case written.
  std::string_view Name() const { return name_; }
  // The section's entries in file order, duplicates included.
  SettingsRange<EntryIterator> Entries() const { return SettingsRange(EntryIterator(body_)); }

 private:
  friend class SettingsFile;
  SettingsSection(std::string_view name, std::string_view body) : name_(name), body_(body) {}

  std::string_view name_;
  std::string_view body_;  // everything after the header line, to the end of the file
};

class SettingsFile {
 public:
  class SectionIterator {
   public:
    using value_type = SettingsSection;
    using difference_type = std::ptrdiff_t;

    SectionIterator() = default;
    const SettingsSection& operator*() const { return section_; }
    const SettingsSection* operator->() const { return &section_; }
    SectionIterator& operator++();
    void operator++(int) { ++*this; }
    bool operator==(SettingsEnd) const { return done_; }

   private:
    friend class SettingsFile;
    explicit SectionIterator(std::string_view rest) : rest_(rest) { ++*this; }

    std::string_view rest_;  // the bytes after the current header line
    SettingsSection section_;
    bool done_ = false;
  };

  // An empty file: every lookup gives its fallback.
  SettingsFile() = default;
  // Reads `bytes` up to their first NUL, without copying them. Takes no time:
  // the bytes are first looked at when asked.
  explicit SettingsFile(std::string_view bytes) : bytes_(bytes) {}

  // The sections in file order, one per header, same names included.
  SettingsRange<SectionIterator> Sections() const;

  // The value of the last entry named `key` in the last section named
  // `section`, or `fallback`; a key that stands only in an earlier section of
  // that name is not found. Names compare equal when they are equal after
  // mapping a-z to A-Z; the asked-for names are not trimmed.
  std::string_view LookupText(std::string_view section, std::string_view key,
                              std::string_view fallback) const;

  // ParseSettingsInteger of LookupText's value (an empty text when there is
  // none), with `fallback`.
  std::int32_t LookupInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;

  // LookupText for several keys of one section in one pass: values[i]
  // becomes the value of keys[i], or keeps what it holds (the fallback) when
  // there is none. Keys beyond the shorter of the two spans are not asked.
  void LookupTexts(std::string_view section, std::span<const std::string_view> keys,
                   std::span<std::string_view> values) const;

 private:
  std::string_view bytes_;  // up to and past the first NUL
};
