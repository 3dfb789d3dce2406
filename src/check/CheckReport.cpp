#include "CheckReport.h"

#include <limits>

#include "ScheduleForecast.h"

namespace {

// At most `most` characters of UTF-8 text, with "..." when cut.
std::string Shorten(std::string text, std::size_t most) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (++characters > most) return text.substr(0, i) + "...";
  }
  return text;
}

// Sections one after another, each a heading or sentence at the left and its
// items indented under it, a blank line after each.
class ReportBuilder {
 public:
  ReportBuilder(const CheckFacts& facts, ReportLanguage language, bool summary = false)
      : facts_(facts), words_(language, facts.dllFileName), summary_(summary) {}

  // The values and the schedule alone, each without its reasons and warnings.
  std::string BuildSummary() {
    ValuesSection();
    ScheduleSection();
    while (out_.ends_with("\n")) out_.pop_back();
    return std::move(out_);
  }

  std::string Build() {
    FileSection();
    ValuesSection();
    ScheduleSection();
    FindingsSection();
    out_ += ClosingText();
    out_ += "\n";
    return std::move(out_);
  }

 private:
  void Put(const std::string& text) { out_ += text + "\n"; }
  void PutItem(const std::string& text) { out_ += "  " + text + "\n"; }
  // Reasons under a value; a summary leaves them to the whole report.
  void PutSubItem(const std::string& text) {
    if (!summary_) out_ += "    " + text + "\n";
  }
  void PutBlank() { out_ += "\n"; }

  std::string Decoded(std::string_view bytes) const { return TextOfFile(facts_, bytes); }
  // A name or text already in UTF-8, in quotation marks.
  std::string Quoted(std::string_view utf8) const { return words_.Say<Message::Quoted>(Text{utf8}); }
  std::string Quote(std::string_view bytes) const {
    return words_.Say<Message::Quoted>(Text{Shorten(Decoded(bytes), 60)});
  }
  static std::string_view KeyOf(const IntegerSetting* setting) {
    return setting != nullptr ? setting->key : std::string_view();
  }
  FileKind KindOfFile() const { return facts_.diagnosis.kind.kind; }

  void FileSection() {
    // A folder the host never loads a plug-in from comes first: nothing
    // below matters to the host until the files are where it looks.
    if (facts_.inPackageFolder) {
      Put(words_.Say<Message::InPackageFolder>());
    } else if (!facts_.inHostFolder) {
      Put(words_.Say<Message::NotHostFolder>());
    }
    Put(words_.Say<Message::FileChecked>(Path{facts_.checkedPath}));
    if (facts_.inHostFolder && !facts_.inPackageFolder) Put(WhoReadsIt());
    switch (facts_.outcome) {
      case SettingsLoadOutcome::NoPath:
        Put(words_.Say<Message::NoPath>());
        break;
      case SettingsLoadOutcome::NotFound:
        Put(words_.Say<Message::NotFound>());
        if (facts_.lookAlikes.size() == 1) {
          Put(words_.Say<Message::LookAlike>(Text{Quoted(facts_.lookAlikes[0])}));
        } else if (!facts_.lookAlikes.empty()) {
          std::string names;
          for (const std::string& name : facts_.lookAlikes) {
            names += (names.empty() ? "" : words_.Say<Message::ListSeparator>()) + Quoted(name);
          }
          Put(words_.Say<Message::LookAlikes>(Text{names}));
        }
        break;
      case SettingsLoadOutcome::Unreachable:
        Put(words_.Say<Message::Unreachable>(ErrorText{facts_.openErrorText}, ErrorCode{facts_.openErrorCode}));
        break;
      case SettingsLoadOutcome::TooLarge:
        Put(words_.Say<Message::TooLarge>(Count{facts_.fileSize}, Max{facts_.mostBytesExamined}));
        break;
      case SettingsLoadOutcome::Directory:
        Put(words_.Say<Message::Directory>());
        break;
      case SettingsLoadOutcome::TimeOutOfRange:
        Put(words_.Say<Message::TimeOutOfRange>());
        break;
      case SettingsLoadOutcome::OpenFailed:
        Put(words_.Say<Message::OpenFailed>(ErrorText{facts_.openErrorText}, ErrorCode{facts_.openErrorCode}));
        Put(words_.Say<Message::OpenFailedWhy>());
        break;
      case SettingsLoadOutcome::Empty:
        Put(words_.Say<Message::Empty>());
        break;
      case SettingsLoadOutcome::ReadFailed:
        Put(words_.Say<Message::ReadFailed>());
        break;
      case SettingsLoadOutcome::Read:
        break;
    }
    PutBlank();
  }

