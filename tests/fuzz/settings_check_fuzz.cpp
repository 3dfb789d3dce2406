// The settings check on arbitrary bytes: its values are LookupInteger's, every
// text it points at lies inside the bytes, and writing the report in either
// language never fails.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "CheckReport.h"
#include "PluginSettings.h"
#include "SettingsDiagnosis.h"
#include "SettingsFile.h"

namespace {

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "settings check: %s\n", what);
  std::abort();
}

bool Inside(std::string_view text, std::string_view bytes) {
  return text.empty() || (text.data() >= bytes.data() && text.data() + text.size() <= bytes.data() + bytes.size());
}

void CheckValue(const SettingValue& value, const SettingsFile& file, std::string_view bytes) {
  Check(value.value == file.LookupInteger(value.setting->section, value.setting->key, value.setting->fallback),
        "value differs from LookupInteger");
  Check(Inside(value.text, bytes) && Inside(value.fault.after, bytes), "value text outside the bytes");
  Check((value.source == ValueSource::File) == (value.reason == DefaultReason::None), "source and reason disagree");
  if (value.source == ValueSource::Default) Check(value.value == value.setting->fallback, "default is no fallback");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // On Japanese Windows and elsewhere.
  for (const unsigned codePage : {932u, 1252u}) {
    const SettingsDiagnosis diagnosis = DiagnoseSettings(bytes, codePage);
    const SettingsFile file(bytes);
    for (const SettingValue& value : diagnosis.values) CheckValue(value, file, bytes);
    for (const Finding& finding : diagnosis.findings) Check(Inside(finding.text, bytes), "finding outside the bytes");
    Check(diagnosis.findings.size() <= SettingsDiagnosis::MaxFindings, "too many findings kept");

    CheckFacts facts;
    facts.outcome = size == 0 ? SettingsLoadOutcome::Empty : SettingsLoadOutcome::Read;
    facts.diagnosis = diagnosis;
    for (const ReportLanguage language : {ReportLanguage::English, ReportLanguage::Japanese}) {
      Check(!WriteCheckReport(facts, language).empty(), "empty report");
    }
  }
  return 0;
}
