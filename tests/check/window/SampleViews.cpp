#include "SampleViews.h"

#include <string>

#include "CheckReport.h"
#include "FixReport.h"
#include "SettingsFix.h"
#include "Text.h"

namespace {

// Files as users write them: a slip in a key, a unit and a comma; a good
// one; and one whose report is as long as a user's can get (a UTF-8 mark,
// and 120 keys of other programs' names that look like Tollimer's, each a
// long line of findings).
constexpr char BrokenFile[] = "[Env]\r\nIntervalMinute=15 min\r\nConnectWaitMilliSecond=1,500\r\n";
constexpr char CorrectedFile[] = "[Env]\r\nInterbalMinute=15\r\nConnectWaitMilliSecond=1500\r\n";
constexpr char GoodFile[] = "[Env]\r\nInterbalMinute=2\r\nConnectWaitMilliSecond=1500\r\n";

std::string LongestFile() {
  std::string file = "\xEF\xBB\xBF[Env]\r\nConnectWaitMilliSecond=2,000\r\n";
  for (int i = 0; i < 120; ++i) file += "IntervalMinutes=" + std::to_string(i) + "\r\n";
  return file;
}

// As the check finds a file in Becky!'s PlugIns folder, beside Tollimer.dll.
CheckFacts FactsOf(std::string_view bytes, ReportLanguage language) {
  CheckFacts facts;
  facts.checkedPath = "C:\\Program Files (x86)\\RimArts\\B2\\PlugIns\\Tollimer.ini";
  facts.dllBeside = true;
  facts.readByDllBeside = true;
  facts.outcome = SettingsLoadOutcome::Read;
  facts.diagnosis = DiagnoseSettings(bytes, language == ReportLanguage::Japanese ? 932 : 1252);
  return facts;
}

bool AsciiOnly(std::u16string_view text, std::string& ansi) {
  for (const char16_t c : text) {
    if (c >= 0x80) return false;
    ansi += static_cast<char>(c);
  }
  return true;
}

// The window's view of a file, made as the check makes it.
ReportView ViewOf(std::string_view bytes, ReportLanguage language, bool corrected) {
  CheckFacts facts = FactsOf(bytes, language);
  facts.corrected = corrected;
  const SettingsFixPlan plan = PlanSettingsFix(bytes, language == ReportLanguage::Japanese ? 932 : 1252, AsciiOnly);
  const Words words(language);
  ReportView view;
  view.language = language;
  view.title = Utf8ToWide(CheckTitle(language)) + L" - Tollimer.ini";
  view.fixButton = Utf8ToWide(words.Say<Message::WindowFixButton>());
  view.closeButton = Utf8ToWide(words.Say<Message::WindowCloseButton>());
  view.verdict = Utf8ToWide(WriteVerdict(facts, plan.changes.size(), language));
  view.warning = NeedsAttention(facts);
  view.summary = Utf8ToWide(WriteCheckSummary(facts, language));
  std::string details = WriteCheckReport(facts, language);
  if (!corrected && plan.ChangesAnything()) {
    details += "\n" + WriteFixPlan(plan, facts, language, SIZE_MAX);
    view.changes = Utf8ToWide(WriteFixChanges(plan, facts, language));
  }
  view.details = Utf8ToWide(details);
  return view;
}

}  // namespace

std::optional<Sample> SampleNamed(std::string_view name) {
  if (name == "fix") return Sample::Fix;
  if (name == "nofix") return Sample::NoFix;
  if (name == "longest") return Sample::Longest;
  return std::nullopt;
}

ReportView SampleView(Sample sample, ReportLanguage language) {
  switch (sample) {
    case Sample::Fix:
      return ViewOf(BrokenFile, language, false);
    case Sample::NoFix:
      return ViewOf(GoodFile, language, false);
    case Sample::Longest:
      return ViewOf(LongestFile(), language, false);
  }
  return {};
}

ReportView FixedView(ReportLanguage language) { return ViewOf(CorrectedFile, language, true); }
