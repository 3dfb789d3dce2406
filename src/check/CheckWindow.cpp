#include "CheckWindow.h"

#include <windows.h>

#include <optional>

#include "CheckReport.h"
#include "ElevatedRun.h"
#include "FixCommand.h"
#include "FixReport.h"
#include "FolderWriteProbe.h"
#include "Paths.h"
#include "ReportFile.h"
#include "ReportView.h"
#include "Text.h"

namespace {

class CheckWindow {
 public:
  CheckWindow(const SettingsCheck& check, const Correction& correction, ReportLanguage language)
      : check_(check), correction_(correction), language_(language), words_(language, check.facts.dllFileName) {}

  int Show(WindowStart start) {
    const CheckFacts& facts = check_.facts;
    ReportView view = Base();
    view.verdict = Utf8ToWide(WriteVerdict(facts, correction_.Possible() ? correction_.Count() : 0, language_));
    view.warning = NeedsAttention(facts);
    view.summary = Utf8ToWide(WriteCheckSummary(facts, language_));
    report_ = WriteCheckReport(facts, language_);
    const std::string changeList = correction_.ChangeList(language_);
    if (!changeList.empty()) report_ += "\n" + changeList;
    view.details = Utf8ToWide(report_);
    view.changes = Utf8ToWide(correction_.ChangeLines(language_));
    elevate_ = correction_.Possible() &&
               ProbeFolderWrite(FolderOf(check_.path)).answer == FolderWrite::Denied;
    view.fixNeedsElevation = elevate_;
    status_ = ExitStatus(facts);
    auto fix = [this] { return elevate_ ? CorrectElevated() : Correct(); };
    if (start == WindowStart::ListOnly) view.changes.clear();  // in the whole report still
    if (start == WindowStart::CorrectAtOnce && correction_.Possible()) view = fix();
    return ShowReportWindow(view, fix) ? status_ : CheckFailedStatus;
  }

 private:
  // The title, the buttons' words: the same in every view.
  ReportView Base() const {
    ReportView view;
    view.language = language_;
    view.title = Utf8ToWide(CheckTitle(language_)) + L" - " + NameOf(check_.path);
    view.fixButton = Utf8ToWide(words_.Say<Message::WindowFixButton>());
    view.closeButton = Utf8ToWide(words_.Say<Message::WindowCloseButton>());
    return view;
  }

  // The file as it is now, after a correction made here or as administrator:
  // `outcome` said first, then the report on the file read again.
  ReportView Corrected(const std::string& outcome) {
    SettingsCheck after = CheckSettingsFile(check_.path);
    after.facts.corrected = true;
    status_ = ExitStatus(after.facts);
    ReportView view = Base();
    view.verdict = Utf8ToWide(WriteVerdict(after.facts, 0, language_));
    view.warning = NeedsAttention(after.facts);
    view.summary = Utf8ToWide(WriteCheckSummary(after.facts, language_));
    view.details = Utf8ToWide(outcome + "\n\n" + words_.Say<Message::FixFileNow>() + "\n\n" +
                              WriteCheckReport(after.facts, language_));
    return view;
  }

  // Nothing written: the verdict, why (`reason`), and the report as it was.
  ReportView NotCorrected(const std::string& verdict, const std::string& reason, int status) {
    status_ = status;
    ReportView view = Base();
    view.verdict = Utf8ToWide(verdict);
    view.warning = true;
    view.summary = Utf8ToWide(WriteCheckSummary(check_.facts, language_));
    view.details = Utf8ToWide((reason.empty() ? "" : reason + "\n\n") + report_);
    return view;
  }

  ReportView Correct() {
    const RewriteOutcome outcome = correction_.Make();
    const std::string said = WriteRewriteOutcome(outcome, check_.facts, language_);
    if (outcome.failure == RewriteFailure::None) return Corrected(said);
    // Where the original is under its backup's name, that is the verdict.
    const std::string verdict = outcome.failure == RewriteFailure::OriginalUnderBackup
                                    ? said
                                    : words_.Say<Message::VerdictNotCorrected>();
    return NotCorrected(verdict, said, NotWrittenStatus);
  }

  ReportView CorrectElevated() {
    const ReportFile report;
    const ElevatedRun run =
        RunElevated(ProgramPath(),
                    FixCommandParameters(report.Path(), check_.path,
                                         language_ == ReportLanguage::Japanese ? L"ja" : L"en"),
                    GetActiveWindow());
    switch (run.start) {
      case ElevatedStart::Declined:
        return NotCorrected(words_.Say<Message::VerdictElevationDeclined>(), {}, status_);
      case ElevatedStart::Failed:
        return NotCorrected(words_.Say<Message::VerdictElevationFailed>(ErrorText{SystemMessageUtf8(run.error)},
                                                                        ErrorCode{run.error}),
                            {}, NotWrittenStatus);
      case ElevatedStart::Ran:
        break;
    }
    const std::optional<std::string> said = report.ReadUtf8();
    const std::string reported = words_.Say<Message::WindowElevatedReport>() + "\n\n" + said.value_or("");
    if (run.exitCode == 0 || run.exitCode == 1) return Corrected(reported);
    if (run.exitCode == static_cast<DWORD>(NotWrittenStatus)) {
      return NotCorrected(words_.Say<Message::VerdictNotCorrected>(), reported, NotWrittenStatus);
    }
    return NotCorrected(words_.Say<Message::VerdictElevatedCheckFailed>(), reported, CheckFailedStatus);
  }

  const SettingsCheck& check_;
  const Correction& correction_;
  ReportLanguage language_;
  Words words_;
  std::string report_;  // the first view's whole report
  bool elevate_ = false;
  int status_ = 0;
};

}  // namespace

int ShowCheckWindow(const SettingsCheck& check, const Correction& correction, ReportLanguage language,
                    WindowStart start) {
  return CheckWindow(check, correction, language).Show(start);
}
