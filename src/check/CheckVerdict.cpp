#include "CheckVerdict.h"

std::int32_t EffectiveValue(const CheckFacts& facts, const IntegerSetting& setting) {
  return facts.outcome == SettingsLoadOutcome::OpenFailed ? 0 : facts.diagnosis.Value(setting).value;
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
  if (facts.valuesDisagreeWithLookup || facts.diagnosis.NeedsAttention()) return Advice::CorrectAndRestart;
  if (!facts.dllBeside) return Advice::PutDllBeside;
  if (!facts.readByDllBeside) return Advice::RenameForDll;
  return Advice::NothingToDo;
}
