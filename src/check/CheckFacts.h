#pragma once
// What the settings check found out about one file: where it is, whether a
// DLL beside it reads it, how the plug-in's file access ended, and what its
// bytes mean. Gathered on Windows (SettingsCheck.h); the words and the
// verdict are portable.
#include <cstdint>
#include <string>
#include <string_view>

#include "SettingsDiagnosis.h"
#include "SettingsLoadOutcome.h"

struct CheckFacts {
  std::string checkedPath;             // UTF-8
  std::string dllFileName;             // the DLL the file belongs to, UTF-8 ("": the product's own)
  bool dllBeside = false;              // that DLL stands in the same folder
  bool readByDllBeside = false;        // and this is the file it reads
  SettingsLoadOutcome outcome = SettingsLoadOutcome::NoPath;
  std::uint32_t openErrorCode = 0;     // OpenFailed
  std::string openErrorText;           // OpenFailed: the system's text, UTF-8
  SettingsDiagnosis diagnosis;         // of the bytes read (none: the defaults, no findings)
  // Turns bytes of the file (the system's code page) into UTF-8.
  std::string (*decode)(std::string_view bytes) = nullptr;
};

// Bytes of the file as UTF-8 text: as they are in a file written in UTF-8,
// else through `decode`.
inline std::string TextOfFile(const CheckFacts& facts, std::string_view bytes) {
  if (facts.diagnosis.encoding == TextEncoding::Utf8 || facts.decode == nullptr) return std::string(bytes);
  return facts.decode(bytes);
}
