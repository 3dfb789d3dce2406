#include "CheckVerdict.h"

#include <algorithm>

#include "ScheduleForecast.h"

namespace {

// The file as such: every value comes from it as written, nothing in it needs
// a look, and the schedule those values give warns of nothing.
bool FileReadsAsMeant(const CheckFacts& facts) {
  const SettingsDiagnosis& d = facts.diagnosis;
  const bool allFromFile = std::all_of(d.values.begin(), d.values.end(),
                                      [](const SettingValue& value) { return value.source == ValueSource::File; });
  return allFromFile && d.findings.empty() && ForecastSchedule(ReadAtStart(facts)).warnings.empty();
}

}  // namespace

std::optional<ScheduleSettings> ReadAtStart(const CheckFacts& facts) {
  if (facts.outcome == SettingsLoadOutcome::OpenFailed) return std::nullopt;
  SettingTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = facts.diagnosis.values[i].text;
  return ScheduleSettingsFrom(texts);
}

std::int32_t EffectiveValue(const CheckFacts& facts, const IntegerSetting& setting) {
  return SettingsInUse(ReadAtStart(facts)).*setting.field;
}

bool NeedsAttention(const CheckFacts& facts) {
  const Advice advice = AdviceFor(facts);
  return advice != Advice::NothingToDo && advice != Advice::RestartToApply;
}

int ExitStatus(const CheckFacts& facts) { return NeedsAttention(facts) ? 1 : 0; }

bool TollimerReadsThisFile(const CheckFacts& facts) {
  return facts.inHostFolder && !facts.inPackageFolder && facts.dllBeside && facts.readByDllBeside;
}

Advice AdviceFor(const CheckFacts& facts) {
  if (!facts.inHostFolder || facts.inPackageFolder) return Advice::CopyToHostFolder;
  // Nothing in the file helps while the plug-in finds no settings path.
  if (facts.dllBeside && facts.dllPathProblem == LibraryPathProblem::TooLong) return Advice::ShortenPath;
  if (facts.dllBeside && facts.dllPathProblem == LibraryPathProblem::NotInCodePage) return Advice::RenameFolders;
  switch (facts.outcome) {
    case SettingsLoadOutcome::OpenFailed:
      return Advice::CloseOtherProgram;
    case SettingsLoadOutcome::NotFound:
      return facts.lookAlikes.empty() ? Advice::CreateFile : Advice::RenameLookAlike;
    case SettingsLoadOutcome::Read:
      break;
    default:
      return Advice::CorrectAndRestart;
  }
  if (!FileReadsAsMeant(facts)) return Advice::CorrectAndRestart;
  if (!facts.dllBeside) return Advice::PutDllBeside;
  if (!facts.readByDllBeside) return Advice::RenameForDll;
  return facts.corrected ? Advice::RestartToApply : Advice::NothingToDo;
}