  // Whether the DLL beside the file reads it, and if not, what it reads.
  std::string WhoReadsIt() const {
    if (!facts_.dllBeside) return words_.Say<Message::NoDllBeside>();
    switch (facts_.dllPathProblem) {
      case LibraryPathProblem::TooLong:
        return words_.Say<Message::DllPathTooLong>(Count{facts_.dllPathBytes}, Max{facts_.dllPathMostBytes});
      case LibraryPathProblem::NotInCodePage:
        return words_.Say<Message::DllPathNotInCodePage>(Text{facts_.missingCharacters});
      case LibraryPathProblem::NoPath:
      case LibraryPathProblem::None:
        break;
    }
    if (facts_.readByDllBeside) return words_.Say<Message::DllReadsFile>();
    return words_.Say<Message::DllReadsOtherFile>(Path{facts_.fileReadInstead});
  }

  // "全角の「＝３」、全角スペース": each run of full-width forms in `text` once.
  std::string FullWidthCharacters(std::string_view text) const {
    std::string named;
    for (const std::string_view run : FullWidthRuns(text, facts_.diagnosis.encoding)) {
      if (!named.empty()) named += words_.Say<Message::ListSeparator>();
      named += run == " " ? words_.Say<Message::CharacterFullWidthSpace>()
                          : words_.Say<Message::CharacterFullWidth>(Text{Decoded(run)});
    }
    return named;
  }

  std::string FaultText(const IntegerFaultFacts& fault, const IntegerSetting& setting) const {
    const Unit unit{words_.UnitName(setting.unit)};
    switch (fault.fault) {
      case IntegerFault::Empty:
        return words_.Say<Message::FaultEmpty>();
      case IntegerFault::FullWidth:
        return words_.Say<Message::FaultFullWidth>(Characters{FullWidthCharacters(fault.after)});
      case IntegerFault::OtherUnit:
        return words_.Say<Message::FaultOtherUnit>(Text{Quote(fault.after)}, unit, Value{fault.amount});
      case IntegerFault::NotWhole:
        return words_.Say<Message::FaultNotWhole>(Text{Quote(fault.after)}, unit, Value{fault.amount});
      case IntegerFault::NoDigits:
        return words_.Say<Message::FaultNoDigits>();
      case IntegerFault::Quoted:
        return words_.Say<Message::FaultQuoted>();
      case IntegerFault::SecondSign:
        return words_.Say<Message::FaultSecondSign>();
      case IntegerFault::BlankInside:
        return words_.Say<Message::FaultBlankInside>();
      case IntegerFault::DecimalPoint:
        return words_.Say<Message::FaultDecimalPoint>();
      case IntegerFault::DigitGroupComma:
        return words_.Say<Message::FaultDigitGroupComma>();
      case IntegerFault::TextAfterNumber:
        return words_.Say<Message::FaultTextAfterNumber>(Text{Quote(fault.after)});
      case IntegerFault::OutOfRange:
        return words_.Say<Message::FaultOutOfRange>(Min{std::numeric_limits<std::int32_t>::min()},
                                                    Max{std::numeric_limits<std::int32_t>::max()});
      case IntegerFault::Other:
        break;
    }
    return words_.Say<Message::FaultOther>();
  }

