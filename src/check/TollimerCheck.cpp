// TollimerCheck: shows what Tollimer.dll will read from its settings file,
// and why, in a window (CheckWindow.h), or on standard output with --print
// (into a file with --output); where a fault has one certain correction, it
// offers to make it (the window's button, --fix on the command line, --fix
// --dry-run to only list it). Exit status: CheckVerdict.h.
#include <windows.h>

#include <string>
#include <vector>

#include "CheckReport.h"
#include "CheckStop.h"
#include "CheckWindow.h"
#include "CommandLine.h"
#include "Correction.h"
#include "FixReport.h"
#include "LoadOnlyFromSystem32.h"
#include "Output.h"
#include "Paths.h"
#include "SettingsCheck.h"
#include "Text.h"

namespace {

ReportLanguage UserLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? ReportLanguage::Japanese
                                                                    : ReportLanguage::English;
}

// A short text that needs no report window: the usage, a wrong command line.
void ShowNote(const CheckOptions& options, const std::string& text, bool warning) {
  MessageBoxW(nullptr, Utf8ToWide(text).c_str(), Utf8ToWide(CheckTitle(options.language)).c_str(),
              MB_OK | MB_SETFOREGROUND | (warning ? MB_ICONWARNING : MB_ICONINFORMATION));
}

// The report as text: into the file of --output, or onto standard output.
// False when it could not be written.
bool Print(const CheckOptions& options, const std::string& text) {
  const std::string whole = CheckTitle(options.language) + "\n\n" + text;
  return options.output ? WriteIntoFile(*options.output, whole) : PrintText(whole, Stream::Output);
}

// The outcome of printing: its status, unless the text could not be written.
int Printed(bool written, int status) { return written ? status : CheckFailedStatus; }

// --print: the report, and with --fix the correction made (or with
// --dry-run only listed) and the corrected file read again.
int PrintCheck(const CheckOptions& options, const std::wstring& path, const SettingsCheck& check,
               const Correction& correction) {
  const CheckFacts& facts = check.facts;
  const ReportLanguage language = options.language;
  std::string text = WriteCheckReport(facts, language);
  const std::string changes = correction.ChangeList(language);
  if (!changes.empty()) text += "\n" + changes;
  if (!correction.Possible() || !options.fix || options.dryRun) {
    if (correction.Possible()) {
      text += "\n" + FixNoteText(options.dryRun ? FixNote::DryRun : FixNote::HowTo, facts, language) + "\n";
    }
    return Printed(Print(options, text), ExitStatus(facts));
  }
  const RewriteOutcome outcome = correction.Make();
  text += "\n" + WriteRewriteOutcome(outcome, facts, language) + "\n";
  if (outcome.failure != RewriteFailure::None) return Printed(Print(options, text), NotWrittenStatus);
  // Read again with the plug-in's own reading: the values it will now use.
  SettingsCheck after = CheckSettingsFile(path);
  after.facts.corrected = true;
  text += "\n" + FixNoteText(FixNote::FileNow, after.facts, language) + "\n\n" + WriteCheckReport(after.facts, language);
  return Printed(Print(options, text), ExitStatus(after.facts));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  LoadDllsOnlyFromSystem32();
  const std::vector<std::wstring> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const CheckOptions options = ParseCommandLine(arguments, UserLanguage());
  PrepareCheckStop(options.language, options.print);
  if (options.error) {
    const std::string text =
        CommandLineErrorText(*options.error, WideToUtf8(options.wrongArgument), options.language);
    if (options.print) {
      PrintText(text, Stream::Error);
    } else {
      ShowNote(options, text, true);
    }
    return WrongCommandLineStatus;
  }
  if (options.help) {
    if (options.print) return Printed(Print(options, CheckUsage(options.language)), 0);
    ShowNote(options, CheckUsage(options.language), false);
    return 0;
  }

  const std::wstring path = options.file ? SettingsPathFor(*options.file) : DefaultSettingsPath();
  const SettingsCheck check = CheckSettingsFile(path);
  const Correction correction(check);
  if (options.print) return PrintCheck(options, path, check, correction);
  const WindowStart start = !options.fix ? WindowStart::Offer
                            : options.dryRun ? WindowStart::ListOnly
                                             : WindowStart::CorrectAtOnce;
  return ShowCheckWindow(check, correction, options.language, start);
}
