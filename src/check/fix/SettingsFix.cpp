#include "SettingsFix.h"

#include <algorithm>
#include <optional>

#include "FixRules.h"
#include "SettingsDiagnosis.h"
#include "SettingsLines.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// One replacement in the bytes as they are before a step.
struct Edit {
  std::size_t offset;
  std::size_t length;
  std::string replacement;
};

std::size_t OffsetIn(std::string_view text, std::string_view bytes) {
  return static_cast<std::size_t>(text.data() - bytes.data());
}

std::string Applied(std::string_view bytes, const Edit& edit) {
  std::string out(bytes.substr(0, edit.offset));
  out += edit.replacement;
  out.append(bytes.substr(edit.offset + edit.length));
  return out;
}

FixChange Change(FixRule rule, std::size_t line = 0, const IntegerSetting* setting = nullptr, std::string before = {},
                 std::string after = {}) {
  FixChange change;
  change.rule = rule;
  change.line = line;
  change.setting = setting;
  change.before = std::move(before);
  change.after = std::move(after);
  return change;
}

// Whether the plug-in takes the value from `line`, be it a number or not.
bool ReadsLine(const SettingValue& value, std::size_t line) {
  return value.line == line && (value.reason == DefaultReason::None || value.reason == DefaultReason::NotAnInteger);
}

// The end of the line that `from` lies on (past its text): its own line end,
// or, for the last line, which has none, the file's first, else CR LF.
std::string_view LineEndOf(std::string_view bytes, std::size_t from) {
  const std::string_view content = bytes.substr(0, std::min(bytes.find('\0'), bytes.size()));
  while (from < content.size() && !IsSettingsLineEnd(content[from])) ++from;
  if (from == content.size()) from = content.find_first_of("\r\n");
  if (from == std::string_view::npos) return "\r\n";
  return content.substr(from, content.substr(from).starts_with("\r\n") ? 2 : 1);
}

class Planner {
 public:
  Planner(std::string_view bytes, unsigned codePage, AnsiEncoder encode) : codePage_(codePage), encode_(encode) {
    plan_.bytes = bytes;
  }

  SettingsFixPlan Run() {
    // Nothing in it is the user's text.
    if (KindOfFile(plan_.bytes).kind == FileKind::NotText) return std::move(plan_);
    if (!ResaveUtf16()) return std::move(plan_);
    RemoveNulPadding();
    RemoveUtf8Mark();
    MakeHeaderHalfWidth();
    CommentOut();
    CorrectMeantEntries();
    CorrectValues();
    return std::move(plan_);
  }

 private:
  SettingsDiagnosis Diagnose(std::string_view bytes) const { return DiagnoseSettings(bytes, codePage_); }

  // False when the file stays UTF-16: nothing else can be read in it.
  bool ResaveUtf16() {
    const SettingsDiagnosis diagnosis = Diagnose(plan_.bytes);
    if (diagnosis.kind.kind != FileKind::Utf16) return true;
    // Bytes with many NULs that the plug-in still reads a value from are
    // not taken for UTF-16: that value must stay as it is.
    const bool readsAValue = std::any_of(diagnosis.values.begin(), diagnosis.values.end(),
                                         [](const SettingValue& value) { return value.source == ValueSource::File; });
    if (readsAValue) return true;
    const AnsiResave resave = ResaveUtf16AsAnsi(plan_.bytes, encode_);
    if (!resave.done) {
      plan_.blocked = resave.malformed ? FixBlock::Utf16Malformed : FixBlock::Utf16CharacterNotInCodePage;
      plan_.blockedLine = resave.badLine;
      return false;
    }
    // ANSI text that starts like a UTF-16 mark ("\xFF\xFE" is "ÿþ" in many
    // code pages) would be taken for UTF-16 once more, and control
    // characters throughout are no text: no certain result.
    if (KindOfFile(resave.bytes).kind != FileKind::Text) {
      plan_.blocked = FixBlock::Utf16Malformed;
      return false;
    }
    Commit({{0, plan_.bytes.size(), resave.bytes}}, {Change(FixRule::SaveAsAnsi)});
    return true;
  }

