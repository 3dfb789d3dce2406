#pragma once
// The words a user writes after a number to say what it counts, in English
// and in Japanese ("min", "分", "ミリ秒", "sec", "時間"...), in ASCII, UTF-8
// and Shift-JIS alike. Portable.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "PluginSettings.h"
#include "TextCharacters.h"

struct UnitWord {
  TimeUnit unit;
  std::size_t length;  // bytes
};

// The longest unit word at the start of `text`, ASCII ones without regard to
// case; nothing when none starts there. Where the word must end is the
// caller's rule.
std::optional<UnitWord> UnitWordAt(std::string_view text, TextEncoding encoding);

// NUL-terminated texts: the table is half the size of one of views.
struct UnitSpelling {
  const char* utf8;
  const char* shiftJis;  // the same as `utf8` for an ASCII word
  TimeUnit unit;
};

// Every unit word in its UTF-8 and Shift-JIS forms; a native test checks the
// Shift-JIS ones against iconv.
inline constexpr std::array UnitSpellings{
    UnitSpelling{"ms", "ms", TimeUnit::Millisecond},
    UnitSpelling{"msec", "msec", TimeUnit::Millisecond},
    UnitSpelling{"msecs", "msecs", TimeUnit::Millisecond},
    UnitSpelling{"millisecond", "millisecond", TimeUnit::Millisecond},
    UnitSpelling{"milliseconds", "milliseconds", TimeUnit::Millisecond},
    UnitSpelling{"ミリ秒", "\x83\x7E\x83\x8A\x95\x62", TimeUnit::Millisecond},
    UnitSpelling{"ミリ秒間", "\x83\x7E\x83\x8A\x95\x62\x8A\xD4", TimeUnit::Millisecond},
    UnitSpelling{"s", "s", TimeUnit::Second},
    UnitSpelling{"sec", "sec", TimeUnit::Second},
    UnitSpelling{"secs", "secs", TimeUnit::Second},
    UnitSpelling{"second", "second", TimeUnit::Second},
    UnitSpelling{"seconds", "seconds", TimeUnit::Second},
    UnitSpelling{"秒", "\x95\x62", TimeUnit::Second},
    UnitSpelling{"秒間", "\x95\x62\x8A\xD4", TimeUnit::Second},
    UnitSpelling{"m", "m", TimeUnit::Minute},
    UnitSpelling{"min", "min", TimeUnit::Minute},
    UnitSpelling{"mins", "mins", TimeUnit::Minute},
    UnitSpelling{"minute", "minute", TimeUnit::Minute},
    UnitSpelling{"minutes", "minutes", TimeUnit::Minute},
    UnitSpelling{"分", "\x95\xAA", TimeUnit::Minute},
    UnitSpelling{"分間", "\x95\xAA\x8A\xD4", TimeUnit::Minute},
    UnitSpelling{"h", "h", TimeUnit::Hour},
    UnitSpelling{"hr", "hr", TimeUnit::Hour},
    UnitSpelling{"hrs", "hrs", TimeUnit::Hour},
    UnitSpelling{"hour", "hour", TimeUnit::Hour},
    UnitSpelling{"hours", "hours", TimeUnit::Hour},
    UnitSpelling{"時間", "\x8E\x9E\x8A\xD4", TimeUnit::Hour},
};
