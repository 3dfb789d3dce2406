#include "SampleViews.h"

#include "WindowsText.h"
#include "Words.h"

namespace {

std::wstring Wide(const std::string& utf8) { return Utf8ToWide(utf8); }

ReportView Base(const Words& words, ReportLanguage language) {
  ReportView view;
  view.language = language;
  view.title = Wide(words.Say<Message::Title>()) + L" - Tollimer.ini";
  view.fixButton = Wide(words.Say<Message::WindowFixButton>());
  view.closeButton = Wide(words.Say<Message::WindowCloseButton>());
  return view;
}

std::wstring Summary(const Words& words) {
  return Wide(words.Say<Message::ValuesHeading>()) + L"\n  " +
         Wide(words.Say<Message::ValueDefault>(Key{"InterbalMinute"}, Value{10})) + L"\n  " +
         Wide(words.Say<Message::ValueFromFile>(Key{"ConnectWaitMilliSecond"}, Value{1000}, Line{3})) + L"\n  " +
         Wide(words.Say<Message::SwitchBack>(WaitMs{1000}, WaitSeconds{1}));
}

std::wstring Finding(const Words& words, int line) {
  return Wide(words.Say<Message::FindNearMissIntervalKey>(
      Line{line}, Text{words.Say<Message::Quoted>(Text{"IntervalMinute"})}, Key{"InterbalMinute"}));
}

std::wstring Change(const Words& words, int line) {
  return Wide(words.Say<Message::FixRenameKey>(Line{line}, Text{words.Say<Message::Quoted>(Text{"IntervalMinute"})},
                                               Key{"InterbalMinute"}));
}

}  // namespace

std::optional<Sample> SampleNamed(std::string_view name) {
  if (name == "fix") return Sample::Fix;
  if (name == "nofix") return Sample::NoFix;
  if (name == "longest") return Sample::Longest;
  return std::nullopt;
}

ReportView SampleView(Sample sample, ReportLanguage language) {
  const Words words(language);
  ReportView view = Base(words, language);
  view.warning = sample != Sample::NoFix;
  view.verdict = Wide(sample == Sample::NoFix ? words.Say<Message::AdviceNothingToDo>()
                                              : words.Say<Message::AdviceCorrectAndRestart>());
  view.summary = Summary(words);
  const int findings = sample == Sample::Longest ? 120 : sample == Sample::Fix ? 2 : 0;
  view.details = Wide(words.Say<Message::FindingsHeading>()) + L"\n";
  for (int line = 1; line <= findings; ++line) view.details += Finding(words, line) + L"\n";
  view.details += L"\n" + Wide(words.Say<Message::AdviceCorrectAndRestart>()) + L"\n";
  const int changes = sample == Sample::Longest ? 9 : sample == Sample::Fix ? 2 : 0;
  for (int line = 1; line <= changes; ++line) view.changes += (line > 1 ? L"\n" : L"") + Change(words, line);
  return view;
}

ReportView FixedView(ReportLanguage language) {
  const Words words(language);
  ReportView view = Base(words, language);
  view.verdict = Wide(words.Say<Message::FixWritten>(Path{"C:\\Becky\\PlugIns\\Tollimer.ini.bak"}));
  view.summary = Summary(words);
  view.details = Wide(words.Say<Message::FixFileNow>()) + L"\n" + Summary(words) + L"\n\n" +
                 Wide(words.Say<Message::FixRestart>()) + L"\n";
  return view;
}