  // Nothing the user wrote is in it, and the plug-in stops reading at its
  // first byte.
  void RemoveNulPadding() {
    const FileKindFacts kind = KindOfFile(plan_.bytes);
    if (kind.kind != FileKind::NulPadded) return;
    Commit({{kind.textSize, plan_.bytes.size() - kind.textSize, {}}}, {Change(FixRule::RemoveNulPadding)});
  }

  void RemoveUtf8Mark() {
    const SettingsDiagnosis diagnosis = Diagnose(plan_.bytes);
    for (const Finding& finding : diagnosis.findings) {
      if (finding.kind != FindingKind::Utf8MarkBeforeHeader) continue;
      // Line 1, trimmed, starts with the mark: it is the line's first mark.
      const std::string_view bytes = plan_.bytes;
      const std::size_t mark = bytes.find(Utf8Mark);
      const std::size_t lineEnd = std::min(bytes.find_first_of("\r\n"), bytes.size());
      std::string line(bytes.substr(0, lineEnd));
      std::string unmarked = line;
      unmarked.erase(mark, Utf8Mark.size());
      Commit({{0, line.size(), unmarked}}, {Change(FixRule::RemoveUtf8Mark, 1, nullptr, line, unmarked)});
      return;
    }
  }

  // Only where no header names the section, and only the one line meant as
  // its header: a section split in two would hide values read now.
  void MakeHeaderHalfWidth() {
    const SettingsDiagnosis diagnosis = Diagnose(plan_.bytes);
    const bool noSection = std::all_of(diagnosis.values.begin(), diagnosis.values.end(), [](const SettingValue& value) {
      return value.reason == DefaultReason::NoEnvSection;
    });
    if (!noSection || diagnosis.fullWidthHeaders != 1) return;
    const MeantLine& header = diagnosis.fullWidthHeader;
    std::string half = HalfWidth(header.text, diagnosis.encoding);
    Commit({{OffsetIn(header.text, plan_.bytes), header.text.size(), half}},
           {Change(FixRule::HalfWidth, header.line, nullptr, std::string(header.text), half)});
  }

  // The plug-in ignores these lines already; ";" in front says so to it
  // too, and nothing of the line is lost.
  void CommentOut() {
    const SettingsDiagnosis diagnosis = Diagnose(plan_.bytes);
    std::vector<Edit> edits;
    std::vector<FixChange> changes;
    for (const Finding& line : diagnosis.commentedOut) {
      const std::string comment = ";" + std::string(line.text);
      edits.push_back({OffsetIn(line.text, plan_.bytes), line.text.size(), comment});
      changes.push_back(Change(FixRule::CommentOut, line.line, nullptr, std::string(line.text), comment));
    }
    Commit(std::move(edits), std::move(changes));
  }

  // A line meant as a missing key's entry, in full-width forms or with a
  // slip of the key's spelling, when it is the only line meant so in the
  // section that counts, and the plug-in then reads it.
  void CorrectMeantEntries() {
    const SettingsDiagnosis diagnosis = Diagnose(plan_.bytes);
    std::vector<Edit> edits;
    std::vector<FixChange> changes;
    for (const SettingValue& value : diagnosis.values) {
      if (value.reason != DefaultReason::KeyMissing || value.meantLines != 1) continue;
      const IntegerSetting& setting = *value.setting;
      const MeantLine& meant = value.meant;
      std::string corrected;
      if (meant.fullWidth) {
        const std::optional<std::string> half = HalfWidthEntry(meant.text, diagnosis.encoding, setting);
        if (!half) continue;
        corrected = *half;
      } else {
        if (CertainKeyFor(meant.text) != &setting) continue;
        corrected = setting.key;
      }
      Edit edit{OffsetIn(meant.text, plan_.bytes), meant.text.size(), corrected};
      if (!ReadsLine(Diagnose(Applied(plan_.bytes, edit)).Value(setting), meant.line)) continue;
      const FixRule rule = meant.fullWidth ? FixRule::HalfWidth : FixRule::RenameKey;
      edits.push_back(std::move(edit));
      changes.push_back(Change(rule, meant.line, &setting, std::string(meant.text), corrected));
    }
    Commit(std::move(edits), std::move(changes));
  }

