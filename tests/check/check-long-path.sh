#!/usr/bin/env bash
# TollimerCheck.exe in a folder whose path is longer than MAX_PATH, run with
# no file argument from another folder that holds an unrelated
# Tollimer.ini, and asked to correct: it checks and corrects the file beside
# itself, and says that Tollimer reads no settings file there; the other
# folder's file stays as it was. Wine's CreateProcess cannot start a program
# from such a path (its launcher can), so this case runs from here.
# Usage: check-long-path.sh <wine-run> <TollimerCheck.exe>
set -euo pipefail
wine_run=$1 program=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
deep="$root/$(printf 'a%.0s' {1..100})/$(printf 'b%.0s' {1..100})/$(printf 'c%.0s' {1..100})/PlugIns"
mkdir -p "$deep" "$root/elsewhere"
cp "$program" "$deep/TollimerCheck.exe"
printf 'MZ' >"$deep/Tollimer.dll"
broken=$'[Env]\r\nIntervalMinute=15 min\r\n'
corrected=$'[Env]\r\nInterbalMinute=15\r\n'
unrelated=$'[Env]\r\nInterbalMinute=7\r\n'
printf '%s' "$broken" >"$deep/Tollimer.ini"
printf '%s' "$unrelated" >"$root/elsewhere/Tollimer.ini"

status=0
output=$(cd "$root/elsewhere" && "$wine_run" "$deep/TollimerCheck.exe" --print --lang en --fix) || status=$?
echo "$output"
windows_deep="Z:$(tr / '\\' <<<"$deep")"
# After the correction the path still keeps Tollimer from reading it.
[[ $status -eq 1 ]] || fail "exit status $status, not 1"
grep -qF "File: $windows_deep\\Tollimer.ini" <<<"$output" || fail "the report names another file"
grep -qF "Tollimer reads no settings file here and runs with its defaults: the full path of Tollimer.dll takes" \
  <<<"$output" || fail "the report does not say that Tollimer reads no settings file here"
grep -qF "The original is kept as $windows_deep\\Tollimer.ini.bak" <<<"$output" || fail "no backup named"

holds() { cmp -s "$1" <(printf '%s' "$2"); }
holds "$deep/Tollimer.ini" "$corrected" || fail "the file beside the program is not corrected"
holds "$deep/Tollimer.ini.bak" "$broken" || fail "the backup does not hold the original"
holds "$root/elsewhere/Tollimer.ini" "$unrelated" || fail "the other folder's file changed"
files=$(cd "$root" && find . -type f | sort | tr '\n' ' ')
expected=$(cd "$root" && printf '%s\n' "./elsewhere/Tollimer.ini" "${deep#"$root"/}/Tollimer.dll" "${deep#"$root"/}/Tollimer.ini" \
  "${deep#"$root"/}/Tollimer.ini.bak" "${deep#"$root"/}/TollimerCheck.exe" | sed 's|^\([^.]\)|./\1|' | sort | tr '\n' ' ')
[[ $files == "$expected" ]] || fail "files afterwards: $files"
exit "$failed"