  // Why the default applies, in a sentence or two.
  std::string DefaultReasonText(const SettingValue& value) const {
    const Key key{KeyOf(value.setting)};
    switch (value.reason) {
      case DefaultReason::None:
        break;
      case DefaultReason::NoContent:
        return words_.Say<Message::ReasonNoContent>();
      case DefaultReason::NoEnvSection:
        // A UTF-16 file may well hold the header: it cannot be read at all.
        if (KindOfFile() == FileKind::Utf16) return words_.Say<Message::ReasonUtf16>();
        if (KindOfFile() == FileKind::NotText) return words_.Say<Message::ReasonNotText>();
        if (value.line != 0) return words_.Say<Message::ReasonHeaderNotTaken>(Line{value.line});
        return words_.Say<Message::ReasonNoSection>();
      case DefaultReason::KeyMissing:
        return words_.Say<Message::ReasonKeyMissing>(key);
      case DefaultReason::OnlyInEarlierEnv:
        return words_.Say<Message::ReasonOnlyInEarlierSection>(key, Line{value.line});
      case DefaultReason::NotAnInteger:
        return words_.Say<Message::ReasonNotAnInteger>(Line{value.line}, Value{Quote(value.text)},
                                                       Reason{FaultText(value.fault, *value.setting)});
    }
    return {};
  }

  // "InterbalMinute = 5 (line 3)", or the default with its reason below.
  void ValueItem(const SettingValue& value) {
    const Key key{KeyOf(value.setting)};
    const Value effective{EffectiveValue(facts_, *value.setting)};
    if (facts_.outcome == SettingsLoadOutcome::OpenFailed) {
      PutItem(words_.Say<Message::ValueNotRead>(key, effective));
    } else if (facts_.outcome == SettingsLoadOutcome::TooLarge) {
      if (value.source == ValueSource::File) {
        PutItem(words_.Say<Message::ValueFromLargeFile>(key, effective));
      } else {
        PutItem(words_.Say<Message::ValueDefault>(key, effective));
        PutSubItem(words_.Say<Message::ReasonLargeFileNoValue>());
      }
    } else if (value.source == ValueSource::File) {
      PutItem(words_.Say<Message::ValueFromFile>(key, effective, Line{value.line}));
    } else {
      PutItem(words_.Say<Message::ValueDefault>(key, effective));
      PutSubItem(DefaultReasonText(value));
    }
  }

  void ValuesSection() {
    // Values the plug-in does not read are the file's own, said as such.
    Put(TollimerReadsThisFile(facts_) ? words_.Say<Message::ValuesHeading>()
                                      : words_.Say<Message::ValuesHeadingIfRead>());
    for (const SettingValue& value : facts_.diagnosis.values) ValueItem(value);
    PutBlank();
  }

  void ScheduleSection() {
    const ScheduleForecast forecast =
        ForecastSchedule(ReadAtStart(facts_));
    Put(TollimerReadsThisFile(facts_) ? words_.Say<Message::ScheduleHeading>()
                                      : words_.Say<Message::ScheduleHeadingIfRead>());
    if (forecast.switchesFromFirstTick) {
      PutItem(words_.Say<Message::FirstSwitchAtFirstTick>());
    } else {
      PutItem(words_.Say<Message::FirstSwitchAfterWait>(Minutes{forecast.intervalMinutes},
                                                     FirstMinute{forecast.firstSwitchMinute}));
    }
    if (forecast.switchBackInTime) {
      PutItem(words_.Say<Message::SwitchBack>(WaitMs{forecast.switchBackAfterMs}, WaitSeconds{forecast.switchBackSeconds}));
    }
    if (!summary_) {
      for (const ScheduleWarning warning : forecast.warnings) PutItem(WarningText(warning, forecast));
    }
    PutBlank();
  }

  std::string WarningText(ScheduleWarning warning, const ScheduleForecast& forecast) const {
    switch (warning) {
      case ScheduleWarning::IntervalNotPositive:
        return words_.Say<Message::WarnIntervalNotPositive>(Minutes{forecast.intervalMinutes});
      case ScheduleWarning::IntervalHuge:
        return words_.Say<Message::WarnIntervalHuge>(Minutes{forecast.intervalMinutes}, Days{forecast.intervalDays});
      case ScheduleWarning::WaitZero:
        return words_.Say<Message::WarnWaitZero>(TimerMs{WindowsTimerLeastMs});
      case ScheduleWarning::WaitMinuteOrMore:
        return words_.Say<Message::WarnWaitMinuteOrMore>(WaitMs{forecast.waitMs}, MinuteMs{MinuteMilliseconds});
      case ScheduleWarning::WaitNegative:
        return words_.Say<Message::WarnWaitNegative>(WaitMs{forecast.waitMs}, UnsignedMs{forecast.unsignedWaitMs},
                                                     CapDays{forecast.timerCapDays});
    }
    return {};
  }

