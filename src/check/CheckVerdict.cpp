#include "CheckVerdict.h"

std::optional<ScheduleSettings> ReadAtStart(const CheckFacts& facts) {
  if (facts.outcome == SettingsLoadOutcome::OpenFailed) return std::nullopt;
  SettingTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = facts.diagnosis.values[i].text;
  return ScheduleSettingsFrom(texts);
}

std::int32_t EffectiveValue(const CheckFacts& facts, const IntegerSetting& setting) {
  return SettingsInUse(ReadAtStart(facts)).*setting.field;
}

bool NeedsAttention(const CheckFacts& facts) { return AdviceFor(facts) != Advice::NothingToDo; }

int ExitStatus(const CheckFacts& facts) { return NeedsAttention(facts) ? 1 : 0; }

Advice AdviceFor(const CheckFacts& facts) {
  switch (facts.outcome) {
    case SettingsLoadOutcome::OpenFailed:
      return Advice::CloseOtherProgram;
    case SettingsLoadOutcome::NotFound:
      return Advice::CreateFile;
    case SettingsLoadOutcome::Read:
      break;
    default:
      return Advice::CorrectAndRestart;
  }
  if (facts.diagnosis.NeedsAttention()) return Advice::CorrectAndRestart;
  if (!facts.dllBeside) return Advice::PutDllBeside;
  if (!facts.readByDllBeside) return Advice::RenameForDll;
  return Advice::NothingToDo;
}
