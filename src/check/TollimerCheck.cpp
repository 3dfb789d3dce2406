// TollimerCheck: shows what Tollimer.dll will read from its settings file,
// and why, in a window, or on standard output with --print; where a fault
// has one certain correction, it offers to make it (in the window, or with
// --fix on the command line, --fix --dry-run to only list it).
// Exit status: CheckVerdict.h.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "CheckReport.h"
#include "CheckStop.h"
#include "CommandLine.h"
#include "FixReport.h"
#include "Output.h"
#include "Paths.h"
#include "ProductIdentity.h"
#include "SettingsCheck.h"
#include "SettingsFix.h"
#include "SettingsRewrite.h"
#include "Text.h"

namespace {

// A message box lists this many changes and counts the rest.
constexpr std::size_t MostChangesInABox = 8;

ReportLanguage UserLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? ReportLanguage::Japanese
                                                                    : ReportLanguage::English;
}

// Where the report goes: the file of --output, standard output, or a box.
class Reporter {
 public:
  explicit Reporter(const CheckOptions& options) : options_(options) {}

  // False when the report could not be written (--output, --print).
  bool Show(const std::string& text, bool warning, std::wstring_view settingsPath = {}) const {
    const std::string whole = CheckTitle(options_.language) + "\n\n" + text;
    if (options_.output) return WriteIntoFile(*options_.output, whole);
    if (options_.print) return PrintText(whole, Stream::Output);
    MessageBoxW(nullptr, Utf8ToWide(text).c_str(), Title(settingsPath).c_str(),
                MB_OK | MB_SETFOREGROUND | (warning ? MB_ICONWARNING : MB_ICONINFORMATION));
    return true;
  }

  // A wrong command line: on standard error where the report would go to a
  // stream, else in a box.
  void ShowError(const std::string& text) const {
    if (options_.print) {
      PrintText(text, Stream::Error);
      return;
    }
    MessageBoxW(nullptr, Utf8ToWide(text).c_str(), Title({}).c_str(), MB_OK | MB_SETFOREGROUND | MB_ICONWARNING);
  }

  // The box's question, answered Yes.
  bool Ask(const std::string& text, std::wstring_view settingsPath) const {
    return MessageBoxW(nullptr, Utf8ToWide(text).c_str(), Title(settingsPath).c_str(),
                       MB_YESNO | MB_DEFBUTTON1 | MB_SETFOREGROUND | MB_ICONQUESTION) == IDYES;
  }

 private:
  // The product and, once there is one, the checked file's name (the report
  // gives the full path).
  std::wstring Title(std::wstring_view settingsPath) const {
    std::wstring title = Utf8ToWide(CheckTitle(options_.language));
    if (!settingsPath.empty()) title += L" - " + NameOf(settingsPath);
    return title;
  }

  const CheckOptions& options_;
};

// The outcome of showing the report: its status, unless it could not be
// written at all.
int Shown(bool shown, int status) { return shown ? status : CheckFailedStatus; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const CheckOptions options = ParseCommandLine(arguments, UserLanguage());
  PrepareCheckStop(options.language, options.print);
  const Reporter reporter(options);
  if (options.error) {
    reporter.ShowError(CommandLineErrorText(*options.error, WideToUtf8(options.wrongArgument), options.language));
    return WrongCommandLineStatus;
  }
  if (options.help) return Shown(reporter.Show(CheckUsage(options.language), false), 0);

  const std::wstring path = options.file ? SettingsPathFor(*options.file) : DefaultSettingsPath();
  const SettingsCheck check = CheckSettingsFile(path);
  const CheckFacts& facts = check.facts;
  const SettingsFixPlan plan = PlanSettingsFix(check.load.Bytes(), GetACP(), EncodeInSystemCodePage);
  // The one file a user took for the settings file, where there is none.
  const bool canRename = facts.outcome == SettingsLoadOutcome::NotFound && check.lookAlikes.size() == 1;
  const bool asking = !options.print && !options.fix;
  std::string text = WriteCheckReport(facts, options.language);
  const std::string planText = canRename ? WriteRenamePlan(facts.lookAlikes[0], facts, options.language)
                                         : WriteFixPlan(plan, facts, options.language,
                                                        asking ? MostChangesInABox : SIZE_MAX);
  if (!planText.empty()) text += "\n" + planText;

  const bool canFix = canRename || (plan.ChangesAnything() && facts.outcome == SettingsLoadOutcome::Read);
  if (!canFix || (options.fix && options.dryRun) || (options.print && !options.fix)) {
    if (canFix) {
      const FixNote note = options.dryRun ? FixNote::DryRun : FixNote::HowTo;
      text += "\n" + FixNoteText(note, facts, options.language) + "\n";
    }
    return Shown(reporter.Show(text, NeedsAttention(facts), check.path), ExitStatus(facts));
  }
  if (asking && !reporter.Ask(text + "\n" + FixNoteText(FixNote::Question, facts, options.language), check.path)) {
    return ExitStatus(facts);
  }

  const RewriteOutcome outcome = canRename ? RenameToSettingsFile(check.lookAlikes[0], check.path)
                                           : RewriteSettingsFile(check.path, check.load.Bytes(), plan.bytes);
  // The report before the correction stays in the printed text; a box shows
  // the outcome alone, after the one that asked.
  std::string result = asking ? std::string() : text + "\n";
  result += WriteRewriteOutcome(outcome, facts, options.language) + "\n";
  if (outcome.failure != RewriteFailure::None) {
    return Shown(reporter.Show(result, true, check.path), NotWrittenStatus);
  }
  // Read again with the plug-in's own reading: the values it will now use.
  SettingsCheck after = CheckSettingsFile(path);
  after.facts.corrected = true;
  result += "\n" + FixNoteText(FixNote::FileNow, after.facts, options.language) + "\n\n";
  result += WriteCheckReport(after.facts, options.language);
  return Shown(reporter.Show(result, NeedsAttention(after.facts), check.path), ExitStatus(after.facts));
}
