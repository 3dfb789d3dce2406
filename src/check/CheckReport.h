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
std::string CheckUsage(ReportLanguage language);

enum class CommandLineError { UnknownOption, Language, OneFileOnly, DryRunWithoutFix, EmptyFileName, OptionWithoutValue };
// The error's line, then the usage.
std::string CommandLineErrorText(CommandLineError error, std::string_view option, ReportLanguage language);
