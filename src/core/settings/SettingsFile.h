#pragma once
// The plug-in's lookup of a value in the settings file's bytes, held
// elsewhere. Portable: no Windows headers; allocates nothing and never throws.
//
// A SettingsFile is a view: it keeps no copy and builds no index. The lines
// are read, by the grammar of SettingsLines.h, each time a value is asked
// for, so the bytes must outlive the object and every text it hands out. The
// scheduler reads two values once per start, so one scan for both costs less
// than any index would: a lookup searches the bytes for "[" (and the NUL that
// ends them), reads only the lines those begin, and walks the lines of the
// one section that counts. Runs on the thread that calls BKC_OnStart.
//
// What the lines mean together:
// - A header starts a section; sections of the same name stay separate.
// - Lines before the first header are dropped.
// - The entries of a section are the entry lines up to the next header.
// - A value is that of the last entry of its key in the last section of its
//   name; a key that stands only in an earlier section of that name is not
//   found. So the lines below "[Env] ; note" stay in the section before it.
#include <cstdint>
#include <span>
#include <string_view>

#include "SettingsLines.h"

class SettingsFile {
 public:
  // An empty file: every lookup gives its fallback.
  SettingsFile() = default;
  // Reads `bytes` up to their first NUL, without copying them. Takes no time:
  // the bytes are first looked at when asked.
  explicit SettingsFile(std::string_view bytes) : bytes_(bytes) {}

  // Every line of the file, read and numbered.
  SettingsLineWalk Lines() const { return SettingsLineWalk(bytes_); }

  // The value of the last entry named `key` in the last section named
  // `section`, or `fallback`. Names compare equal when they are equal after
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
