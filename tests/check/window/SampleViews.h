#pragma once
// The views the report window is tried with, in both languages, made by the
// check's own report functions from files as users write them: a report with
// a correction, one without, one as long as a user's can get (120 findings),
// and what a correction shows afterwards. The window's host program and its tests both make them
// here, so that a test knows what the window must show.
#include <optional>
#include <string>
#include <string_view>

#include "ReportView.h"

enum class Sample {
  Fix,      // a few findings, three changes
  NoFix,    // nothing to correct
  Longest,  // 120 findings in the report, and changes
};

std::optional<Sample> SampleNamed(std::string_view name);

ReportView SampleView(Sample sample, ReportLanguage language);

// What the fix returns: the corrected file's report, nothing more to fix.
ReportView FixedView(ReportLanguage language);
