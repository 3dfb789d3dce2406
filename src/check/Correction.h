#pragma once
// What the check can correct in the one file it looked at: its bytes (the
// fix plan's certain corrections), or, where there is no settings file, the
// name of the one file a user took for it. Windows only.
#include <cstddef>
#include <string>

#include "RewriteOutcome.h"
#include "SettingsCheck.h"
#include "SettingsFix.h"

class Correction {
 public:
  explicit Correction(const SettingsCheck& check);

  bool Possible() const { return rename_ || (plan_.ChangesAnything() && check_.facts.outcome == SettingsLoadOutcome::Read); }
  // How many changes it makes.
  std::size_t Count() const { return rename_ ? 1 : plan_.changes.size(); }
  // Its heading and one change a line (at most `mostChanges`, then how many
  // more), as the printed report lists them; why a UTF-16 file cannot be
  // converted, where it cannot; or nothing.
  std::string ChangeList(ReportLanguage language, std::size_t mostChanges = SIZE_MAX) const;
  // The changes alone, one a line, for the window beside its button.
  std::string ChangeLines(ReportLanguage language) const;
  // Makes it on disk.
  RewriteOutcome Make() const;

 private:
  const SettingsCheck& check_;
  SettingsFixPlan plan_;
  bool rename_ = false;
};
