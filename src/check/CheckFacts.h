#pragma once
// What the settings check found out about one file: where it is, whether the
// DLL it belongs to stands beside it and reads it, how the plug-in's file
// access ended, and what its bytes mean. Gathered on Windows (SettingsCheck.h);
// the words and the verdict are portable.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SettingsDiagnosis.h"
#include "SettingsLoadOutcome.h"
#include "SettingsPath.h"

struct CheckFacts {
  std::string checkedPath;             // UTF-8
  // Where the file lies: the host loads plug-ins only from its plug-ins
  // folder, and a folder holding the package's read-mes is an unpacked
  // package, whatever its name.
  bool inHostFolder = true;
  bool inPackageFolder = false;
  // Where there is no settings file, the names beside it that a user takes
  // for it (Explorer shows "Tollimer.ini.txt" as "Tollimer.ini"), UTF-8.
  std::vector<std::string> lookAlikes;
  bool corrected = false;              // the file was just corrected: this is the report on the result
  std::string dllFileName;             // the DLL the file belongs to, UTF-8 ("": the product's own)
  bool dllBeside = false;              // that DLL stands in the same folder
  // What that DLL makes of its own path: None when it gets a settings path.
  LibraryPathProblem dllPathProblem = LibraryPathProblem::None;
  std::uint64_t dllPathBytes = 0;      // TooLong: the DLL's full path in the system code page, in bytes
  std::uint64_t dllPathMostBytes = 0;  // TooLong: the most it may take
  std::string missingCharacters;       // NotInCodePage: the characters of that path the code page lacks, UTF-8
  bool readByDllBeside = false;        // the DLL beside it reads this file
  std::string fileReadInstead;         // the DLL beside it reads that file instead, UTF-8
  SettingsLoadOutcome outcome = SettingsLoadOutcome::NoPath;
  std::uint32_t openErrorCode = 0;     // OpenFailed, Unreachable: the system's code
  std::string openErrorText;           // and its text, UTF-8
  std::uint64_t fileSize = 0;          // TooLarge: the file's size
  std::uint64_t mostBytesExamined = 0; // TooLarge: the check's limit
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