  void CorrectValues() {
    const SettingsDiagnosis diagnosis = Diagnose(plan_.bytes);
    std::vector<Edit> edits;
    std::vector<FixChange> changes;
    for (const SettingValue& value : diagnosis.values) {
      if (value.reason != DefaultReason::NotAnInteger) continue;
      const std::optional<ValueCorrection> correction = CorrectValue(value.text, diagnosis.encoding, *value.setting);
      if (!correction) continue;
      edits.push_back(ValueEdit(value.text, *correction));
      FixChange change =
          Change(FixRule::ReduceValue, value.line, value.setting, std::string(value.text), correction->value);
      change.note = correction->note;
      change.converted = correction->converted;
      changes.push_back(std::move(change));
    }
    Commit(std::move(edits), std::move(changes));
  }

  // The value replaced; a note after it goes on a comment line of its own
  // just above, indented and ended as its line is.
  Edit ValueEdit(std::string_view value, const ValueCorrection& correction) const {
    const std::string_view bytes = plan_.bytes;
    const std::size_t valueAt = OffsetIn(value, bytes);
    if (correction.note.empty()) return {valueAt, value.size(), correction.value};
    std::size_t lineStart = valueAt;
    while (lineStart > 0 && !IsSettingsLineEnd(bytes[lineStart - 1])) --lineStart;
    std::size_t textStart = lineStart;
    while (textStart < valueAt && IsSettingsBlank(bytes[textStart])) ++textStart;
    std::string replacement = correction.note.starts_with(';') ? "" : "; ";
    replacement.append(correction.note);
    replacement.append(LineEndOf(bytes, valueAt + value.size()));
    replacement.append(bytes.substr(lineStart, valueAt - lineStart));
    replacement.append(correction.value);
    return {textStart, valueAt + value.size() - textStart, replacement};
  }

  // Makes a step's edits, which never overlap, and lists its changes in file
  // order, each with the bytes it replaced.
  void Commit(std::vector<Edit> edits, std::vector<FixChange> changes) {
    if (edits.empty()) return;
    // A step makes a few edits: a plain insertion sort (std::sort would
    // bring more code into the program than its whole rule).
    for (std::size_t i = 1; i < edits.size(); ++i) {
      for (std::size_t at = i; at > 0 && edits[at - 1].offset > edits[at].offset; --at) {
        std::swap(edits[at - 1], edits[at]);
        std::swap(changes[at - 1], changes[at]);
      }
    }
    const std::string_view bytes = plan_.bytes;
    std::string out;
    std::size_t done = 0;
    for (std::size_t i = 0; i < edits.size(); ++i) {
      const Edit& edit = edits[i];
      out.append(bytes.substr(done, edit.offset - done));
      changes[i].edit = {out.size(), std::string(bytes.substr(edit.offset, edit.length)), edit.replacement};
      out += edit.replacement;
      done = edit.offset + edit.length;
    }
    out.append(bytes.substr(done));
    plan_.bytes = std::move(out);
    for (FixChange& change : changes) plan_.changes.push_back(std::move(change));
  }

  unsigned codePage_;
  AnsiEncoder encode_;
  SettingsFixPlan plan_;
};

}  // namespace

SettingsFixPlan PlanSettingsFix(std::string_view bytes, unsigned codePage, AnsiEncoder encode) {
  return Planner(bytes, codePage, encode).Run();
}
