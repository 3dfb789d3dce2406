#pragma once
// The settings check's report: which sections it has, in which order, and
// which catalogue message says each fact. Portable: no Windows headers; the
// text is UTF-8 with "\n" line ends.
#include <string>
#include <string_view>

#include "CheckFacts.h"
#include "CheckVerdict.h"
#include "Words.h"

std::string CheckTitle(ReportLanguage language);
std::string WriteCheckReport(const CheckFacts& facts, ReportLanguage language);

// The window's first sentence, by the verdict's advice; `corrections`: how
// many changes the check offers (0: none).
std::string WriteVerdict(const CheckFacts& facts, std::size_t corrections, ReportLanguage language);
// The values Tollimer uses and what it will do, in short: the report's
// sections without their reasons and warnings.
std::string WriteCheckSummary(const CheckFacts& facts, ReportLanguage language);
std::string CheckUsage(ReportLanguage language);

enum class CommandLineError { UnknownOption, Language, OneFileOnly, DryRunWithoutFix, EmptyFileName, OptionWithoutValue };
// The error's line, then the usage.
std::string CommandLineErrorText(CommandLineError error, std::string_view option, ReportLanguage language);
