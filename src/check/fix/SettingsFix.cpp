#include "SettingsFix.h"

#include <algorithm>
#include <optional>

#include "FixRules.h"
#include "SettingsDiagnosis.h"

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// One replacement of bytes of the current text.
struct Edit {
  std::size_t offset;
  std::size_t length;
  std::string replacement;
};

std::size_t OffsetIn(std::string_view text, std::string_view bytes) {
  return static_cast<std::size_t>(text.data() - bytes.data());
}

std::string Applied(std::string_view bytes, std::vector<Edit> edits) {
  std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.offset < b.offset; });
  std::string out;
  std::size_t done = 0;
  for (const Edit& edit : edits) {
    out.append(bytes.substr(done, edit.offset - done));
    out += edit.replacement;
    done = edit.offset + edit.length;
  }
  out.append(bytes.substr(done));
  return out;
}

// Whether the plug-in takes the value from `line`, be it a number or not.
bool ReadsLine(const SettingValue& value, std::size_t line) {
  return value.line == line && (value.reason == DefaultReason::None || value.reason == DefaultReason::NotAnInteger);
}

class Planner {
 public:
  Planner(std::string_view bytes, AnsiEncoder encode) : encode_(encode) { plan_.bytes = bytes; }

  SettingsFixPlan Run() {
    // Nothing in it is the user's text.
    if (KindOfFile(plan_.bytes).kind == FileKind::NotText) return std::move(plan_);
    if (!ResaveUtf16()) return std::move(plan_);
    RemoveNulPadding();
    RemoveUtf8Mark();
    RenameKeys();
    ReduceValues();
    return std::move(plan_);
  }

 private:
  // False when the file stays UTF-16: nothing else can be read in it.
  bool ResaveUtf16() {
    const SettingsDiagnosis diagnosis = DiagnoseSettings(plan_.bytes);
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
    // code pages) would be taken for UTF-16 once more: no certain result.
    if (KindOfFile(resave.bytes).kind == FileKind::Utf16) {
      plan_.blocked = FixBlock::Utf16Malformed;
      return false;
    }
    plan_.changes.push_back({FixRule::SaveAsAnsi, 0, nullptr, {}, {}});
    plan_.bytes = resave.bytes;
    return true;
  }

  // Nothing the user wrote is in it, and the plug-in stops reading at its
  // first byte.
  void RemoveNulPadding() {
    const FileKindFacts kind = KindOfFile(plan_.bytes);
    if (kind.kind != FileKind::NulPadded) return;
    plan_.changes.push_back({FixRule::RemoveNulPadding, 0, nullptr, plan_.bytes.substr(kind.textSize), {}});
    plan_.bytes.resize(kind.textSize);
  }

  void RemoveUtf8Mark() {
    const SettingsDiagnosis diagnosis = DiagnoseSettings(plan_.bytes);
    for (const Finding& finding : diagnosis.findings) {
      if (finding.kind != FindingKind::Utf8MarkBeforeHeader) continue;
      // Line 1, trimmed, starts with the mark: it is the line's first mark.
      const std::string_view bytes = plan_.bytes;
      const std::size_t mark = bytes.find(Utf8Mark);
      const std::size_t lineEnd = std::min(bytes.find_first_of("\r\n"), bytes.size());
      const std::string line(bytes.substr(0, lineEnd));
      plan_.bytes.erase(mark, Utf8Mark.size());
      plan_.changes.push_back(
          {FixRule::RemoveUtf8Mark, 1, nullptr, line, plan_.bytes.substr(0, lineEnd - Utf8Mark.size())});
      return;
    }
  }

  // A slip is renamed only where the key is missing and the renamed line is
  // then the one the plug-in reads, and only when it is the one such slip.
  void RenameKeys() {
    const SettingsDiagnosis diagnosis = DiagnoseSettings(plan_.bytes);
    std::vector<Edit> edits;
    std::vector<FixChange> changes;
    for (const IntegerSetting& setting : PluginSettings) {
      if (diagnosis.Value(setting).reason != DefaultReason::KeyMissing) continue;
      std::optional<Edit> only;
      std::size_t count = 0;
      std::size_t line = 0;
      std::string_view written;
      for (const Finding& finding : diagnosis.findings) {
        if (finding.kind != FindingKind::NearMissKey || CertainKeyFor(finding.text) != &setting) continue;
        const Edit edit{OffsetIn(finding.text, plan_.bytes), finding.text.size(), std::string(setting.key)};
        if (!ReadsLine(DiagnoseSettings(Applied(plan_.bytes, {edit})).Value(setting), finding.line)) continue;
        only = edit;
        line = finding.line;
        written = finding.text;
        ++count;
      }
      if (count != 1) continue;
      edits.push_back(*only);
      changes.push_back({FixRule::RenameKey, line, &setting, std::string(written), std::string(setting.key)});
    }
    Commit(edits, changes);
  }

  void ReduceValues() {
    const SettingsDiagnosis diagnosis = DiagnoseSettings(plan_.bytes);
    std::vector<Edit> edits;
    std::vector<FixChange> changes;
    for (const SettingValue& value : diagnosis.values) {
      if (value.reason != DefaultReason::NotAnInteger) continue;
      const std::optional<std::string> digits = DigitsMeant(value.text, *value.setting);
      if (!digits) continue;
      edits.push_back({OffsetIn(value.text, plan_.bytes), value.text.size(), *digits});
      changes.push_back({FixRule::ReduceToDigits, value.line, value.setting, std::string(value.text), *digits});
    }
    Commit(edits, changes);
  }

  void Commit(const std::vector<Edit>& edits, std::vector<FixChange>& changes) {
    if (edits.empty()) return;
    plan_.bytes = Applied(plan_.bytes, edits);
    std::sort(changes.begin(), changes.end(), [](const FixChange& a, const FixChange& b) { return a.line < b.line; });
    plan_.changes.insert(plan_.changes.end(), changes.begin(), changes.end());
  }

  AnsiEncoder encode_;
  SettingsFixPlan plan_;
};

}  // namespace

SettingsFixPlan PlanSettingsFix(std::string_view bytes, AnsiEncoder encode) { return Planner(bytes, encode).Run(); }
