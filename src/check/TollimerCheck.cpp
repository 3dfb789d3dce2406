// TollimerCheck: shows what Tollimer.dll will read from its settings file,
// and why, in a message box, or on standard output with --print; where a
// fault has one certain correction, it offers to make it (Yes / No in the
// message box, --fix on the command line, --fix --dry-run to only show it).
// Exit status: CheckVerdict.h.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "CheckReport.h"
#include "ProductIdentity.h"
#include "FixReport.h"
#include "LoadOnlyFromSystem32.h"
#include "SettingsCheck.h"
#include "SettingsFix.h"
#include "SettingsRewrite.h"
#include "WindowsText.h"

namespace {

// A message box lists this many changes and counts the rest.
constexpr std::size_t MostChangesInABox = 8;

struct CheckOptions {
  bool print = false;
  bool help = false;
  bool fix = false;
  bool dryRun = false;
  ReportLanguage language = ReportLanguage::English;
  std::string path;  // empty: Tollimer.dll beside this program
  std::optional<CommandLineError> error;
  std::string wrongArgument;  // UnknownOption
};

ReportLanguage UserLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? ReportLanguage::Japanese
                                                                    : ReportLanguage::English;
}

CheckOptions ParseOptions(int argc, char** argv) {
  CheckOptions options;
  options.language = UserLanguage();
  for (int i = 1; i < argc && !options.error; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--print") {
      options.print = true;
    } else if (argument == "--fix") {
      options.fix = true;
    } else if (argument == "--dry-run") {
      options.dryRun = true;
    } else if (argument == "--help" || argument == "-h" || argument == "/?") {
      options.help = true;
    } else if (argument == "--lang" || argument.starts_with("--lang=")) {
      std::string_view name;
      if (argument.size() > 6) {
        name = argument.substr(7);
      } else if (i + 1 < argc) {
        name = argv[++i];
      }
      if (!ReadReportLanguage(name, options.language)) options.error = CommandLineError::Language;
    } else if (argument.starts_with("--")) {
      options.error = CommandLineError::UnknownOption;
      options.wrongArgument = std::string(argument);
    } else if (options.path.empty()) {
      options.path = std::string(argument);
    } else {
      options.error = CommandLineError::OneFileOnly;
    }
  }
  if (!options.error && options.dryRun && !options.fix) options.error = CommandLineError::DryRunWithoutFix;
  return options;
}

// A console gets the text in UTF-16, whatever its code page; a pipe or file
// gets UTF-8. A GUI program started from a console has no standard output of
// its own: it writes to the console it was started from, if any.
void Print(std::string_view utf8) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if ((output == nullptr || output == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    output = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  }
  if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(output, &mode)) {
    const std::wstring wide = Utf8ToWide(utf8);
    WriteConsoleW(output, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  while (!utf8.empty()) {
    if (!WriteFile(output, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) || written == 0) return;
    utf8.remove_prefix(written);
  }
}

// A message box's title names the product and, once there is one, the
// checked file (its name; the report gives the full path).
std::wstring BoxTitle(const CheckOptions& options, std::string_view settingsPath) {
  std::string title = CheckTitle(options.language);
  if (!settingsPath.empty()) {
    title += " - " + CodePageToUtf8(settingsPath.substr(settingsPath.find_last_of("\\/") + 1), CP_ACP);
  }
  return Utf8ToWide(title);
}

void Show(const CheckOptions& options, const std::string& text, bool warning, std::string_view settingsPath = {}) {
  if (options.print) {
    Print(CheckTitle(options.language) + "\n\n" + text);
    return;
  }
  MessageBoxW(nullptr, Utf8ToWide(text).c_str(), BoxTitle(options, settingsPath).c_str(),
              MB_OK | MB_SETFOREGROUND | (warning ? MB_ICONWARNING : MB_ICONINFORMATION));
}

// The message box's question, answered Yes.
bool Ask(const CheckOptions& options, const std::string& text, std::string_view settingsPath) {
  return MessageBoxW(nullptr, Utf8ToWide(text).c_str(), BoxTitle(options, settingsPath).c_str(),
                     MB_YESNO | MB_DEFBUTTON1 | MB_SETFOREGROUND | MB_ICONQUESTION) == IDYES;
}

// The settings file of the Tollimer.dll beside this program.
std::string DefaultSettingsPath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length < MAX_PATH ? length : 0);
  const std::size_t slash = folder.find_last_of("\\/");
  folder = slash == std::string::npos ? "." : folder.substr(0, slash);
  return SettingsPathFor(folder + "\\" + std::string(ProductDllFileName));
}

}  // namespace

int main(int argc, char** argv) {
  LoadDllsOnlyFromSystem32();
  const CheckOptions options = ParseOptions(argc, argv);
  if (options.error) {
    Show(options, CommandLineErrorText(*options.error, options.wrongArgument, options.language), true);
    return WrongCommandLineStatus;
  }
  if (options.help) {
    Show(options, CheckUsage(options.language), false);
    return 0;
  }
  const std::string path = options.path.empty() ? DefaultSettingsPath() : SettingsPathFor(options.path);
  // Stamped before the reading, so that any later change shows before writing.
  const FileStamp stamp = StampOf(path);
  const SettingsCheck check = CheckSettingsFile(path);
  const CheckFacts& facts = check.facts;
  const SettingsFixPlan plan = PlanSettingsFix(check.load.Bytes(), EncodeInSystemCodePage);
  const bool asking = !options.print && !options.fix;
  std::string text = WriteCheckReport(facts, options.language);
  const std::string planText = WriteFixPlan(plan, facts, options.language, asking ? MostChangesInABox : SIZE_MAX);
  if (!planText.empty()) text += "\n" + planText;

  const bool canFix = plan.ChangesAnything() && facts.outcome == SettingsLoadOutcome::Read;
  if (!canFix || (options.fix && options.dryRun) || (options.print && !options.fix)) {
    if (canFix) {
      const FixNote note = options.dryRun ? FixNote::DryRun : FixNote::HowTo;
      text += "\n" + FixNoteText(note, facts, options.language) + "\n";
    }
    Show(options, text, NeedsAttention(facts), path);
    return ExitStatus(facts);
  }
  if (asking && !Ask(options, text + "\n" + FixNoteText(FixNote::Question, facts, options.language), path)) {
    return ExitStatus(facts);
  }

  const RewriteOutcome outcome = RewriteSettingsFile(path, stamp, check.load.Bytes(), plan.bytes);
  // The report before the correction stays on standard output; a message box
  // shows the outcome alone, after the one that asked.
  std::string result = asking ? std::string() : text + "\n";
  result += WriteRewriteOutcome(outcome, facts, options.language) + "\n";
  if (outcome.failure != RewriteFailure::None) {
    Show(options, result, true, path);
    return NotWrittenStatus;
  }
  // Read again with the plug-in's own reading: the values it will now use.
  const SettingsCheck after = CheckSettingsFile(path);
  result += "\n" + FixNoteText(FixNote::FileNow, after.facts, options.language) + "\n\n";
  result += WriteCheckReport(after.facts, options.language);
  result += "\n" + FixNoteText(FixNote::Restart, after.facts, options.language) + "\n";
  Show(options, result, NeedsAttention(after.facts), path);
  return ExitStatus(after.facts);
}
