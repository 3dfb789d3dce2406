// The settings check's corrections on arbitrary bytes, on Japanese Windows
// and elsewhere: every change is listed with the bytes it replaced, and
// undoing the listed changes in reverse order gives back the original, so
// nothing changes unlisted; a note taken off a value stands whole on a
// comment line of its own; a value the plug-in read before is read alike
// after; a key a rule corrected is the one read, with the number the rule
// wrote; and nothing certain is left for a second pass.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "PluginSettings.h"
#include "SettingsDiagnosis.h"
#include "SettingsFile.h"
#include "SettingsFix.h"
#include "SettingsInteger.h"

namespace {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "settings fix: %s\n", what);
  std::abort();
}

// A one-byte code page: the first 256 characters only.
bool Latin1(std::u16string_view text, std::string& ansi) {
  for (const char16_t unit : text) {
    if (unit > 0xFF) return false;
    ansi += static_cast<char>(unit);
  }
  return true;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Each change's texts are what its edit replaced and put in place.
void CheckDocumented(const FixChange& change) {
  const FixEdit& edit = change.edit;
  Check(edit.replaced != edit.replacement, "a change that changes nothing");
  Check(Contains(edit.replaced, change.before) && Contains(edit.replacement, change.after),
        "a change's texts are not what it replaced");
  if (change.note.empty()) return;
  Check(change.rule == FixRule::ReduceValue && Contains(edit.replaced, change.note), "a note not from the value");
  // The note, whole, on a comment line of its own above the value.
  const std::string noteLine = (change.note.starts_with(';') ? "" : "; ") + change.note;
  Check(edit.replacement.starts_with(noteLine + "\r") || edit.replacement.starts_with(noteLine + "\n"),
        "a note is not on a comment line of its own");
}

// The corrected file undone change by change, last first.
void CheckUndoGivesBack(std::string_view original, const SettingsFixPlan& plan) {
  std::string undone = plan.bytes;
  for (auto change = plan.changes.rbegin(); change != plan.changes.rend(); ++change) {
    CheckDocumented(*change);
    const FixEdit& edit = change->edit;
    Check(edit.offset <= undone.size() && undone.compare(edit.offset, edit.replacement.size(), edit.replacement) == 0,
          "a change's bytes are not where it says");
    undone.replace(edit.offset, edit.replacement.size(), edit.replaced);
  }
  Check(undone == original, "undoing the listed changes does not give back the original");
}

// Where line `line` of the file as read stands once the notes moved up
// have each put a line above their own.
std::size_t LineAfter(const SettingsFixPlan& plan, std::size_t line) {
  const auto notesAbove = std::count_if(plan.changes.begin(), plan.changes.end(), [line](const FixChange& change) {
    return !change.note.empty() && change.line <= line;
  });
  return line + static_cast<std::size_t>(notesAbove);
}

void CheckValues(const SettingsDiagnosis& before, const SettingsFixPlan& plan, unsigned codePage) {
  const SettingsDiagnosis after = DiagnoseSettings(plan.bytes, codePage);
  const SettingsFile file(plan.bytes);
  for (const IntegerSetting& setting : PluginSettings) {
    const SettingValue& now = after.Value(setting);
    Check(now.value == file.LookupInteger(setting.section, setting.key, setting.fallback), "lookup differs");
    const SettingValue& was = before.Value(setting);
    if (was.source == ValueSource::File) {
      Check(now.source == ValueSource::File && now.value == was.value && now.line == LineAfter(plan, was.line),
            "a value read from the file changed");
    }
  }
  for (const FixChange& change : plan.changes) {
    if (change.setting == nullptr) continue;
    const SettingValue& now = after.Value(*change.setting);
    Check(now.line == LineAfter(plan, change.line), "a corrected key is not the one read");
    if (change.rule == FixRule::ReduceValue) {
      Check(now.source == ValueSource::File, "a corrected value is not read");
      Check(now.value == ParseSettingsInteger(change.after, ~now.value), "a corrected value reads otherwise");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const unsigned codePage : {932u, 1252u}) {
    const SettingsFixPlan plan = PlanSettingsFix(bytes, codePage, Latin1);
    if (plan.blocked != FixBlock::None) Check(plan.bytes == bytes && !plan.ChangesAnything(), "a blocked fix changed");
    Check(plan.ChangesAnything() || plan.bytes == bytes, "bytes changed without a change listed");
    CheckUndoGivesBack(bytes, plan);
    CheckValues(DiagnoseSettings(bytes, codePage), plan, codePage);
    Check(!PlanSettingsFix(plan.bytes, codePage, Latin1).ChangesAnything(), "a second pass changes more");
  }
  return 0;
}
