#!/usr/bin/env bash
# What the build makes of the release's history: packaging/WindowsText.cmake
# writes each text of the package from made-up histories and read-mes, and
# stops the build where the history is not fit to ship.
# Usage: release-history-test.sh <packaging/WindowsText.cmake> <cmake>
set -uo pipefail
script=$1 cmake=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

good_history='# History\n\n## [Unreleased]\n\n## [1.0] - 2026-12-09\n\nThe first release.\n\n- It works.\n\n## [0.9] - 2026-01-02\n\n- Older.\n'
good_japanese='説明書\n\n更新履歴\n--------\n1.0（2026 年 12 月 9 日）\n  最初の公開版です。\n  ・動きます。\n'

# write <history> <input> <HISTORY> [<encoding>]: the text written from
# <input>, for version 1.0 with <history> as CHANGELOG.md, in out.txt; the
# build's messages in messages.txt (CMake wraps them: compare them with
# their blanks and line ends as single blanks).
write() {
  printf '%b' "$1" >"$scratch/CHANGELOG.md"
  printf '%b' "$2" >"$scratch/input.txt"
  rm -f "$scratch/out.txt"
  "$cmake" -DINPUT="$scratch/input.txt" -DOUTPUT="$scratch/out.txt" -DVERSION=1.0 \
           -DCHANGELOG="$scratch/CHANGELOG.md" -DHISTORY="$3" -DENCODING="${4:-}" -DICONV=iconv \
           -P "$script" >"$scratch/messages.txt" 2>&1
}

# Each row: the build stops with a message holding <expected>, or ("written")
# writes the text. The history and the input are printf %b strings; "good"
# stands for the history or Japanese read-me above.
while IFS='|' read -r case history input mode expected; do
  [[ $history == good ]] && history=$good_history
  [[ $input == good ]] && input=$good_japanese
  if write "$history" "$input" "$mode"; then actual=written; else actual=stopped; fi
  if [[ $expected == written ]]; then
    [[ $actual == written ]] || { echo "FAIL: $case: stopped: $(cat "$scratch/messages.txt")"; failed=1; }
  elif [[ $actual == written ]]; then
    echo "FAIL: $case: written, expected the build to stop with \"$expected\""; failed=1
  elif ! tr -s ' \n' ' ' <"$scratch/messages.txt" | grep -qF -- "$expected"; then
    echo "FAIL: $case: the message lacks \"$expected\": $(cat "$scratch/messages.txt")"; failed=1
  fi
done <<'TABLE'
a dated entry with an empty Unreleased ships|good|good|japanese|written
a history without an Unreleased heading ships|# History\n\n## [1.0] - 2026-12-09\n\n- It works.\n|good|japanese|written
an entry under Unreleased stops the build|# History\n\n## [Unreleased]\n\n- Not yet.\n\n## [1.0] - 2026-12-09\n\n- It works.\n|good|japanese|"[Unreleased]" holds entries
a note under Unreleased stops the build|# History\n\n## [Unreleased]\nSomething new.\n## [1.0] - 2026-12-09\n\n- It works.\n|good|japanese|"[Unreleased]" holds entries
a history without the version stops the build|# History\n\n## [0.9] - 2026-01-02\n\n- Older.\n|good|japanese|has no entry "## [1.0] - <yyyy-mm-dd>"
a version entry without a date stops the build|# History\n\n## [1.0]\n\n- It works.\n|good|japanese|has no entry "## [1.0] - <yyyy-mm-dd>"
a version entry that lists nothing stops the build|# History\n\n## [1.0] - 2026-12-09\n\nThe first release.\n\n## [0.9] - 2026-01-02\n\n- Older.\n|good|japanese|the entry for 1.0 lists no change
a look-alike version does not count|# History\n\n## [1x0] - 2026-12-09\n\n- It works.\n|good|japanese|has no entry
a Japanese read-me without a history stops the build|good|説明書\n\n1.0（2026 年 12 月 9 日）\n  ・動きます。\n|japanese|has no history
a Japanese history with another version only stops the build|good|更新履歴\n--------\n0.9（2026 年 1 月 2 日）\n  ・古い版です。\n|japanese|has no entry "1.0（2026 年 12 月 9 日）"
a Japanese entry with another date stops the build|good|更新履歴\n--------\n1.0（2026 年 12 月 10 日）\n  ・動きます。\n|japanese|has no entry "1.0（2026 年 12 月 9 日）"
a Japanese entry that lists nothing stops the build|good|更新履歴\n--------\n1.0（2026 年 12 月 9 日）\n  最初の公開版です。\n\n0.9（2026 年 1 月 2 日）\n  ・古い版です。\n|japanese|the history's entry for 1.0 lists no change
a text without a history needs only the release date|good|Version @TOLLIMER_VERSION@\n||written
a text without a history still stops on an entry under Unreleased|# History\n\n## [Unreleased]\n\n- Not yet.\n\n## [1.0] - 2026-12-09\n\n- It works.\n|Version @TOLLIMER_VERSION@\n||"[Unreleased]" holds entries
TABLE

# What is written: the history without its Unreleased heading, placeholders
# filled, CRLF throughout, Shift-JIS where asked.
write "$good_history" "$good_history" english
expected=$'# History\r\n\r\n## [1.0] - 2026-12-09\r\n\r\nThe first release.\r\n\r\n- It works.\r\n\r\n## [0.9] - 2026-01-02\r\n\r\n- Older.\r\n'
[[ "$(cat "$scratch/out.txt"; echo .)" == "$expected." ]] ||
  { echo "FAIL: the shipped history is not the history without its Unreleased heading, in CRLF:"; cat -A "$scratch/out.txt"; failed=1; }
write "$good_history" 'Version @TOLLIMER_VERSION@, released @TOLLIMER_RELEASE_DATE@\n' ''
[[ "$(cat "$scratch/out.txt")" == $'Version 1.0, released 2026-12-09\r' ]] ||
  { echo "FAIL: the English placeholders: $(cat -A "$scratch/out.txt")"; failed=1; }
write "$good_history" "$good_japanese"'バージョン @TOLLIMER_VERSION@（@TOLLIMER_RELEASE_DATE_JA@公開）\n' japanese CP932
[[ "$(iconv -f CP932 -t UTF-8 "$scratch/out.txt" | tail -1)" == $'バージョン 1.0（2026 年 12 月 9 日公開）\r' ]] ||
  { echo "FAIL: the Japanese placeholders in Shift-JIS: $(cat -A "$scratch/out.txt")"; failed=1; }

[[ $failed -eq 0 ]] && echo "release history: every case as expected"
exit "$failed"