  std::string FindingText(const Finding& f) const {
    const Line line{f.line};
    const OtherLine other{f.otherLine};
    const Key key{KeyOf(f.setting)};
    switch (f.kind) {
      case FindingKind::Utf16:
        // That it reads nothing follows from its own reading: no header.
        if (facts_.diagnosis.sections == 0) return words_.Say<Message::FindUtf16ReadsNothing>();
        return words_.Say<Message::FindUtf16>();
      case FindingKind::NotText: {
        const std::string_view format = FormatName(facts_.diagnosis.kind.format);
        const std::string what = format.empty() ? words_.Say<Message::NotTextControlBytes>()
                                                : words_.Say<Message::NotTextFormat>(Text{format});
        return words_.Say<Message::FindNotText>(Text{what});
      }
      case FindingKind::Utf8MarkBeforeHeader:
        return words_.Say<Message::FindUtf8MarkBeforeHeader>(line, Text{Quote(f.text)});
      case FindingKind::NulByte:
        return words_.Say<Message::FindNulByte>(line, ByteNumber{f.byte + 1});
      case FindingKind::NulPadding:
        return words_.Say<Message::FindNulPadding>(line, ByteNumber{f.byte + 1}, Count{f.count});
      case FindingKind::HeaderWithTrailingText:
        if (f.otherLine == 0) return words_.Say<Message::FindHeaderWithTextDropsLines>(line, Text{Quote(f.text)});
        return words_.Say<Message::FindHeaderWithTextJoinsSection>(line, Text{Quote(f.text)}, other);
      case FindingKind::FullWidthHeader:
        return words_.Say<Message::FindFullWidthHeader>(line, Text{Quote(f.text)},
                                                        Characters{FullWidthCharacters(f.fullWidth)});
      case FindingKind::FullWidthKey:
        return words_.Say<Message::FindFullWidthKey>(line, Text{Quote(f.text)},
                                                     Characters{FullWidthCharacters(f.fullWidth)}, key);
      case FindingKind::CommentedOut:
        return words_.Say<Message::FindCommentedOut>(line, Text{Quote(f.text)});
      case FindingKind::SeveralEnvSections:
        return words_.Say<Message::FindSeveralSections>(Count{f.count}, line);
      case FindingKind::DuplicateKey:
        return words_.Say<Message::FindDuplicateKey>(line, key, other);
      case FindingKind::NearMissKey:
        if (f.setting != nullptr && !f.setting->oddLetter.empty()) {
          return words_.Say<Message::FindNearMissOddlySpeltKey>(line, Text{Quote(f.text)}, key,
                                                                Letter{f.setting->oddLetter},
                                                                ExpectedLetter{f.setting->expectedLetter});
        }
        return words_.Say<Message::FindNearMissKey>(line, Text{Quote(f.text)}, key);
      case FindingKind::KeyInOtherSection:
        return words_.Say<Message::FindKeyInOtherSection>(line, key, Text{Shorten(Decoded(f.text), 40)}, other);
      case FindingKind::KeyBeforeAnyHeader:
        if (f.otherLine != 0) return words_.Say<Message::FindKeyAfterUnreadHeader>(line, key, other);
        return words_.Say<Message::FindKeyBeforeAnyHeader>(line, key);
    }
    return {};
  }

  void FindingsSection() {
    const SettingsDiagnosis& d = facts_.diagnosis;
    if (d.findings.empty()) return;
    Put(words_.Say<Message::FindingsHeading>());
    for (const Finding& finding : d.findings) PutItem(FindingText(finding));
    if (d.findingsLeftOut > 0) PutItem(words_.Say<Message::FindMore>(Count{d.findingsLeftOut}));
    PutBlank();
  }

