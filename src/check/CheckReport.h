#pragma once
// The settings check's words: what the plug-in will do with a settings file,
// in English or Japanese, from the facts that the file access and the
// diagnosis gathered. Portable: no Windows headers; the text is UTF-8 with
// "\n" line ends.
#include <cstdint>
#include <string>
#include <string_view>

#include "SettingsDiagnosis.h"
#include "SettingsLoadOutcome.h"

enum class ReportLanguage { English, Japanese };

struct CheckFacts {
  std::string checkedPath;             // UTF-8
  bool dllBeside = false;              // a Tollimer.dll stands in the same folder
  bool readByDllBeside = false;        // and this is the file it reads
  SettingsLoadOutcome outcome = SettingsLoadOutcome::NoPath;
  std::uint32_t openErrorCode = 0;     // OpenFailed
  std::string openErrorText;           // OpenFailed: the system's text, UTF-8
  SettingsDiagnosis diagnosis;         // of the bytes read (none: the defaults, no findings)
  // Turns bytes of the file (the system's code page) into UTF-8.
  std::string (*decode)(std::string_view bytes) = nullptr;
};

// The value the plug-in runs with, as its scheduler keeps it: when the file
// cannot be opened it reads nothing and keeps what it had, which at the mail
// client's start is 0.
std::int32_t EffectiveValue(const CheckFacts& facts, const IntegerSetting& setting);

// Whether the user should look: exit status 1 rather than 0.
bool NeedsAttention(const CheckFacts& facts);

std::string CheckTitle(ReportLanguage language);
std::string WriteCheckReport(const CheckFacts& facts, ReportLanguage language);
std::string CheckUsage(ReportLanguage language);

// "ja" or "en"; false for anything else.
bool ReadReportLanguage(std::string_view name, ReportLanguage& language);
