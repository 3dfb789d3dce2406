#pragma once
// The check shown in its window (window/ReportView.h): the verdict first,
// the values and the schedule in short, the whole report to scroll, select
// and copy, and the correction beside its button. In a folder the user may
// not write (Program Files), the button carries the administrator shield and
// runs the check itself elevated to correct the file, then shows what that
// reported; nothing is elevated unless the user presses it. Windows only.
#include "Correction.h"
#include "SettingsCheck.h"

// How the window starts: offering the correction, having made it (--fix),
// or only listing it (--fix --dry-run).
enum class WindowStart { Offer, CorrectAtOnce, ListOnly };

// Shows the window until the user closes it; the exit status (CheckVerdict.h)
// of what it showed last, CheckFailedStatus when no window could be made.
int ShowCheckWindow(const SettingsCheck& check, const Correction& correction, ReportLanguage language,
                    WindowStart start);
