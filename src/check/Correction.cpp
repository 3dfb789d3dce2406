#include "Correction.h"

#include <windows.h>

#include "FixReport.h"
#include "SettingsRewrite.h"

Correction::Correction(const SettingsCheck& check)
    : check_(check),
      plan_(PlanSettingsFix(check.load.Bytes(), GetACP(), EncodeInSystemCodePage)),
      rename_(check.facts.outcome == SettingsLoadOutcome::NotFound && check.lookAlikes.size() == 1) {}

std::string Correction::ChangeList(ReportLanguage language, std::size_t mostChanges) const {
  return rename_ ? WriteRenamePlan(check_.facts.lookAlikes[0], check_.facts, language)
                 : WriteFixPlan(plan_, check_.facts, language, mostChanges);
}

std::string Correction::ChangeLines(ReportLanguage language) const {
  if (!Possible()) return {};
  return rename_ ? WriteRenameChange(check_.facts.lookAlikes[0], check_.facts, language)
                 : WriteFixChanges(plan_, check_.facts, language);
}

RewriteOutcome Correction::Make() const {
  return rename_ ? RenameToSettingsFile(check_.lookAlikes[0], check_.path)
                 : RewriteSettingsFile(check_.path, check_.load.Bytes(), plan_.bytes);
}
