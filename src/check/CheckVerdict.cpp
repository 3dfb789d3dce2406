#include "CheckVerdict.h"

std::optional<ScheduleSettings> ReadAtStart(const CheckFacts& facts) {
  if (facts.outcome == SettingsLoadOutcome::OpenFailed) return std::nullopt;
  return ScheduleSettings{facts.diagnosis.Value(IntervalSetting).value, facts.diagnosis.Value(ConnectWaitSetting).value};
}

std::int32_t EffectiveValue(const CheckFacts& facts, const IntegerSetting& setting) {
  const ScheduleSettings used = SettingsInUse(ReadAtStart(facts));
  return setting.key == IntervalSetting.key ? used.intervalMinutes : used.connectWaitMs;
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
