#include "FixReport.h"

#include <vector>

#include <algorithm>
#include <cstdint>

namespace {

class FixWords {
 public:
  FixWords(const CheckFacts& facts, ReportLanguage language) : facts_(facts), words_(language, facts.dllFileName) {}

  // Whole: the change list shows every change as it is, never cut.
  std::string Quote(std::string_view bytes) const {
    return words_.Say<Message::Quoted>(Text{TextOfFile(facts_, bytes)});
  }

  std::string Change(const FixChange& change) const {
    const Line line{change.line};
    switch (change.rule) {
      case FixRule::SaveAsAnsi:
        return words_.Say<Message::FixSaveAsAnsi>();
      case FixRule::RemoveNulPadding:
        return words_.Say<Message::FixRemoveNulPadding>(Count{change.edit.replaced.size()});
      case FixRule::RemoveUtf8Mark:
        return words_.Say<Message::FixRemoveMark>(line, Text{Quote(TrimmedLine(change.after))});
      case FixRule::RenameKey:
        return words_.Say<Message::FixRenameKey>(line, Text{Quote(change.before)}, Key{change.after});
      case FixRule::HalfWidth:
        return words_.Say<Message::FixHalfWidth>(line, Text{Quote(change.before)}, Value{Quote(change.after)});
      case FixRule::CommentOut:
        return words_.Say<Message::FixCommentOut>(line, Text{Quote(change.before)});
      case FixRule::ReduceValue:
        return ValueChange(change);
    }
    return {};
  }

  std::string Blocked(const SettingsFixPlan& plan) const {
    switch (plan.blocked) {
      case FixBlock::Utf16CharacterNotInCodePage:
        return words_.Say<Message::FixBlockedCharacter>(Line{plan.blockedLine}) + "\n";
      case FixBlock::Utf16Malformed:
        return words_.Say<Message::FixBlockedMalformed>() + "\n";
      case FixBlock::None:
        break;
    }
    return {};
  }

  std::string Heading() const { return words_.Say<Message::FixHeading>(); }
  std::string More(std::size_t count) const { return words_.Say<Message::FindMore>(Count{count}); }

 private:
  std::string ValueChange(const FixChange& change) const {
    const Line line{change.line};
    const Text before{Quote(change.before)};
    const Value after{change.after};
    const Note note{Quote(change.note)};
    if (change.converted) {
      const Unit unit{words_.UnitName(change.setting->unit)};
      if (change.note.empty()) return words_.Say<Message::FixConvertValue>(line, before, after, unit);
      return words_.Say<Message::FixConvertValueMovingNote>(line, before, after, unit, note);
    }
    if (change.note.empty()) return words_.Say<Message::FixReduceValue>(line, before, after);
    return words_.Say<Message::FixReduceValueMovingNote>(line, before, after, note);
  }

  static std::string_view TrimmedLine(std::string_view line) {
    while (!line.empty() && static_cast<unsigned char>(line.front()) <= 32) line.remove_prefix(1);
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= 32) line.remove_suffix(1);
    return line;
  }

  const CheckFacts& facts_;
  Words words_;
};

}  // namespace

namespace {

// At most `most` changes, in the order of the lines, as the user reads the
// file (made in steps, they were listed step by step); a line's changes as
// made.
std::vector<std::string> ChangesInLineOrder(const SettingsFixPlan& plan, const FixWords& words, std::size_t most) {
  std::vector<std::string> said;
  const std::size_t shown = std::min(plan.changes.size(), most);
  std::size_t line = 0;
  while (said.size() < shown) {
    std::size_t next = SIZE_MAX;
    for (const FixChange& change : plan.changes) {
      if (change.line == line && said.size() < shown) {
        said.push_back(words.Change(change));
      } else if (change.line > line) {
        next = std::min(next, change.line);
      }
    }
    if (next == SIZE_MAX) break;
    line = next;
  }
  return said;
}

}  // namespace

std::string WriteFixPlan(const SettingsFixPlan& plan, const CheckFacts& facts, ReportLanguage language,
                         std::size_t mostChanges) {
  const FixWords words(facts, language);
  if (plan.blocked != FixBlock::None) return words.Blocked(plan);
  if (!plan.ChangesAnything()) return {};
  std::string text = words.Heading() + "\n";
  for (const std::string& change : ChangesInLineOrder(plan, words, mostChanges)) text += "  " + change + "\n";
  if (mostChanges < plan.changes.size()) text += "  " + words.More(plan.changes.size() - mostChanges) + "\n";
  return text;
}

