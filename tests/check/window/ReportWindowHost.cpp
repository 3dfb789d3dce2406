// Shows one of the sample views in the report window, as TollimerCheck.exe
// will, for the window's tests to look at and press:
//   report_window_host [--unrestricted] [--lang ja|en] fix|nofix|longest
//   report_window_host [--lang ja|en] elevated <settings file>
// The DLL search is restricted first, as in TollimerCheck.exe, unless
// --unrestricted asks for the control case of the planted-DLL test.
// Exit status: how many times the fix ran; 100 for a wrong command line.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ElevatedRun.h"
#include "FixCommand.h"
#include "FolderWriteProbe.h"
#include "LoadOnlyFromSystem32.h"
#include "ReportFile.h"
#include "Paths.h"
#include "ReportView.h"
#include "SampleViews.h"
#include "Text.h"

namespace {

constexpr int WrongCommandLine = 100;

std::wstring Beside(const wchar_t* name) { return JoinPath(FolderOf(ProgramPath()), name); }

// The correction of a file in a folder that may need an administrator: the
// stand-in for the check's own --fix --output, run elevated, writes the
// report that the window then shows.
int ShowElevatedCorrection(const std::string& settings, ReportLanguage language) {
  const std::wstring path = Utf8ToWide(settings);
  ReportView view = SampleView(Sample::Fix, language);
  view.fixNeedsElevation = ProbeFolderWrite(FolderOf(path)).answer == FolderWrite::Denied;
  int fixes = 0;
  auto fix = [&] {
    ++fixes;
    ReportFile report;
    ReportView result = FixedView(language);
    const ElevatedRun run = RunElevated(Beside(L"elevated_child.exe"), FixCommandParameters(report.Path(), path, L"ja"),
                                        GetActiveWindow());
    const std::optional<std::string> text = report.ReadUtf8();
    result.details = run.start == ElevatedStart::Ran && text ? Utf8ToWide(*text) : L"(no report)";
    return result;
  };
  ShowReportWindow(view, fix);
  return fixes;
}

}  // namespace

int main(int argc, char** argv) {
  int next = 1;
  const bool restricted = !(next < argc && std::string_view(argv[next]) == "--unrestricted");
  if (!restricted) ++next;
  if (restricted) LoadDllsOnlyFromSystem32();
  ReportLanguage language = ReportLanguage::Japanese;
  if (next + 1 < argc && std::string_view(argv[next]) == "--lang") {
    if (!ReadReportLanguage(argv[next + 1], language)) return WrongCommandLine;
    next += 2;
  }
  if (next + 1 < argc && std::string_view(argv[next]) == "elevated") {
    return ShowElevatedCorrection(argv[next + 1], language);
  }
  const std::optional<Sample> sample = next < argc ? SampleNamed(argv[next]) : std::nullopt;
  if (!sample) return WrongCommandLine;
  int fixes = 0;
  auto fix = [&] {
    ++fixes;
    return FixedView(language);
  };
  ShowReportWindow(SampleView(*sample, language), fix);
  return fixes;
}
