#pragma once
// The settings check's words in English. {name} stands for a fact that
// Words fills in (Message.h lists the names); nothing here states a fact
// that has a place of its own, such as a key's name, the DLL's name or a
// limit. One message a line of the report; the report adds the indentation.
#include "Message.h"

inline constexpr Catalogue EnglishMessages{{
    {Message::Title, "{product} {version} settings check"},
    {Message::Quoted, "\"{text}\""},

    {Message::NotHostFolder,
     "{host} does not read this file: it loads plug-ins only from its {plugins} folder, in its program folder or its "
     "data folder, and this folder is not one. To use {product}, copy {dll}, {check}.exe and {ini} into that "
     "{plugins} folder."},
    {Message::InPackageFolder,
     "This is the unpacked package, not {host}'s {plugins} folder, so {host} does not read this file. Copy {dll}, "
     "{check}.exe and {ini} into the {plugins} folder in {host}'s program folder or data folder (the read-me tells "
     "how to find it)."},
    {Message::FileChecked, "File: {path}"},
    {Message::DllReadsFile, "{dll} is in the same folder and reads this file each time {host} starts."},
    {Message::DllReadsOtherFile, "{dll} is in the same folder, but it reads {path}, not this file."},
    {Message::NoDllBeside,
     "There is no {dll} in this folder: {product} reads this file only when {dll} stands beside it."},
    {Message::DllPathTooLong,
     "{dll} is in the same folder, but {product} reads no settings file here and runs with its defaults: the full "
     "path of {dll} takes {count} bytes in the system's code page, and {product} finds its settings file only "
     "where that path takes at most {max}."},
    {Message::DllPathNotInCodePage,
     "{dll} is in the same folder, but {product} reads no settings file here and runs with its defaults: the path "
     "of {dll} holds characters that the system's code page lacks ({text}), and {product} finds its settings file "
     "only by a path written in that code page."},
    {Message::NoPath, "No file name was given: {product} reads nothing and uses its defaults."},
    {Message::NotFound, "The file does not exist: {product} uses its defaults."},
    {Message::LookAlike,
     "But there is {text}, which Explorer shows as {ini} when it hides file extensions. {product} reads only a file "
     "named exactly {ini}."},
    {Message::LookAlikes,
     "But there are {text}, which a user may take for {ini}. {product} reads only a file named exactly {ini}."},
    {Message::Unreachable,
     "The file's folder cannot be found or reached: {error_text} (error {error_code}). {product} uses its defaults."},
    {Message::Directory, "This name belongs to a folder, not a file: {product} uses its defaults."},
    {Message::TimeOutOfRange,
     "The file's last-modified time lies outside 1980 to 2107 (local time); {product} passes such a file over and "
     "uses its defaults. Save the file again to give it the current time."},
    {Message::OpenFailed, "The file exists but cannot be opened: {error_text} (error {error_code})"},
    {Message::OpenFailedWhy,
     "Another program may hold it open for writing (an editor, a synchronisation or backup tool). {product} then "
     "reads nothing and keeps the values it had: right after {host} starts, those below."},
    {Message::Empty, "The file is empty: {product} uses its defaults."},
    {Message::ReadFailed, "The file could not be read: {product} uses its defaults."},
    {Message::TooLarge,
     "The file is {count} bytes long. {check} examines files of up to {max} bytes: a settings file holds a few "
     "short lines, and looking for corrections keeps several copies of the file in memory. {product} reads the "
     "whole file into memory at each start of {host} and then finds the values below."},

    {Message::ValuesHeading, "{product} will use:"},
    {Message::ValuesHeadingIfRead, "If {product} read this file, it would use:"},
    {Message::ValueFromFile, "{key} = {value} (line {line})"},
    {Message::ValueDefault, "{key} = {value} (default)"},
    {Message::ValueNotRead, "{key} = {value} (not read: the file cannot be opened)"},
    {Message::ValueFromLargeFile, "{key} = {value} (from the file)"},
    {Message::ReasonNoContent, "{product} read nothing from the file (see above)."},
    {Message::ReasonLargeFileNoValue, "{product} finds no whole number for it in the file."},
    {Message::ReasonUtf16, "The file is saved as UTF-16, so {product} cannot read its [{section}] section (see below)."},
    {Message::ReasonNotText, "The file is not a text file, and {product} finds no [{section}] section in it (see below)."},
    {Message::ReasonHeaderNotTaken, "Line {line} is meant as the [{section}] header but is not taken as one (see below)."},
    {Message::ReasonNoSection, "The file has no [{section}] section."},
    {Message::ReasonKeyMissing, "There is no {key} line in [{section}]."},
    {Message::ReasonOnlyInEarlierSection,
     "{key} stands on line {line}, in an earlier [{section}] section; only the last [{section}] section counts."},
    {Message::ReasonNotAnInteger, "The value on line {line}, {value}, is not a whole number {product} reads: {reason}"},
    {Message::FaultEmpty, "it is empty."},
    {Message::FaultFullWidth, "it holds {characters}, and {product} reads only half-width digits and signs."},
    {Message::FaultNoDigits, "there is no number in it."},
    {Message::FaultQuoted, "quotation marks are not allowed."},
    {Message::FaultSecondSign, "it has two signs."},
    {Message::FaultBlankInside, "a blank stands inside the number."},
    {Message::FaultDecimalPoint, "only whole numbers are allowed, no decimal point."},
    {Message::FaultDigitGroupComma, "a comma between the digits is not allowed; write the digits alone."},
    {Message::FaultTextAfterNumber,
     "{text} follows the number, and nothing may, not even a unit or a note. A comment goes on a line of its own, "
     "starting with \";\"."},
    {Message::FaultOtherUnit,
     "{text} follows the number, and nothing may follow it. This value counts {unit}: write {value}."},
    {Message::FaultNotWhole,
     "{text} follows the number, and nothing may follow it. This value counts whole {unit}, and this time is "
     "{value} {unit}, not a whole number."},
    {Message::FaultOutOfRange, "it lies outside {min} to {max}."},
    {Message::FaultOther,
     "{product} reads only a whole number in decimal, with an optional sign, or in hexadecimal after 0x or $."},
    {Message::UnitMillisecond, "milliseconds"},
    {Message::UnitSecond, "seconds"},
    {Message::UnitMinute, "minutes"},
    {Message::UnitHour, "hours"},

    {Message::ScheduleHeading, "What it will do:"},
    {Message::ScheduleHeadingIfRead, "What it would do then:"},
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
     "Shift-JIS on Japanese Windows) or UTF-8 without a byte-order mark. Save it again with the encoding \"ANSI\"."},
    {Message::FindUtf16ReadsNothing,
     "The file is saved as UTF-16 (\"Unicode\"). {product} reads only ANSI text (the system's code page: "
     "Shift-JIS on Japanese Windows) or UTF-8 without a byte-order mark, and can read nothing in this file. Save it "
     "again with the encoding \"ANSI\"."},
    {Message::FindNotText,
     "The file is not a text file: {text}. A settings file is plain text; perhaps another file was saved or copied "
     "under this name. Put the settings file in its place."},
    {Message::NotTextFormat, "it begins as {text} files do"},
    {Message::NotTextControlBytes, "it is full of control characters, as binary data is"},
    {Message::FindUtf8MarkBeforeHeader,
     "Line {line}: the file starts with a UTF-8 byte-order mark (BOM), so {text} is not taken as a section header "
     "and the lines under it are ignored. Save the file again with the encoding \"ANSI\" (or UTF-8 without BOM)."},
    {Message::FindNulByte,
     "Line {line}: a NUL byte (byte {byte_number} of the file) ends the text for {product}; everything after it is "
     "ignored."},
    {Message::FindNulPadding,
     "Line {line}: from byte {byte_number} to the end, the file holds nothing but {count} NUL bytes (zeros), as a "
     "program that stopped while saving may leave. {product} reads the text before the first of them."},
    {Message::FindHeaderWithTextDropsLines,
     "Line {line}: {text} is not a section header, because something follows its \"]\" (a comment goes on a line "
     "of its own). The lines below it are ignored."},
    {Message::FindHeaderWithTextJoinsSection,
     "Line {line}: {text} is not a section header, because something follows its \"]\" (a comment goes on a line "
     "of its own). The lines below it belong to the section of line {other_line}."},
    {Message::FindFullWidthHeader,
     "Line {line}: {text} holds {characters}. {product} reads only half-width letters and signs, so this line is "
     "not the [{section}] header."},
    {Message::FindSeveralSections,
     "There are {count} [{section}] sections. Only the last one, from line {line}, counts: keys in the earlier "
     "ones are not read."},
    {Message::FindDuplicateKey, "Line {line}: {key} is set again; the later line wins, and line {other_line} has no effect."},
    {Message::FindCommentedOut,
     "Line {line}: {text} seems switched off with another program's comment mark. Only \";\" at the start of a "
     "line starts a comment; {product} ignores this line only because it takes the mark for part of the key's "
     "name. Start the line with \";\" to keep it switched off."},
    {Message::FindFullWidthKey,
     "Line {line}: {text} holds {characters}. {product} reads only half-width letters and signs, so it does not "
     "read this line as {key}."},
    {Message::FindNearMissOddlySpeltKey,
     "Line {line}: {text} is not a {product} key and is ignored. Did you mean {key}? The key really is spelled "
     "with a \"{letter}\" where one expects a \"{expected_letter}\": {key}."},
    {Message::FindNearMissKey, "Line {line}: {text} is not a {product} key and is ignored. Did you mean {key}?"},
    {Message::FindKeyInOtherSection,
     "Line {line}: {key} stands in the section [{text}] (line {other_line}), not in [{section}], and is not read "
     "there."},
    {Message::FindKeyAfterUnreadHeader, "Line {line}: {key} is ignored as well, for the reason of line {other_line}."},
    {Message::FindKeyBeforeAnyHeader,
     "Line {line}: {key} comes before any section header and is ignored. Write \"[{section}]\" on a line above it."},
    {Message::FindMore, "... and {count} more."},
    {Message::CharacterFullWidth, "full-width \"{text}\""},
    {Message::CharacterFullWidthSpace, "a full-width space"},
    {Message::ListSeparator, ", "},

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
    {Message::AdviceCopyToHostFolder,
     "Copy the files into {host}'s {plugins} folder as said at the top, then start {host} again."},
    {Message::AdviceRenameLookAlike, "Rename that file {ini} (or let {check} do it), then start {host} again."},
    {Message::AdviceRestartToApply,
     "All is well now: both values come from the corrected file. {host} reads it at its next start; restart {host} "
     "to have it read now."},
    {Message::AdviceShortenPath,
     "Move the folder that holds {dll} ({host}'s program or data folder) to a shorter path, or give its folders "
     "shorter names, then start {host} again."},
    {Message::AdviceRenameFolders,
     "Rename the folders on the path of {dll} so that no name holds {text}, then start {host} again."},

    {Message::FixHeading, "{check} can correct this in the file:"},
    {Message::FixRenameFile, "{text} is renamed {ini}."},
    {Message::FixSaveAsAnsi, "The whole file: saved again as ANSI text (the system's code page) instead of UTF-16."},
    {Message::FixRemoveNulPadding, "The end of the file: the {count} NUL bytes after the text are removed."},
    {Message::FixRemoveMark, "Line {line}: the UTF-8 byte-order mark (BOM) before {text} is removed."},
    {Message::FixRenameKey, "Line {line}: {text} becomes {key}."},
    {Message::FixHalfWidth, "Line {line}: {text} becomes {value}, its full-width characters half-width."},
    {Message::FixCommentOut, "Line {line}: {text} becomes a comment, with \";\" in front of it."},
    {Message::FixReduceValue, "Line {line}: the value {text} becomes {value}."},
    {Message::FixConvertValue, "Line {line}: the value {text} becomes {value}, the same time in {unit}."},
    {Message::FixReduceValueMovingNote,
     "Line {line}: the value {text} becomes {value}; its note {note} moves to a comment line of its own just above."},
    {Message::FixConvertValueMovingNote,
     "Line {line}: the value {text} becomes {value}, the same time in {unit}; its note {note} moves to a comment line "
     "of its own just above."},
    {Message::FixBlockedCharacter,
     "{check} cannot save this file as ANSI text: line {line} holds a character that the system's code page "
     "lacks. Replace that character, then save the file again with the encoding \"ANSI\"."},
    {Message::FixBlockedMalformed,
     "{check} cannot save this file as ANSI text: its bytes are no proper UTF-16 text (an odd number of bytes, or "
     "NUL characters)."},
    {Message::FixHowTo,
     "To make these corrections, run {check} --fix, or double-click {check} and press \"Correct the file\". The "
     "original is kept beside the file."},
    {Message::FixDryRun, "Nothing was written (--dry-run)."},
    {Message::FixWritten, "The file is corrected. The original is kept as {path}."},
    {Message::FixFileNow, "The corrected file, read again as {product} reads it:"},
    {Message::FixNotWritten, "The file was not corrected and is as it was: {reason}"},
    {Message::RewriteGone,
     "it is no longer there: it was deleted or renamed after {check} had read it. Run {check} again."},
    {Message::RewriteBecameFolder, "a folder now stands under its name. Run {check} again."},
    {Message::RewriteReadOnly,
     "it is read-only. Clear \"Read-only\" in the file's properties, then run {check} again."},
    {Message::RewriteIsLink,
     "it is a link to {path}, and {check} never replaces a link: that would move the file it leads to. Run "
     "{check} on {path} instead."},
    {Message::RewriteHardLinks,
     "the file has {count} names (hard links), and the other names would keep the old content. Correct it in an "
     "editor instead."},
    {Message::RewriteHeldOpen,
     "another program holds it open: {error_text} (error {error_code}). Close that program, then run {check} "
     "again."},
    {Message::RewriteAccessDenied,
     "your user may not change it: {error_text} (error {error_code})."},
    {Message::RewriteCannotOpen, "it could not be opened: {error_text} (error {error_code})"},
    {Message::RewriteChanged,
     "it changed after {check} had read it (an editor or another program saved it). Run {check} again."},
    {Message::RewriteCannotCreateNew,
     "no new file can be made in its folder: {error_text} (error {error_code}). Your user may not be allowed to "
     "write there."},
    {Message::RewriteCannotWriteNew,
     "the corrected content could not be written: {error_text} (error {error_code}). The disk may be full."},
    {Message::RewriteNoBackupName,
     "every name for a backup beside it is taken. Delete old backups ({ini}.bak and the numbered ones), then run "
     "{check} again."},
    {Message::RewriteCannotKeepOriginal,
     "the original could not be renamed to keep it as a backup: {error_text} (error {error_code})."},
    {Message::RewriteCannotPutInPlace,
     "the corrected file could not take the original's name: {error_text} (error {error_code}). Another program "
     "may have made a file of that name meanwhile."},
    {Message::RewriteCannotRename,
     "it could not be renamed: {error_text} (error {error_code})."},
    {Message::FixRenamed, "{text} is renamed {ini}."},
    {Message::FixOriginalUnderBackup,
     "The file was not corrected: after the original was renamed to {path}, another file took its name "
     "({error_text}, error {error_code}), and the original could not be given its name back. Nothing is lost: the "
     "original is {path}, the corrected content {text}."},

    {Message::ErrorUnknownOption, "{check}: unknown option {option}"},
    {Message::ErrorLanguage, "{check}: --lang takes ja or en"},
    {Message::ErrorOneFileOnly, "{check}: only one file can be checked at a time"},
    {Message::ErrorDryRunWithoutFix, "{check}: --dry-run goes with --fix"},
    {Message::ErrorEmptyFileName, "{check}: the file name is empty"},
    {Message::ErrorOptionWithoutValue, "{check}: {option} needs a value"},
    {Message::InternalFailure,
     "Stopped: out of memory, or an internal error. Run the settings check again to see the state of the file."},
    {Message::WindowFixButton, "&Correct the file"},
    {Message::WindowCloseButton, "Close"},
    {Message::WindowDetailsLabel, "The whole &report:"},
    {Message::WindowChangesLabel, "Correcting the file changes this:"},
    {Message::WindowFixing, "Correcting the file..."},
    {Message::VerdictAllWell, "All is well: {product} uses both values as the file gives them."},
    {Message::VerdictCorrectableOne, "The settings file has a problem that {check} can correct."},
    {Message::VerdictCorrectableMany, "The settings file has {count} problems that {check} can correct."},
    {Message::VerdictNeedsLook, "Something in the settings file needs a look."},
    {Message::VerdictNoFile, "There is no settings file: {product} uses its defaults."},
    {Message::VerdictLookAlike, "The settings file has another name, so {product} does not read it."},
    {Message::VerdictHeldOpen, "Another program holds the settings file open, so {product} cannot read it."},
    {Message::VerdictNoDll, "There is no {dll} in this folder, so nothing reads this file."},
    {Message::VerdictOtherFile, "{dll} reads another file, not this one."},
    {Message::VerdictPathTooLong, "The folder's path is too long: {product} reads no settings file here."},
    {Message::VerdictNotInCodePage,
     "The folder's path holds characters the system's code page lacks: {product} reads no settings file here."},
    {Message::VerdictNotHostFolder, "{host} does not read this file: this is not its {plugins} folder."},
    {Message::VerdictCorrected, "The file is corrected: restart {host} to have it read now."},
    {Message::VerdictNotCorrected, "The file was not corrected; it is as it was."},
    {Message::VerdictElevationDeclined,
     "The file was not corrected: the correction was not allowed to run as administrator. It is as it was."},
    {Message::VerdictElevationFailed,
     "The file was not corrected: the correction could not run as administrator ({error_text}, error {error_code})."},
    {Message::VerdictElevatedCheckFailed,
     "The correction run as administrator did not finish: look at the file again before you use it."},
    {Message::WindowElevatedReport, "The correction, run as administrator, reported:"},
    {Message::Usage,
     "Usage: {check} [options] [file]\n"
     "Shows what {dll} will read from its settings file, and why.\n"
     "\n"
     "file\n"
     "    a settings file; a DLL, for its settings file; or a folder, for\n"
     "    the settings file of {dll} in it (default: {dll} beside this\n"
     "    program)\n"
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
     "Double-clicked, {check} shows its report in a window, with a button\n"
     "that corrects the file when it can.\n"
     "\n"
     "Exit status:\n"
     "    0  both values come from the file as written (after the corrections)\n"
     "       and nothing needs attention\n"
     "    1  something needs attention\n"
     "    2  a wrong command line\n"
     "    3  the file was not corrected: the report says why, and where the\n"
     "       original is if not under its own name\n"
     "    4  the check itself could not finish (out of memory, or its report\n"
     "       could not be written)\n"},
}};