std::string WriteFixChanges(const SettingsFixPlan& plan, const CheckFacts& facts, ReportLanguage language) {
  std::string text;
  for (const std::string& change : ChangesInLineOrder(plan, FixWords(facts, language), SIZE_MAX)) {
    text += (text.empty() ? "" : "\n") + change;
  }
  return text;
}

std::string WriteRenameChange(std::string_view lookAlike, const CheckFacts& facts, ReportLanguage language) {
  const Words words(language, facts.dllFileName);
  return words.Say<Message::FixRenameFile>(Text{words.Say<Message::Quoted>(Text{lookAlike})});
}

std::string WriteRenamePlan(std::string_view lookAlike, const CheckFacts& facts, ReportLanguage language) {
  return Words(language, facts.dllFileName).Say<Message::FixHeading>() + "\n  " +
         WriteRenameChange(lookAlike, facts, language) + "\n";
}

std::string FixNoteText(FixNote note, const CheckFacts& facts, ReportLanguage language) {
  const Words words(language, facts.dllFileName);
  switch (note) {
    case FixNote::HowTo:
      return words.Say<Message::FixHowTo>();
    case FixNote::DryRun:
      return words.Say<Message::FixDryRun>();
    case FixNote::FileNow:
      return words.Say<Message::FixFileNow>();
  }
  return {};
}

std::string WriteRewriteOutcome(const RewriteOutcome& outcome, const CheckFacts& facts, ReportLanguage language) {
  const Words words(language, facts.dllFileName);
  const ErrorText errorText{outcome.errorText};
  const ErrorCode errorCode{outcome.error};
  std::string reason;
  switch (outcome.failure) {
    case RewriteFailure::None:
      if (!outcome.renamedFrom.empty()) {
        return words.Say<Message::FixRenamed>(Text{words.Say<Message::Quoted>(Text{outcome.renamedFrom})});
      }
      return words.Say<Message::FixWritten>(Path{outcome.backupPath});
    case RewriteFailure::OriginalUnderBackup:
      return words.Say<Message::FixOriginalUnderBackup>(Path{outcome.backupPath}, errorText, errorCode,
                                                         Text{outcome.newPath});
    case RewriteFailure::Gone:
      reason = words.Say<Message::RewriteGone>();
      break;
    case RewriteFailure::BecameFolder:
      reason = words.Say<Message::RewriteBecameFolder>();
      break;
    case RewriteFailure::ReadOnly:
      reason = words.Say<Message::RewriteReadOnly>();
      break;
    case RewriteFailure::IsLink:
      reason = words.Say<Message::RewriteIsLink>(Path{outcome.linkTarget});
      break;
    case RewriteFailure::HardLinks:
      reason = words.Say<Message::RewriteHardLinks>(Count{outcome.linkCount});
      break;
    case RewriteFailure::HeldOpen:
      reason = words.Say<Message::RewriteHeldOpen>(errorText, errorCode);
      break;
    case RewriteFailure::AccessDenied:
      reason = words.Say<Message::RewriteAccessDenied>(errorText, errorCode);
      break;
    case RewriteFailure::CannotOpen:
      reason = words.Say<Message::RewriteCannotOpen>(errorText, errorCode);
      break;
    case RewriteFailure::ChangedSinceCheck:
      reason = words.Say<Message::RewriteChanged>();
      break;
    case RewriteFailure::CannotCreateNew:
      reason = words.Say<Message::RewriteCannotCreateNew>(errorText, errorCode);
      break;
    case RewriteFailure::CannotWriteNew:
      reason = words.Say<Message::RewriteCannotWriteNew>(errorText, errorCode);
      break;
    case RewriteFailure::NoBackupName:
      reason = words.Say<Message::RewriteNoBackupName>();
      break;
    case RewriteFailure::CannotKeepOriginal:
      reason = words.Say<Message::RewriteCannotKeepOriginal>(errorText, errorCode);
      break;
    case RewriteFailure::CannotRename:
      reason = words.Say<Message::RewriteCannotRename>(errorText, errorCode);
      break;
    case RewriteFailure::CannotPutInPlace:
      reason = words.Say<Message::RewriteCannotPutInPlace>(errorText, errorCode);
      break;
  }
  return words.Say<Message::FixNotWritten>(Reason{reason});
}
