#pragma once
// What the settings check concludes from its facts: the values the plug-in
// runs with, whether the user should look (the exit status), and what the
// user should do now (the report's last line). Portable.
#include <cstdint>
#include <optional>

#include "CheckFacts.h"
#include "ScheduleSimulation.h"

// What the plug-in reads at the host's start: nothing when the file cannot
// be opened.
std::optional<ScheduleSettings> ReadAtStart(const CheckFacts& facts);

// The value the plug-in runs with, as its scheduler keeps it: when the file
// cannot be opened it reads nothing and keeps what it had, which at the
// host's start is 0.
std::int32_t EffectiveValue(const CheckFacts& facts, const IntegerSetting& setting);

// Whether the plug-in reads this very file: the host loads the DLL beside
// it, and that DLL's settings path names it.
bool TollimerReadsThisFile(const CheckFacts& facts);

// Whether the user should look.
bool NeedsAttention(const CheckFacts& facts);

// The program's exit status: 0 when both values come from the file as
// written and nothing else needs attention, 1 otherwise, 2 for a wrong
// command line (which reaches no facts), 3 when the file was not corrected
// (the report says why, and where the original is when not under its own
// name), 4 when the check itself could not finish (no memory, its report
// not written): a status that claims nothing about the file.
inline constexpr int WrongCommandLineStatus = 2;
inline constexpr int NotWrittenStatus = 3;
inline constexpr int CheckFailedStatus = 4;
int ExitStatus(const CheckFacts& facts);

enum class Advice {
  NothingToDo,         // all is well
  CloseOtherProgram,   // the file is held open by another program
  CreateFile,          // no file: the defaults apply, a file gives other values
  CorrectAndRestart,   // something in or about the file needs correcting
  PutDllBeside,        // the file is fine, but no DLL beside it reads it
  RenameForDll,        // the file is fine, but the DLL beside it reads another name
  ShortenPath,         // the DLL beside it gets no settings path: its path is too long
  RenameFolders,       // the DLL beside it gets no settings path: its path holds characters the code page lacks
  CopyToHostFolder,    // the host never loads a plug-in from this folder
  RenameLookAlike,     // no settings file, but a file the user took for it
  RestartToApply,      // just corrected, and all is well: the host reads it at its next start
};

Advice AdviceFor(const CheckFacts& facts);
