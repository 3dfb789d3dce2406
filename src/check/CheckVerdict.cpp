#include "CheckVerdict.h"

std::optional<ScheduleSettings> ReadAtStart(const CheckFacts& facts) {
  if (facts.outcome == SettingsLoadOutcome::OpenFailed) return std::nullopt;
  return ScheduleSettings{facts.diagnosis.Value(IntervalSetting).value, facts.diagnosis.Value(ConnectWaitSetting).value};
}

std::int32_t EffectiveValue(const CheckFacts& facts, const IntegerSetting& setting) {
  // The scheduler keeps these two; a setting added to the table must be
  // given its value here too.
  static_assert(PluginSettings.size() == 2, "say here what the plug-in runs with for the new setting");
  const ScheduleSettings used = SettingsInUse(ReadAtStart(facts));
  return setting.key == IntervalSetting.key ? used.intervalMinutes : used.connectWaitMs;
}

bool NeedsAttention(const CheckFacts& facts) { return AdviceFor(facts) != Advice::NothingToDo; }

int ExitStatus(const CheckFacts& facts) { return NeedsAttention(facts) ? 1 : 0; }

Advice AdviceFor(const CheckFacts& facts) {
  // Nothing in the file helps while the plug-in finds no settings path.
  if (facts.dllBeside && facts.dllPathProblem == LibraryPathProblem::TooLong) return Advice::ShortenPath;
  if (facts.dllBeside && facts.dllPathProblem == LibraryPathProblem::NotInCodePage) return Advice::RenameFolders;
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