  std::string ClosingText() const {
    switch (AdviceFor(facts_)) {
      case Advice::NothingToDo:
        return words_.Say<Message::AdviceNothingToDo>();
      case Advice::CloseOtherProgram:
        return words_.Say<Message::AdviceCloseOtherProgram>();
      case Advice::CreateFile:
        return words_.Say<Message::AdviceCreateFile>();
      case Advice::CorrectAndRestart:
        return words_.Say<Message::AdviceCorrectAndRestart>();
      case Advice::PutDllBeside:
        return words_.Say<Message::AdvicePutDllBeside>();
      case Advice::RenameForDll:
        return words_.Say<Message::AdviceRenameForDll>();
      case Advice::ShortenPath:
        return words_.Say<Message::AdviceShortenPath>();
      case Advice::RenameFolders:
        return words_.Say<Message::AdviceRenameFolders>(Text{facts_.missingCharacters});
      case Advice::CopyToHostFolder:
        return words_.Say<Message::AdviceCopyToHostFolder>();
      case Advice::RenameLookAlike:
        return words_.Say<Message::AdviceRenameLookAlike>();
      case Advice::RestartToApply:
        return words_.Say<Message::AdviceRestartToApply>();
    }
    return {};
  }

  const CheckFacts& facts_;
  Words words_;
  bool summary_;
  std::string out_;
};

}  // namespace

std::string CheckTitle(ReportLanguage language) { return Words(language).Say<Message::Title>(); }

std::string WriteCheckReport(const CheckFacts& facts, ReportLanguage language) {
  return ReportBuilder(facts, language).Build();
}

std::string WriteCheckSummary(const CheckFacts& facts, ReportLanguage language) {
  return ReportBuilder(facts, language, true).BuildSummary();
}

std::string WriteVerdict(const CheckFacts& facts, std::size_t corrections, ReportLanguage language) {
  const Words words(language, facts.dllFileName);
  switch (AdviceFor(facts)) {
    case Advice::NothingToDo:
      return words.Say<Message::VerdictAllWell>();
    case Advice::RestartToApply:
      return words.Say<Message::VerdictCorrected>();
    case Advice::CopyToHostFolder:
      return words.Say<Message::VerdictNotHostFolder>();
    case Advice::ShortenPath:
      return words.Say<Message::VerdictPathTooLong>();
    case Advice::RenameFolders:
      return words.Say<Message::VerdictNotInCodePage>();
    case Advice::CloseOtherProgram:
      return words.Say<Message::VerdictHeldOpen>();
    case Advice::CreateFile:
      return words.Say<Message::VerdictNoFile>();
    case Advice::RenameLookAlike:
      return words.Say<Message::VerdictLookAlike>();
    case Advice::PutDllBeside:
      return words.Say<Message::VerdictNoDll>();
    case Advice::RenameForDll:
      return words.Say<Message::VerdictOtherFile>();
    case Advice::CorrectAndRestart:
      break;
  }
  if (corrections == 1) return words.Say<Message::VerdictCorrectableOne>();
  if (corrections > 1) return words.Say<Message::VerdictCorrectableMany>(Count{corrections});
  return words.Say<Message::VerdictNeedsLook>();
}

std::string CheckUsage(ReportLanguage language) { return Words(language).Say<Message::Usage>(); }

std::string CommandLineErrorText(CommandLineError error, std::string_view option, ReportLanguage language) {
  const Words words(language);
  std::string text;
  switch (error) {
    case CommandLineError::UnknownOption:
      text = words.Say<Message::ErrorUnknownOption>(Option{option});
      break;
    case CommandLineError::Language:
      text = words.Say<Message::ErrorLanguage>();
      break;
    case CommandLineError::OneFileOnly:
      text = words.Say<Message::ErrorOneFileOnly>();
      break;
    case CommandLineError::DryRunWithoutFix:
      text = words.Say<Message::ErrorDryRunWithoutFix>();
      break;
    case CommandLineError::EmptyFileName:
      text = words.Say<Message::ErrorEmptyFileName>();
      break;
    case CommandLineError::OptionWithoutValue:
      text = words.Say<Message::ErrorOptionWithoutValue>(Option{option});
      break;
  }
  return text + "\n\n" + CheckUsage(language);
}
