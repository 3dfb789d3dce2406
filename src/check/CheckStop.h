#pragma once
// The settings check's end where it cannot go on (no memory, where the
// standard library would throw): it says so in the report's language, the
// one way that needs no memory, and exits with CheckFailedStatus, a status
// that claims nothing about the file. Windows only.
#include "Words.h"

// How to say it: in a message box, or on standard error (`print`). Called
// first thing, while memory is there: it prepares the sentence.
void PrepareCheckStop(ReportLanguage language, bool print);

[[noreturn]] void StopCheck();
