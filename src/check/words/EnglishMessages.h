#pragma once
// The settings check's words in English. {name} stands for a fact that
// Words fills in (Message.h lists the names); nothing here states a fact
// that has a place of its own, such as a key's name, the DLL's name or a
// limit. One message a line of the report; the report adds the indentation.
#include "Message.h"

inline constexpr Catalogue EnglishMessages{{
    {Message::Title, "{product} {version} settings check"},
    {Message::Quoted, "\"{text}\""},

    {Message::FileChecked, "File: {path}"},
    {Message::DllReadsFile, "{dll} is in the same folder and reads this file each time {host} starts."},
    {Message::DllReadsOtherFile, "{dll} is in the same folder, but it reads {ini}, not this file."},
    {Message::NoDllBeside,
     "There is no {dll} in this folder: {product} reads this file only when {dll} stands beside it."},
    {Message::NoPath, "No file name was given: {product} reads nothing and uses its defaults."},
    {Message::NotFound, "The file does not exist: {product} uses its defaults."},
    {Message::Directory, "This name belongs to a folder, not a file: {product} uses its defaults."},
    {Message::TimeOutOfRange,
     "The file's last-modified time lies outside 1980 to 2107 (local time); {product} passes such a file over and "
     "uses its defaults. Save the file again to give it the current time."},
    {Message::OpenFailed, "The file exists but cannot be opened: {error_text} (error {error_code})"},
    {Message::OpenFailedWhy,
     "Another program may hold it open for writing (an editor, a synchronisation or backup tool). {product} then "
     "reads nothing and keeps the values it had, which right after {host} starts are {value} and {value}."},
    {Message::Empty, "The file is empty: {product} uses its defaults."},
    {Message::ReadFailed, "The file could not be read: {product} uses its defaults."},

    {Message::ValuesHeading, "{product} will use:"},
    {Message::ValueFromFile, "{key} = {value} (line {line})"},
    {Message::ValueDefault, "{key} = {value} (default)"},
    {Message::ValueNotRead, "{key} = {value} (not read: the file cannot be opened)"},
    {Message::ReasonNoContent, "{product} read nothing from the file (see above)."},
    {Message::ReasonUtf16, "The file is saved as UTF-16, so {product} cannot read its [{section}] section (see below)."},
    {Message::ReasonHeaderNotTaken, "Line {line} is meant as the [{section}] header but is not taken as one (see below)."},
    {Message::ReasonNoSection, "The file has no [{section}] section."},
    {Message::ReasonKeyMissing, "There is no {key} line in [{section}]."},
    {Message::ReasonOnlyInEarlierSection,
     "{key} stands on line {line}, in an earlier [{section}] section; only the last [{section}] section counts."},
    {Message::ReasonNotAnInteger, "The value on line {line}, {value}, is not a whole number {product} reads: {reason}"},
    {Message::FaultEmpty, "it is empty."},
    {Message::FaultNoDigits, "there is no number in it."},
    {Message::FaultQuoted, "quotation marks are not allowed."},
    {Message::FaultSecondSign, "it has two signs."},
    {Message::FaultBlankInside, "a blank stands inside the number."},
    {Message::FaultDecimalPoint, "only whole numbers are allowed, no decimal point."},
    {Message::FaultDigitGroupComma, "a comma between the digits is not allowed; write the digits alone."},
    {Message::FaultTextAfterNumber,
     "{text} follows the number, and nothing may, not even a unit or a note. A comment goes on a line of its own, "
     "starting with \";\"."},
    {Message::FaultOutOfRange, "it lies outside {min} to {max}."},
    {Message::FaultOther,
     "{product} reads only a whole number in decimal, with an optional sign, or in hexadecimal after 0x or $."},

    {Message::ScheduleHeading, "What it will do:"},
    {Message::FirstSwitchAtFirstTick, "The first switch comes one minute after {host} starts, then one every minute."},
    {Message::FirstSwitchAfterWait,
     "For the first {minutes} minutes after {host} starts, {product} does nothing; the first switch comes in minute "
     "{first_minute}, then one every minute."},
    {Message::SwitchBack, "Each switch turns the IMAP connection off and, {wait_ms} ms ({wait_s} s) later, back on."},
    {Message::WarnIntervalNotPositive,
     "Note: with an {interval_key} of {minutes}, 0 or less, {product} does not wait: the switches begin one minute "
     "after {host} starts."},
    {Message::WarnIntervalHuge,
     "Note: {minutes} minutes are about {days} days. The first switch comes only if {host} runs that long without "
     "a restart: in practice {product} will almost never switch."},
    {Message::WarnWaitZero,
     "Note: with a {wait_key} of 0 the connection is turned back on at once (after Windows' shortest timer period, "
     "about {timer_ms} ms): it is off only for a moment."},
    {Message::WarnWaitMinuteOrMore,
     "Warning: a {wait_key} of {wait_ms} ms is a minute ({minute_ms} ms) or more. The next minute's switch comes "
     "first and cancels the pending switch back, so the connection is off one minute and on the next."},
    {Message::WarnWaitNegative,
     "Warning: a negative {wait_key} ({wait_ms}) reaches Windows as the unsigned delay {unsigned_ms} ms, which it "
     "caps at about {cap_days} days. The switch back never comes before the next minute's switch cancels it, so "
     "the connection is off one minute and on the next."},

    {Message::FindingsHeading, "Look at this in the file:"},
    {Message::FindUtf16,
     "The file is saved as UTF-16 (\"Unicode\"). {product} reads only ANSI text (the system's code page: "
     "Shift-JIS on Japanese Windows) or UTF-8 without a byte-order mark, and finds nothing in this file. Save it "
     "again with the encoding \"ANSI\"."},
    {Message::FindUtf8MarkBeforeHeader,
     "Line {line}: the file starts with a UTF-8 byte-order mark (BOM), so {text} is not taken as a section header "
     "and the lines under it are ignored. Save the file again with the encoding \"ANSI\" (or UTF-8 without BOM)."},
    {Message::FindNulByte,
     "Line {line}: a NUL byte (byte {byte_number} of the file) ends the text for {product}; everything after it is "
     "ignored."},
    {Message::FindHeaderWithTextDropsLines,
     "Line {line}: {text} is not a section header, because something follows its \"]\" (a comment goes on a line "
     "of its own). The lines below it are ignored."},
    {Message::FindHeaderWithTextJoinsSection,
     "Line {line}: {text} is not a section header, because something follows its \"]\" (a comment goes on a line "
     "of its own). The lines below it belong to the section of line {other_line}."},
    {Message::FindSeveralSections,
     "There are {count} [{section}] sections. Only the last one, from line {line}, counts: keys in the earlier "
     "ones are not read."},
    {Message::FindDuplicateKey, "Line {line}: {key} is set again; the later line wins, and line {other_line} has no effect."},
    {Message::FindNearMissIntervalKey,
     "Line {line}: {text} is not a {product} key and is ignored. Did you mean {key}? The key really is spelled "
     "with a \"b\": {key}."},
    {Message::FindNearMissKey, "Line {line}: {text} is not a {product} key and is ignored. Did you mean {key}?"},
    {Message::FindKeyInOtherSection,
     "Line {line}: {key} stands in the section [{text}] (line {other_line}), not in [{section}], and is not read "
     "there."},
    {Message::FindKeyAfterUnreadHeader, "Line {line}: {key} is ignored as well, for the reason of line {other_line}."},
    {Message::FindKeyBeforeAnyHeader,
     "Line {line}: {key} comes before any section header and is ignored. Write \"[{section}]\" on a line above it."},
    {Message::FindMore, "... and {count} more."},

    {Message::AdviceNothingToDo, "All is well: both values come from the file as written. Nothing to do."},
    {Message::AdviceCorrectAndRestart,
     "{product} reads its settings when {host} starts: after correcting the file, start {host} again."},
    {Message::AdvicePutDllBeside,
     "To have this file read, put {dll} in this folder (or this file, named {ini}, beside {dll}), then start "
     "{host} again."},
    {Message::AdviceRenameForDll, "To have these settings read, save them as {ini} beside {dll}, then start {host} again."},
    {Message::AdviceCreateFile,
     "If the defaults suit you, there is nothing to do. For other values, create {ini} beside {dll} with the "
     "content of the sample {ini} from the package, change the values, then start {host} again."},
    {Message::AdviceCloseOtherProgram, "Close that program, then start {host} again."},

    {Message::FixHeading, "{check} can correct this in the file:"},
    {Message::FixSaveAsAnsi, "The whole file: saved again as ANSI text (the system's code page) instead of UTF-16."},
    {Message::FixRemoveMark, "Line {line}: the UTF-8 byte-order mark (BOM) before {text} is removed."},
    {Message::FixRenameKey, "Line {line}: {text} becomes {key}."},
    {Message::FixReduceValue, "Line {line}: the value {text} becomes {value}."},
    {Message::FixBlockedCharacter,
     "{check} cannot save this file as ANSI text: line {line} holds a character that the system's code page "
     "lacks. Replace that character, then save the file again with the encoding \"ANSI\"."},
    {Message::FixBlockedMalformed,
     "{check} cannot save this file as ANSI text: its bytes are no proper UTF-16 text (an odd number of bytes, or "
     "NUL characters)."},
    {Message::FixHowTo,
     "To make these corrections, run {check} --fix, or double-click {check} and answer Yes. The original is kept "
     "beside the file."},
    {Message::FixQuestion, "Correct the file now? The original is kept beside it as a backup."},
    {Message::FixDryRun, "Nothing was written (--dry-run)."},
    {Message::FixWritten, "The file is corrected. The original is kept as {path}."},
    {Message::FixFileNow, "The corrected file, read again as {product} reads it:"},
    {Message::FixRestart,
     "{product} reads the corrected file at the next start of {host}; restart {host} to have it read now."},
    {Message::FixNotWritten, "The file was not corrected and is as it was: {reason}"},
    {Message::RewriteReadOnly,
     "it is read-only. Clear \"Read-only\" in the file's properties, then run {check} again."},
    {Message::RewriteCannotReread, "it could not be read again: {error_text} (error {error_code})"},
    {Message::RewriteChanged,
     "it changed after {check} had read it (an editor or another program saved it). Run {check} again."},
    {Message::RewriteNoBackupName,
     "every name for a backup beside it is taken. Delete old backups ({ini}.bak and the numbered ones), then run "
     "{check} again."},
    {Message::RewriteCannotCreateTemp,
     "no new file can be made in its folder: {error_text} (error {error_code}). Your user may not be allowed to "
     "write there."},
    {Message::RewriteCannotWriteTemp,
     "the corrected content could not be written: {error_text} (error {error_code}). The disk may be full."},
    {Message::RewriteCannotReplace,
     "the file could not be replaced: {error_text} (error {error_code}). Another program may hold it open: close "
     "it, then run {check} again."},

    {Message::ErrorUnknownOption, "{check}: unknown option {option}"},
    {Message::ErrorLanguage, "{check}: --lang takes ja or en"},
    {Message::ErrorOneFileOnly, "{check}: only one file can be checked at a time"},
    {Message::ErrorDryRunWithoutFix, "{check}: --dry-run goes with --fix"},
    {Message::WindowFixButton, "&Correct the file"},
    {Message::WindowCloseButton, "Close"},
    {Message::WindowDetailsLabel, "The whole &report:"},
    {Message::WindowChangesLabel, "Correcting the file changes this:"},
    {Message::WindowFixing, "Correcting the file..."},
    {Message::Usage,
     "Usage: {check} [options] [file]\n"
     "Shows what {dll} will read from its settings file, and why.\n"
     "\n"
     "file\n"
     "    a settings file, or a DLL whose settings file is meant\n"
     "    (default: {dll} beside this program)\n"
     "--print\n"
     "    write the report to standard output instead of a window\n"
     "--lang ja|en\n"
     "    the language of the report (default: the user's language)\n"
     "--fix\n"
     "    make the corrections that are certain, without asking; the original\n"
     "    is kept beside the file ({ini}.bak, or a numbered name)\n"
     "--dry-run\n"
     "    with --fix: only show what would change\n"
     "--help\n"
     "    this text\n"
     "\n"
     "Double-clicked, {check} shows its report and, when it can correct\n"
     "the file, asks whether to.\n"
     "\n"
     "Exit status:\n"
     "    0  both values come from the file as written (after the corrections)\n"
     "    1  something needs attention\n"
     "    2  a wrong command line\n"
     "    3  the corrected file could not be written; the original is as it was\n"},
}};
