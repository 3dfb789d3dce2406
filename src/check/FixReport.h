#pragma once
// The settings check's words about its corrections: what it can change in
// the file, line by line, the notes around that, and how writing went.
// Portable: no Windows headers; UTF-8 text with "\n" line ends.
#include <cstddef>
#include <string>

#include "CheckFacts.h"
#include "RewriteOutcome.h"
#include "SettingsFix.h"
#include "Words.h"

// The heading and one line per change, at most `mostChanges` of them and a
// line that counts the rest; or why a UTF-16 file cannot be converted. Empty
// when the plan neither changes anything nor is blocked. `facts`: of the
// file the plan was made for.
std::string WriteFixPlan(const SettingsFixPlan& plan, const CheckFacts& facts, ReportLanguage language,
                         std::size_t mostChanges);

// The changes alone, one a line, all of them: what the window lists beside
// its button.
std::string WriteFixChanges(const SettingsFixPlan& plan, const CheckFacts& facts, ReportLanguage language);

// The change list of the other correction: a file the user took for the
// settings file (`lookAlike`, its name in UTF-8) is given the settings file's name.
std::string WriteRenamePlan(std::string_view lookAlike, const CheckFacts& facts, ReportLanguage language);
std::string WriteRenameChange(std::string_view lookAlike, const CheckFacts& facts, ReportLanguage language);

enum class FixNote {
  HowTo,     // how to have the corrections made (the report on standard output)
  DryRun,    // nothing was written
  FileNow,   // the heading of the report on the corrected file
};
std::string FixNoteText(FixNote note, const CheckFacts& facts, ReportLanguage language);

// Where the original is kept, or why nothing was written.
std::string WriteRewriteOutcome(const RewriteOutcome& outcome, const CheckFacts& facts, ReportLanguage language);
