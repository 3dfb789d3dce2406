// The settings check's corrections on arbitrary bytes: the corrected file
// differs from the original only in the lines a rule changed, line ends
// included; a value the plug-in read before is read alike after; a value a
// rule corrected is the number the user wrote; and nothing certain is left
// for a second pass.
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

struct RawLine {
  std::string_view text;
  std::string_view end;
};

// Lines with their ends, cut plainly: CR LF, LF or CR; NUL bytes are text.
std::vector<RawLine> RawLines(std::string_view bytes) {
  std::vector<RawLine> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
    std::size_t endLength = end < bytes.size() ? 1 : 0;
    if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') endLength = 2;
    lines.push_back({bytes.substr(start, end - start), bytes.substr(end, endLength)});
    start = end + endLength;
  }
  return lines;
}

bool Changed(const SettingsFixPlan& plan, std::size_t line) {
  return std::any_of(plan.changes.begin(), plan.changes.end(),
                     [line](const FixChange& change) { return change.line == line; });
}

void CheckUntouchedLines(std::string_view before, const SettingsFixPlan& plan) {
  const std::vector<RawLine> old = RawLines(before);
  const std::vector<RawLine> now = RawLines(plan.bytes);
  Check(old.size() == now.size(), "a line was added or removed");
  for (std::size_t i = 0; i < old.size(); ++i) {
    Check(old[i].end == now[i].end, "a line end changed");
    Check(old[i].text == now[i].text || Changed(plan, i + 1), "a line no rule changed is different");
  }
}

std::string WithoutCommas(std::string_view text) {
  std::string plain;
  for (const char c : text) {
    if (c != ',') plain += c;
  }
  return plain;
}

void CheckValues(const SettingsDiagnosis& before, const SettingsFixPlan& plan) {
  const SettingsDiagnosis after = DiagnoseSettings(plan.bytes);
  const SettingsFile file(plan.bytes);
  for (const IntegerSetting& setting : PluginSettings) {
    const SettingValue& now = after.Value(setting);
    Check(now.value == file.LookupInteger(setting.section, setting.key, setting.fallback), "lookup differs");
    const SettingValue& was = before.Value(setting);
    if (was.source == ValueSource::File) {
      Check(now.source == ValueSource::File && now.value == was.value && now.line == was.line,
            "a value read from the file changed");
    }
  }
  for (const FixChange& change : plan.changes) {
    if (change.rule == FixRule::RenameKey) {
      Check(after.Value(*change.setting).line == change.line, "a renamed key is not the one read");
    } else if (change.rule == FixRule::ReduceToDigits) {
      const SettingValue& now = after.Value(*change.setting);
      Check(now.source == ValueSource::File && now.line == change.line, "a corrected value is not read");
      Check(now.value == ParseSettingsInteger(change.after, ~now.value), "a corrected value reads otherwise");
      Check(WithoutCommas(change.before).starts_with(change.after), "the digits kept are not the ones written");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SettingsFixPlan plan = PlanSettingsFix(bytes, Latin1);
  const bool resaved = !plan.changes.empty() && plan.changes.front().rule == FixRule::SaveAsAnsi;
  if (plan.blocked != FixBlock::None) Check(plan.bytes == bytes && !plan.ChangesAnything(), "a blocked fix changed");
  if (!resaved) CheckUntouchedLines(bytes, plan);
  CheckValues(DiagnoseSettings(bytes), plan);
  Check(!PlanSettingsFix(plan.bytes, Latin1).ChangesAnything(), "a second pass changes more");
  return 0;
}
