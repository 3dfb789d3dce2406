#pragma once
// The report window's controls by identifier, in their order on the window
// (which is also the tab order); for the window and for whoever drives it
// from outside, such as its tests.
#include <windows.h>

enum ReportControlId : int {
  ReportIconId = 100,
  ReportVerdictId,
  ReportSummaryId,
  ReportDetailsLabelId,
  ReportDetailsId,
  ReportChangesLabelId,
  ReportChangesId,
  ReportFixId,
  ReportCloseId = IDCANCEL,  // Esc and the title bar's close box press it too
};
