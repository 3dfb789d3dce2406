#pragma once
// The views the report window is tried with, in both languages, made of the
// catalogues' real sentences: a report with a correction, one without, the
// longest a user can get (120 long lines of findings), and what a correction
// shows afterwards. The window's host program and its tests both make them
// here, so that a test knows what the window must show.
#include <optional>
#include <string>
#include <string_view>

#include "ReportView.h"

enum class Sample {
  Fix,      // a few findings, two changes
  NoFix,    // nothing to correct
  Longest,  // 120 long lines in the report, nine changes
};

std::optional<Sample> SampleNamed(std::string_view name);

ReportView SampleView(Sample sample, ReportLanguage language);

// What the fix returns: the corrected file's report, nothing more to fix.
ReportView FixedView(ReportLanguage language);
